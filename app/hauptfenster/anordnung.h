// The layout of the main window: every child's place as a share of the
// client height, the control panel in the left 0.42 of it and the chart as
// the largest square right of the panel. Pixels of the main window's client
// area; every share is truncated toward zero. The fixed offsets and sizes
// are those of 96 DPI, scaled to the window's resolution (skaliert.h): at
// 96 DPI the layout is the original one.
#pragma once

#include <cstdint>

#include "darstellung.h"

struct Platz {
    int32_t x, y, breite, hoehe;
};

struct Anordnung {
    Platz uebersicht, rekt_leiste, dekl_leiste;
    Platz titel_rekt, titel_dekl, rekt_anzeige, dekl_anzeige;
    Platz monat_wahl, zeit_wahl, ort_wahl;
    Platz ebenen_titel[EBENEN], ebenen_leisten[EBENEN];
    Platz titel_feld, feld_anzeige, feld_leiste;
    Platz info_fenster, karte;
};

// The resolution a layout is made for: dots per inch, and the thickness of
// a scroll bar there in pixels (the system's, SM_CXVSCROLL at that DPI).
struct Massstab {
    int32_t dpi = 96;
    int32_t leiste = 16;
};

// The smallest client area: that of a window of 640 x 480 pixels at 96 DPI
// (scaled to dpi) whose frame takes rand_x and rand_y pixels (window size
// minus client size).
constexpr int32_t MIN_FENSTER_BREITE = 640;
constexpr int32_t MIN_FENSTER_HOEHE = 480;
void mindestens(int32_t& breite, int32_t& hoehe, int32_t rand_x, int32_t rand_y, int32_t dpi);

// The places for a client area of breite x hoehe, already raised by mindestens.
Anordnung anordnung_berechnen(int32_t breite, int32_t hoehe, const Massstab& massstab);
