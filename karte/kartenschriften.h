// The chart's three fonts, made alike by everyone who draws a chart (the main
// window, the command line and the screen saver), so that their pictures are
// the same.
#pragma once

#include "font.h"
#include "kartenbild.h"
#include "quadrat.h"
#include "skaliert.h"

// The three fonts of a chart, owned by whoever draws it: "Arial" at
// hoehen.text pixels, its underlined copy at hoehen.sternbild for the
// constellation names, and "Symbol" at hoehen.symbol for the Greek letters,
// each height given for 96 dots per inch and made at the screen's dpi (the
// width too, which the text and Symbol fonts take from the system font). A full
// chart takes 14, 16 and 14 pixels at 96; the saver's preview smaller ones.
struct Kartenschriften {
    explicit Kartenschriften(const Schrifthoehen& hoehen = VOLLE_SCHRIFT, int32_t dpi = DPI_NORMAL);
    // The fonts made anew at dpi (held to DPI_NORMAL..DPI_GROESSTE) when it
    // is not the one they have; a font selected into a context must be
    // deselected first.
    void dpi_setzen(int32_t dpi);
    int32_t dpi() const { return dpi_; }
    Font text;
    Font sternbild;
    Font symbol;
    Schriften schriften() { return {text, sternbild, symbol}; }

private:
    Schrifthoehen hoehen;
    // The fonts' widths as first made (0: by the font's proportions), which
    // grow with the dpi as the heights do.
    int32_t breiten[3];
    int32_t dpi_ = DPI_NORMAL;
};

// The heights of hoehen (pixels at 96 dots per inch) at dpi.
Schrifthoehen skalierte_hoehen(const Schrifthoehen& hoehen, int32_t dpi);
