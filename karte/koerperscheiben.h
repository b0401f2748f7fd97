// The discs of the Sun, the Moon and the planets on a chart target: where
// each stands and how large it is drawn there, one rule for the drawing
// (koerper_zeichnen.cpp) and for the mouse that finds a body on the chart.
#pragma once

#include <cstdint>

#include "himmel.h"
#include "koerper.h"
#include "koerperbild.h"
#include "skaliert.h"

// The kinds of target a disc is sized for: the chart and overview canvases
// in screen pixels, a printer page in its own (the stars' printed circles).
enum class Scheibenziel : int32_t { KARTE, UEBERSICHT, DRUCK };

struct Koerperscheibe {
    Koerperort ort;
    int32_t radius;  // pixels of the target
};

// Body art (0..KOERPER_ANZAHL-1) of lage on a chart of radius r; the
// canvases' discs at the screen's dpi (gdi/skaliert.h), a printer's at its own.
Koerperscheibe koerperscheibe(const Himmel& himmel, const Koerperlage& lage, int32_t art,
                              Scheibenziel ziel, int32_t r, int32_t dpi = DPI_NORMAL);

// The bodies in the order they are drawn: the farthest first, so that the
// Moon covers a planet it passes and Venus the Sun, as in the sky.
struct Zeichenfolge {
    int32_t art[KOERPER_ANZAHL];
};
Zeichenfolge zeichenfolge(const Koerperlage& lage);

// The body whose disc on the chart canvas of radius r at dpi holds the
// window pixel (x, y) of the chart square (y down from its top), or lies
// within 3 pixels (at 96 dots per inch) of it; of several the one drawn last
// (on top). -1 none.
int32_t koerper_suchen(const Himmel& himmel, const Koerperlage& lage, int32_t x, int32_t y,
                       int32_t r, int32_t dpi = DPI_NORMAL);
