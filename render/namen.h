// The star labels, drawn through a drawing context only (a canvas's dc or a
// printer's): proper names beside the stars, and the Bayer letters or
// Flamsteed numbers of the stars of highlighted constellations.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "font.h"
#include "himmel.h"

// Proper names in farbe (0x00BBGGRR), starting 10 pixels right of the star on
// its baseline; Alcor's (links_beschriftet) ends 2 pixels left of it.
void stern_namen(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe);

// Designations with their top-left corner at the star: the Greek letter in
// symbol followed by the index character in schrift, or the Flamsteed number
// in schrift. Labels the stars of highlighted constellations; with farbe 0
// also those of the selected constellation (to draw over them in black once
// its highlighting was switched off).
void stern_kennungen(Himmel& himmel, HDC dc, const Font& schrift, const Font& symbol, int32_t r,
                     uint32_t farbe);

// ---- The engine tests' common call form: every layer with the same
// arguments, those a layer does not need ignored. The chart's layers
// (karte/schichten.h) call the forms above, which take what they use.
inline void stern_namen(Himmel& himmel, HDC dc, DIB*, const Font& schrift, const Font&, int32_t r,
                        uint32_t farbe) {
    stern_namen(himmel, dc, schrift, r, farbe);
}
inline void stern_kennungen(Himmel& himmel, HDC dc, DIB*, const Font& schrift, const Font& symbol,
                            int32_t r, uint32_t farbe) {
    stern_kennungen(himmel, dc, schrift, symbol, r, farbe);
}
