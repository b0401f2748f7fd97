// The planets by Mallama, A. and Hilton, J. L., "Computing apparent planetary
// magnitudes for The Astronomical Almanac", Astronomy and Computing 25
// (2018) 10-24: V = 5 log10(r d) + V(1, alpha), r and d in AU, the phase
// angle alpha in degrees, in the forms for the phase angles seen from the
// Earth. Left out are Mars's corrections for its rotation and orbital
// longitude (tabulated, a few hundredths to a tenth of a magnitude).
// The Moon by the phase law of Allen's Astrophysical Quantities (4th ed.,
// 2000): V(1, 0) = +0.21, plus 0.026 alpha + 4e-9 alpha^4.
// The Sun: V = -26.74 at 1 AU (same source).
#include "helligkeit.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

// The planetocentric latitude (radians) of the point of the planet that
// faces richtung (a vector from the planet), for a pole at (rekt, dekl)
// degrees in J2000.
double breite_zum(const double richtung[3], double pol_rekt, double pol_dekl) {
    double pol[3];
    eraS2c(pol_rekt * ERFA_DD2R, pol_dekl * ERFA_DD2R, pol);
    const double skalar = pol[0] * richtung[0] + pol[1] * richtung[1] + pol[2] * richtung[2];
    return std::asin(skalar / betrag(richtung));
}

// Saturn's north pole (IAU WGCCRE 2015, the slow drift of a few hundredths of
// a degree a century left out), which is the rings' axis.
constexpr double SATURN_POL_REKT = 40.589, SATURN_POL_DEKL = 83.537;
// Uranus's (IAU WGCCRE 2015) and its flattening, for planetographic latitudes.
constexpr double URANUS_POL_REKT = 257.311, URANUS_POL_DEKL = -15.175;
constexpr double URANUS_ABPLATTUNG = 0.02293;

double mars(double a) {
    return a <= 50.0 ? -1.601 + 2.267e-2 * a - 1.302e-4 * a * a
                     : -0.367 - 0.02573 * a + 3.445e-4 * a * a;
}

double jupiter(double a) {
    if (a <= 12.0) return -9.395 - 3.7e-4 * a + 6.16e-4 * a * a;
    const double x = a / 180.0;
    return -9.428 - 2.5 * std::log10(1.0 - 1.507 * x - 0.363 * x * x - 0.062 * x * x * x +
                                     2.809 * x * x * x * x - 1.876 * x * x * x * x * x);
}

// The globe and the rings together, for alpha <= 6.5 degrees (every phase
// angle seen from the Earth). beta: the rings' tilt to the line of sight.
double saturn(double a, const Ort& ort) {
    const double zur_erde[3] = {-ort.geo[0], -ort.geo[1], -ort.geo[2]};
    const double sin_beta = std::fabs(std::sin(breite_zum(zur_erde, SATURN_POL_REKT, SATURN_POL_DEKL)));
    return -8.914 - 1.825 * sin_beta + 0.026 * a - 0.378 * sin_beta * std::exp(-2.25 * a);
}

// For alpha <= 3.1 degrees; phi: the mean of the absolute planetographic
// latitudes of the sub-Earth and the sub-solar point, degrees.
double uranus(double a, const Ort& ort) {
    const double zur_erde[3] = {-ort.geo[0], -ort.geo[1], -ort.geo[2]};
    const double zur_sonne[3] = {-ort.helio[0], -ort.helio[1], -ort.helio[2]};
    auto grafisch = [](double zentrisch) {
        const double q = (1.0 - URANUS_ABPLATTUNG) * (1.0 - URANUS_ABPLATTUNG);
        return std::fabs(std::atan(std::tan(zentrisch) / q)) * ERFA_DR2D;
    };
    const double phi = 0.5 * (grafisch(breite_zum(zur_erde, URANUS_POL_REKT, URANUS_POL_DEKL)) +
                              grafisch(breite_zum(zur_sonne, URANUS_POL_REKT, URANUS_POL_DEKL)));
    return -7.110 - 8.4e-4 * phi + 6.587e-3 * a + 1.045e-4 * a * a;
}

// Neptune brightened from 1980 to 2000; its phase angle seen from the Earth
// (below 1.9 degrees) adds nothing in the model.
double neptun(double jahr) {
    if (jahr < 1980.0) return -6.89;
    if (jahr > 2000.0) return -7.00;
    return -6.89 - 0.0054 * (jahr - 1980.0);
}

}  // namespace

double helligkeit(int32_t art, const Ort& ort, double a, double jahr) {
    const double d = betrag(ort.geo);
    if (art == SONNE) return -26.74 + 5.0 * std::log10(d);
    const double abstaende = 5.0 * std::log10(betrag(ort.helio) * d);
    switch (art) {
        case MOND:
            return abstaende + 0.21 + 0.026 * a + 4e-9 * a * a * a * a;
        case MERKUR:
            return abstaende - 0.613 + a * (6.328e-2 + a * (-1.6336e-3 + a * (3.3644e-5 +
                   a * (-3.4265e-7 + a * (1.6893e-9 + a * -3.0334e-12)))));
        case VENUS:
            return abstaende + (a < 163.7 ? -4.384 + a * (-1.044e-3 + a * (3.687e-4 +
                                            a * (-2.814e-6 + a * 8.938e-9)))
                                          : 236.05828 + a * (-2.81914 + a * 8.39034e-3));
        case MARS: return abstaende + mars(a);
        case JUPITER: return abstaende + jupiter(a);
        case SATURN: return abstaende + saturn(a, ort);
        case URANUS: return abstaende + uranus(a, ort);
        default: return abstaende + neptun(jahr);
    }
}
