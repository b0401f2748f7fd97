// The equatorial coordinate grid: declination circles every 10 degrees,
// meridians every hour, labelled in hours and degrees. Lines go into a canvas
// in colour-table index 96, onto a printer with a pen of the passed colour;
// labels are drawn through dc in farbe (0x00BBGGRR) with the font schrift.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "font.h"
#include "himmel.h"

constexpr int32_t GITTER_INDEX = 96;

void karte_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font& symbol,
                  int32_t r, uint32_t farbe);
void uebersicht_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font& symbol,
                       int32_t r, uint32_t farbe);
void druck_gitter(Himmel& himmel, HDC dc, const Font& schrift, const Font& symbol, int32_t r,
                  uint32_t farbe);
