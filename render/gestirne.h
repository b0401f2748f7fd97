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

// The program-wide chart caption, empty at start; the application sets and
// clears it, karte_gestirne draws it at the top and bottom edge.
constexpr int KARTEN_TEXT_GROESSE = 256;
extern char karten_text[KARTEN_TEXT_GROESSE];
constexpr uint32_t KARTEN_TEXT_FARBE = 0x004080FF;  // red 255, green 128, blue 64

// The caption, when there is one, centred at the top edge (hanging from y 0)
// and at the bottom edge (standing on y 2r) of a chart of radius r, in farbe
// (0x00BBGGRR) and schrift.
void karten_text_zeichnen(HDC dc, const Font& schrift, int32_t r, uint32_t farbe);

// The stars of magnitude classes erste_klasse..letzte_klasse (clamped to
// 0..99) within the field of view; then the caption in schrift.
void karte_gestirne(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, const Font& symbol,
                    int32_t r, int32_t erste_klasse, int32_t letzte_klasse);

// The stars at the ends of the constellation figure lines, on the overview
// scale. The class range is accepted for the common call form and not used.
void uebersicht_gestirne(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift,
                         const Font& symbol, int32_t r, int32_t erste_klasse,
                         int32_t letzte_klasse);

// Every star within the square as a filled circle, outlined in rand_farbe
// (0x00BBGGRR). einfarbig: white fill (black when invertiert) instead of the
// spectral colours; both flags: white outline.
void druck_gestirne(Himmel& himmel, HDC dc, const Font& schrift, const Font& symbol, int32_t r,
                    int32_t einfarbig, int32_t invertiert, uint32_t rand_farbe);
