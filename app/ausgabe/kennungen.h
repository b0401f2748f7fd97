// The designation layer of the outputs (printout, desktop picture): the
// Greek letters and Flamsteed numbers of the highlighted constellations.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "zeichnen/karteninhalt.h"

// The designations of the highlighted constellations' stars in farbe, on dc
// (and bild, when the output is a canvas) for a chart of radius r.
//
// Why the selection is hidden: the engine reads the colour 0 as a second
// request, to label the constellation last selected under the mouse as well;
// only the label click means that (it paints a switched-off constellation's
// designations over in the background colour). An output in black (a
// black-on-white printout, a layer colour of black) must label the
// highlighted constellations alone, so the selection is hidden from the
// engine for this call and put back after it.
void kennungen_zeichnen(const Karteninhalt& inhalt, HDC dc, DIB* bild, int32_t r, uint32_t farbe);
