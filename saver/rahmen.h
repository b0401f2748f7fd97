// What one frame of the saver's sky is made of, apart from the drawing: the
// view's right ascension from the clock, where the chart square stands in the
// window, the preview's smaller view and fonts, and which layers are drawn.
#pragma once

#include <cstdint>

#include "darstellung.h"

// The saver's fixed approximation of the local sidereal time in hours,
// [0, 24): 2 h per month and 4 min per day from 17 h before midnight of
// 1 January, plus the time of day. No longitude, no year.
// monat 0..11 from January, tag 1..31.
double sternzeit(int32_t monat, int32_t tag, int32_t stunde, int32_t minute, int32_t sekunde);
// The same from the local clock.
double ScrSternzeit();

// The chart square of side 2 x radius centred in a client area of
// breite x hoehe pixels: its distance from the left and from the top edge.
struct Kartenflaeche {
    int32_t radius, versatz_x, versatz_y;
};
Kartenflaeche kartenflaeche(int32_t breite, int32_t hoehe);

// A preview shows at most 30 degrees, so that its tiny chart is not crowded.
int32_t ansicht_gesichtsfeld(int32_t gesichtsfeld, int vorschau);

// Font heights in pixels for the star labels, the constellation names and
// the Greek letters.
struct Schrifthoehen {
    int32_t text, sternbild, symbol;
};
Schrifthoehen schrift_hoehen(int vorschau);

// The layer calls of a frame in drawing order. The stars come first, so that
// their positions are known, and again last, so that they lie on top.
enum Schritt : int32_t { STERNE, GITTER, FIGUREN, BILDNAMEN, NAMEN };
constexpr int MAX_SCHRITTE = 6;
int32_t rahmen_schritte(const Darstellung& werte, Schritt (&schritte)[MAX_SCHRITTE]);
