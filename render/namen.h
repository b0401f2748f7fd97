// The star labels, drawn through a drawing context only (a canvas's dc or a
// printer's): proper names beside the stars, and the Bayer letters or
// Flamsteed numbers of the stars of highlighted constellations.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "font.h"
#include "himmel.h"
#include "schildplan.h"
#include "skaliert.h"

// The own place of a proper name: starting NAME_ABSTAND pixels right of the
// star on its baseline; Alcor's (links_beschriftet) ends LINKS_ABSTAND
// pixels left of it. Pixels at 96 dots per inch and on a printer; on a
// screen skaliert(..., dpi).
constexpr int32_t NAME_ABSTAND = 10;
constexpr int32_t LINKS_ABSTAND = 2;

// Proper names in farbe (0x00BBGGRR) at their own places moved as plan.namen
// says (a name it leaves out is not drawn); dpi: the screen's dots per inch.
void stern_namen(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe,
                 const Schildplan& plan, int32_t dpi = DPI_NORMAL);

// Designations with their top-left corner at the star (their own place),
// moved as plan.kennungen says: the Greek letter in symbol followed by the
// index character in schrift, or the Flamsteed number in schrift. Labels the
// stars of highlighted constellations; with farbe 0 also those of the
// selected constellation (to draw over them in black once its highlighting
// was switched off).
void stern_kennungen(Himmel& himmel, HDC dc, const Font& schrift, const Font& symbol, int32_t r,
                     uint32_t farbe, const Schildplan& plan);

// Whether the star's designation is drawn at farbe (as stern_kennungen
// decides it): its constellation is loaded and highlighted, or, with farbe
// 0, selected.
bool kennung_beschriftet(const Himmel& himmel, const SternSatz& satz, uint32_t farbe);

// The width and height, in dc's units, of the star's designation as
// stern_kennungen draws it on dc.
SIZE kennung_groesse(HDC dc, const Font& schrift, const Font& symbol, const SternSatz& satz);

// ---- The engine tests' common call form: every layer with the same
// arguments, those a layer does not need ignored. The chart's layers
// (karte/schichten.h) call the forms above, which take what they use.
inline void stern_namen(Himmel& himmel, HDC dc, DIB*, const Font& schrift, const Font&, int32_t r,
                        uint32_t farbe) {
    stern_namen(himmel, dc, schrift, r, farbe, ohne_verschiebung());
}
inline void stern_kennungen(Himmel& himmel, HDC dc, DIB*, const Font& schrift, const Font& symbol,
                            int32_t r, uint32_t farbe) {
    stern_kennungen(himmel, dc, schrift, symbol, r, farbe, ohne_verschiebung());
}
