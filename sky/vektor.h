// Directions on the celestial sphere: unit vectors in the equatorial frame and
// polar positions relative to the view centre.
#pragma once

#include <cstdint>

// pi as the sky model and the engine use it everywhere (not the full-precision
// value: positions must come out the same in every part of the program).
constexpr double PI = 3.1415927;

// Unit vector in the equatorial frame of the catalogue, float32 components:
// x toward 0 h on the celestial equator, y toward 6 h, z toward the north pole.
struct Vektor3 {
    float x, y, z;
};

// Position relative to the view centre, both in radians.
// winkel: position angle, -pi..pi; 0 toward the north pole (up on the chart),
//         positive toward the west (right), negative toward the east (left).
// abstand: angular distance from the centre, 0..pi.
struct PolarPos {
    float winkel, abstand;
};

// Cross product, each component formed in double (the products of two floats
// are exact there) and stored as float32.
inline Vektor3 kreuz(const Vektor3& a, const Vektor3& b) {
    auto d = [](float p, float q, float r, float s) {
        return static_cast<float>(static_cast<double>(p) * q - static_cast<double>(r) * s);
    };
    return Vektor3{d(a.y, b.z, a.z, b.y), d(a.z, b.x, a.x, b.z), d(a.x, b.y, a.y, b.x)};
}

// Dot product, summed in double.
inline double punkt(const Vektor3& a, const Vektor3& b) {
    return static_cast<double>(a.x) * b.x + static_cast<double>(a.y) * b.y +
           static_cast<double>(a.z) * b.z;
}

// The unit vector of right ascension rekt (hours) and declination dekl
// (degrees), computed in double and stored as float32.
Vektor3 einheitsvektor(double rekt, double dekl);
