// The chart's three fonts, made alike by everyone who draws the chart (the
// main window and the command line), so that their pictures are the same.
#pragma once

#include "font.h"
#include "zeichnen/karteninhalt.h"

// The three fonts of a chart, owned by whoever draws it: "Arial" 14 pixels,
// its underlined copy 16 pixels for the constellation names, and "Symbol"
// 14 pixels for the Greek letters.
struct Kartenschriften {
    Kartenschriften();
    Font text;
    Font sternbild;
    Font symbol;
    Schriften schriften() { return {text, sternbild, symbol}; }
};
