// The constellation layers: figure lines (chart, overview, printer) and the
// constellation names at their label points. Colours are 0x00BBGGRR; on a
// canvas the lines go into colour-table index 128 whatever colour is passed.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "farbindizes.h"  // FIGUREN_INDEX
#include "font.h"
#include "himmel.h"
#include "schildplan.h"
#include "skaliert.h"


// Figure lines on the chart scale; both ends within the hemisphere, the
// canvas clips what lies outside the square. dpi: the screen's dots per
// inch (gdi/skaliert.h), which the lines' width grows with.
void karte_figuren(Himmel& himmel, HDC dc, DIB* bild, int32_t r, int32_t dpi = DPI_NORMAL);
// Figure lines on the overview scale.
void uebersicht_figuren(Himmel& himmel, HDC dc, DIB* bild, int32_t r, int32_t dpi = DPI_NORMAL);
// Figure lines with a pen of width 2 in farbe.
void druck_figuren(Himmel& himmel, HDC dc, int32_t r, uint32_t farbe);
// Each constellation's name centred on its label point, on the baseline (its
// own place), moved as plan.sternbilder says; drawn through dc only.
void sternbild_namen(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe,
                     const Schildplan& plan);

// ---- The engine tests' common call form: every layer with the same
// arguments, those a layer does not need ignored. The chart's layers
// (karte/schichten.h) call the forms above, which take what they use.
inline void karte_figuren(Himmel& himmel, HDC dc, DIB* bild, const Font&, const Font&, int32_t r,
                          uint32_t) {
    karte_figuren(himmel, dc, bild, r);
}
inline void uebersicht_figuren(Himmel& himmel, HDC dc, DIB* bild, const Font&, const Font&,
                               int32_t r, uint32_t) {
    uebersicht_figuren(himmel, dc, bild, r);
}
inline void druck_figuren(Himmel& himmel, HDC dc, const Font&, const Font&, int32_t r,
                          uint32_t farbe) {
    druck_figuren(himmel, dc, r, farbe);
}
inline void sternbild_namen(Himmel& himmel, HDC dc, DIB*, const Font& schrift, const Font&,
                            int32_t r, uint32_t farbe) {
    sternbild_namen(himmel, dc, schrift, r, farbe, ohne_verschiebung());
}
