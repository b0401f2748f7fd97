// How the Sun, the Moon and the planets stand and look on a chart, apart
// from any drawing: where a body's disc lies and how large it is, which way
// its bright limb points and which points of the disc the Sun lights, and
// each body's own colour. The drawing (koerper_zeichnen.cpp) and the hover
// popup's hit test take the same answers, so a body is found where it was
// drawn. Portable.
#pragma once

#include <cstdint>

#include "darstellung.h"
#include "himmel.h"
#include "koerper.h"

// Each body's colour on the screen, in the order of KoerperArt; the Moon's
// unlit part in MOND_NACHT, bright enough to show the whole disc on the
// chart's dark background.
extern const Rgb KOERPER_FARBEN[KOERPER_ANZAHL];
constexpr Rgb MOND_NACHT{64, 64, 72};

// The scales a disc is sized on: the stars' disc for a magnitude (half its
// width in the target's pixels; render/gestirne.h), and the target's chart.
enum class Kartenart : int32_t { KARTE, UEBERSICHT };

// Pixels a body's disc is drawn larger than the brightest star's disc
// (Sirius, -1.46): one for each magnitude (begun) brighter than -1.5, at
// most 3, so that Jupiter is always larger than Sirius and Venus the largest
// planet; 0 for the fainter bodies, whose discs are stars' of the same
// magnitude.
int32_t helle_zugabe(double helligkeit);

// The radius in pixels of a body's disc: sternradius (a star disc's of the
// body's magnitude, in the target's pixels) plus helle_zugabe (scaled by
// pixel_zugabe, the target's pixels per screen pixel), at least 1; the Sun
// and the Moon at their true apparent size (durchmesser degrees) when that
// is larger, at massstab pixels per radian.
int32_t scheibenradius(const Koerper& k, int32_t art, int32_t sternradius, int32_t pixel_zugabe,
                       double massstab);

// Where a body stands on a chart of radius r: its centre as the engine
// places a star (projektion.h: dx to the right, dy up, in pixels from the
// chart's centre), and the unit vector (hell_x right, hell_y up) from the
// centre of its disc toward the midpoint of its bright limb.
struct Koerperort {
    bool sichtbar;  // within the layer's limit (the field of view; the overview's hemisphere)
    bool im_quadrat;  // within the square and its corners: labelled and found by the mouse
    int32_t dx, dy;
    double massstab;  // pixels per radian at the body's distance from the centre
    double hell_x, hell_y;
};
Koerperort koerperort(const Himmel& himmel, const Koerper& k, Kartenart art, int32_t r);

// Whether the point (a, b) of a disc of radius 1 is lit: a along the
// direction of the bright limb, b across it; phasenwinkel in degrees (0 full,
// 180 new). The terminator is the half ellipse of semi-axis |cos phase|.
bool beleuchtet(double a, double b, double phasenwinkel);
