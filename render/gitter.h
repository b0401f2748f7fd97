// The equatorial coordinate grid: declination circles every 10 degrees,
// meridians every hour, labelled in hours and degrees. Lines go into a canvas
// in colour-table index 96, onto a printer with a pen of the passed colour;
// labels are drawn through dc in farbe (0x00BBGGRR) with the font schrift.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "farbindizes.h"  // GITTER_INDEX
#include "font.h"
#include "himmel.h"
#include "skaliert.h"


// dpi: the screen's dots per inch (gdi/skaliert.h) of a canvas, which the
// lines' width and the labels' offsets grow with.
void karte_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r, uint32_t farbe,
                  int32_t dpi = DPI_NORMAL);
void uebersicht_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r,
                       uint32_t farbe, int32_t dpi = DPI_NORMAL);
void druck_gitter(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe);

// ---- The engine tests' common call form: every layer with the same
// arguments, those a layer does not need ignored. The chart's layers
// (karte/schichten.h) call the forms above, which take what they use.
inline void karte_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font&,
                         int32_t r, uint32_t farbe) {
    karte_gitter(himmel, dc, bild, schrift, r, farbe);
}
inline void uebersicht_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font&,
                              int32_t r, uint32_t farbe) {
    uebersicht_gitter(himmel, dc, bild, schrift, r, farbe);
}
inline void druck_gitter(Himmel& himmel, HDC dc, const Font& schrift, const Font&, int32_t r,
                         uint32_t farbe) {
    druck_gitter(himmel, dc, schrift, r, farbe);
}
