#include "zeichnen/kartenschriften.h"

#include <windows.h>

#include <cstdint>

namespace {

constexpr char SCHRIFT_TEXT[] = "Arial";
constexpr int32_t HOEHE_TEXT = 14;       // pixels on the screen
constexpr int32_t HOEHE_STERNBILD = 16;  // the constellation names
constexpr char SCHRIFT_SYMBOL[] = "Symbol";
constexpr int32_t HOEHE_SYMBOL = 14;

// The constellation names' font: the text font underlined, HOEHE_STERNBILD high.
LOGFONTA sternbild_schrift(const Font& text) {
    LOGFONTA f = text.beschreibung();
    f.lfUnderline = 1;
    f.lfHeight = HOEHE_STERNBILD;
    f.lfWidth = 0;
    return f;
}

}  // namespace

Kartenschriften::Kartenschriften()
    : text(SCHRIFT_TEXT, HOEHE_TEXT), sternbild(sternbild_schrift(text)),
      symbol(SCHRIFT_SYMBOL, HOEHE_SYMBOL) {}
