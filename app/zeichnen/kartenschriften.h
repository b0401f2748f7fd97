// The chart's three fonts as the main window draws with them, so that every
// other maker of the same picture (the command line) draws with the same.
#pragma once

#include <windows.h>

#include <cstdint>

#include "font.h"
#include "zeichnen/karteninhalt.h"

constexpr char SCHRIFT_TEXT[] = "Arial";
constexpr int32_t HOEHE_TEXT = 14;       // pixels on the screen
constexpr int32_t HOEHE_STERNBILD = 16;  // the constellation names
constexpr char SCHRIFT_SYMBOL[] = "Symbol";
constexpr int32_t HOEHE_SYMBOL = 14;

// The constellation names' font: the text font underlined, HOEHE_STERNBILD high.
LOGFONTA sternbild_schrift(const Font& text);

// The three fonts of a chart outside the main window.
struct Kartenschriften {
    Kartenschriften();
    Font text;
    Font sternbild;
    Font symbol;
    Schriften schriften() { return {text, sternbild, symbol}; }
};
