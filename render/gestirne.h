// The star layers: discs on the chart canvas (with the chart caption), the
// figure stars on the overview canvas and filled circles on a printer page.
// r is the radius of the chart in pixels: the chart is the square of side 2r
// around (r, r).
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "font.h"
#include "himmel.h"
#include "skaliert.h"

// The chart caption's colour on the screen (colour-table entry
// INDEX_KARTENTEXT, render/farbindizes.h).
constexpr uint32_t KARTEN_TEXT_FARBE = 0x004080FF;  // red 255, green 128, blue 64

// The caption text, when it is not empty, centred at the top edge (hanging from y 0)
// and at the bottom edge (standing on y 2r) of a chart of radius r, in farbe
// (0x00BBGGRR) and schrift.
void karten_text_zeichnen(HDC dc, const Font& schrift, int32_t r, uint32_t farbe, const char* text);

// The stars of magnitude classes erste_klasse..letzte_klasse (clamped to
// 0..99) within the field of view; then the caption kartentext (the
// drawing's input, "" for none) in schrift and KARTEN_TEXT_FARBE. dpi: the
// screen's dots per inch (gdi/skaliert.h), which the discs grow with.
void karte_gestirne(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r,
                    int32_t erste_klasse, int32_t letzte_klasse, const char* kartentext,
                    int32_t dpi = DPI_NORMAL);

// The stars at the ends of the constellation figure lines, on the overview
// scale, at the screen's dpi.
void uebersicht_gestirne(Himmel& himmel, DIB* bild, int32_t r, int32_t dpi = DPI_NORMAL);

// Every star within the square as a filled circle, outlined in rand_farbe
// (0x00BBGGRR). einfarbig: white fill (black when invertiert) instead of the
// spectral colours; both flags: white outline.
void druck_gestirne(Himmel& himmel, HDC dc, int32_t r, int32_t einfarbig, int32_t invertiert,
                    uint32_t rand_farbe);

// Half the width, in the target's pixels, of the disc of a star of
// helligkeit (magnitude x 100) on the chart canvas and on the overview
// canvas at the screen's dpi, and on a printer page: the scale the Sun, the
// Moon and the planets are sized on (karte/koerperbild.h).
int32_t karten_sternradius(int32_t helligkeit, int32_t dpi = DPI_NORMAL);
int32_t uebersicht_sternradius(int32_t helligkeit, int32_t dpi = DPI_NORMAL);
int32_t druck_sternradius(int32_t helligkeit);

// ---- The engine tests' common call form: every layer with the same
// arguments, those a layer does not need ignored. The chart's layers
// (karte/schichten.h) call the forms above, which take what they use.
inline void karte_gestirne(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font&,
                           int32_t r, int32_t erste_klasse, int32_t letzte_klasse,
                           const char* kartentext = "") {
    karte_gestirne(himmel, dc, bild, schrift, r, erste_klasse, letzte_klasse, kartentext);
}
inline void uebersicht_gestirne(Himmel& himmel, HDC, DIB* bild, const Font&, const Font&, int32_t r,
                                int32_t, int32_t) {
    uebersicht_gestirne(himmel, bild, r);
}
inline void druck_gestirne(Himmel& himmel, HDC dc, const Font&, const Font&, int32_t r,
                           int32_t einfarbig, int32_t invertiert, uint32_t rand_farbe) {
    druck_gestirne(himmel, dc, r, einfarbig, invertiert, rand_farbe);
}
