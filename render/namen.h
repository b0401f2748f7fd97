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

// The constellations whose stars' designations are drawn at farbe (as
// stern_kennungen decides it): loaded and highlighted, or, with farbe 0,
// selected. A star's constellation is the first whose abbreviation agrees
// with its designation's. Collected once per chart, so that the many stars
// of other constellations are passed by with a few comparisons.
class Beschriftete {
public:
    Beschriftete(const Himmel& himmel, uint32_t farbe);
    // Whether the star's designation is drawn.
    bool beschriftet(const SternSatz& satz) const;
    int32_t anzahl() const { return zahl; }

private:
    char abk[STERNBILDER_MAX][4];
    int32_t zahl = 0;
};

// Widths of the Symbol-font letters, each measured once with Font::textbreite
// on dc, or with dc null on one screen context taken at the first
// measurement (for the screen's widths on any target).
class Buchstabenbreiten {
public:
    Buchstabenbreiten(const Font& symbol, HDC dc);
    ~Buchstabenbreiten();
    Buchstabenbreiten(const Buchstabenbreiten&) = delete;
    Buchstabenbreiten& operator=(const Buchstabenbreiten&) = delete;
    int32_t breite(const char* buchstabe);

private:
    const Font& symbol;
    HDC dc;
    HDC bildschirm = nullptr;  // taken here, released with the table
    int32_t breiten[256];
};

// The width and height, in dc's units, of stars' designations as
// stern_kennungen draws them on dc, for the many designations of one chart:
// both fonts' heights measured once, each Greek letter's width once. Leaves
// schrift selected in dc from the start on, and measures the Flamsteed
// numbers and index characters in it.
class Kennungsmass {
public:
    Kennungsmass(HDC dc, const Font& schrift, const Font& symbol);
    SIZE groesse(const SternSatz& satz);

private:
    HDC dc;
    Buchstabenbreiten buchstaben;
    int32_t schrift_hoehe = 0, symbol_hoehe = 0;
};

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
