// The constellation layers: figure lines (chart, overview, printer) and the
// constellation names at their label points. Colours are 0x00BBGGRR; on a
// canvas the lines go into colour-table index 128 whatever colour is passed.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "font.h"
#include "himmel.h"

constexpr int32_t FIGUREN_INDEX = 128;

// Figure lines on the chart scale; both ends within the hemisphere, the
// canvas clips what lies outside the square.
void karte_figuren(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font& symbol,
                   int32_t r, uint32_t farbe);
// Figure lines on the overview scale.
void uebersicht_figuren(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift,
                        const Font& symbol, int32_t r, uint32_t farbe);
// Figure lines with a pen of width 2 in farbe.
void druck_figuren(Himmel& himmel, HDC dc, const Font& schrift, const Font& symbol, int32_t r,
                   uint32_t farbe);
// Each constellation's name centred on its label point, on the baseline;
// drawn through dc only (bild may be null).
void sternbild_namen(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font& symbol,
                     int32_t r, uint32_t farbe);
