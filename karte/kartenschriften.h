// The chart's three fonts, made alike by everyone who draws a chart (the main
// window, the command line and the screen saver), so that their pictures are
// the same.
#pragma once

#include "font.h"
#include "kartenbild.h"
#include "quadrat.h"

// The three fonts of a chart, owned by whoever draws it: "Arial" at
// hoehen.text pixels, its underlined copy at hoehen.sternbild for the
// constellation names, and "Symbol" at hoehen.symbol for the Greek letters.
// A full chart takes 14, 16 and 14 pixels; the saver's preview smaller ones.
struct Kartenschriften {
    explicit Kartenschriften(const Schrifthoehen& hoehen = VOLLE_SCHRIFT);
    Font text;
    Font sternbild;
    Font symbol;
    Schriften schriften() { return {text, sternbild, symbol}; }
};
