// From a polar position to a pixel offset from the chart centre, shared by the
// rendering engine and the hit tests so that a star is found exactly where it
// was drawn. All arithmetic in double; angles in radians, distances in pixels.
#pragma once

#include <cmath>
#include <cstdint>

// A quarter turn: nothing behind the hemisphere around the view centre is shown.
constexpr double VIERTELKREIS = 1.57079635;
// The grid lines and their labels reach a little past the hemisphere's edge.
constexpr double GITTER_GRENZE = 1.58079635;
// Past the corners of the square chart (sqrt 2 times half the side), as a
// fraction of the field of view.
constexpr double ECKEN_FAKTOR = 1.424;
// 1 / 3.1415927: the overview puts a quarter turn on the circle of radius r.
constexpr double UEBERSICHT_FAKTOR = 0.31830988148145367;

// Pixel distance on the chart of half side r (pixels): half the field of view
// (radians) reaches the middle of each edge.
inline double kartenmassstab(double abstand, double gesichtsfeld, int32_t r) {
    return abstand / gesichtsfeld * 2 * r;
}

// Pixel distance on the overview of radius r: the hemisphere fills the circle.
inline double uebersichtsmassstab(double abstand, int32_t r) {
    return abstand * UEBERSICHT_FAKTOR * 2 * r;
}

// trunc(wert + 0.5), cut toward zero, so negative offsets move one pixel toward
// the centre. Saturates far outside any picture (a field of view of 0 gives an
// infinite scale, NaN gives 0), so that r + offset never overflows.
inline int32_t pixel_runden(double wert) {
    constexpr double GRENZE = 1 << 30;
    const double v = wert + 0.5;
    if (!(v > -GRENZE)) return v != v ? 0 : -(1 << 30);
    if (!(v < GRENZE)) return 1 << 30;
    return static_cast<int32_t>(v);
}

// Offset of a direction at position angle winkel and pixel distance s.
// Canvas pixel: column r + dx, row r + dy counted from the bottom.
// Window or printer point: x = r + dx, y = r - dy counted from the top.
struct Versatz {
    int32_t dx, dy;
};

inline Versatz versatz(double winkel, double s) {
    return Versatz{pixel_runden(std::sin(winkel) * s), pixel_runden(std::cos(winkel) * s)};
}

// Visibility tests on the angular distance from the centre (radians); each
// layer has its own. NaN is never visible.
// Hemisphere: overview stars and constellation figure lines.
inline bool sichtbar_halbkugel(double abstand) {
    return abstand >= 0 && abstand <= VIERTELKREIS;
}

// Within the square and its corners: hit tests, printed stars, star names
// and designations.
inline bool sichtbar_quadrat(double abstand, double gesichtsfeld) {
    return sichtbar_halbkugel(abstand) && abstand <= gesichtsfeld * ECKEN_FAKTOR * 0.5;
}

// Within the whole field of view: the stars of the chart (their discs may
// reach into the picture from past the corners).
inline bool sichtbar_karte(double abstand, double gesichtsfeld) {
    return sichtbar_halbkugel(abstand) && abstand <= gesichtsfeld;
}

// Grid lines and their labels.
inline bool sichtbar_gitter(double abstand) {
    return abstand >= 0 && abstand <= GITTER_GRENZE;
}
