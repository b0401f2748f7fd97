#include "kartenschriften.h"

#include <windows.h>

namespace {

constexpr char SCHRIFT_TEXT[] = "Arial";
constexpr char SCHRIFT_SYMBOL[] = "Symbol";

// The constellation names' font: the text font underlined, hoehe high.
LOGFONTA sternbild_schrift(const Font& text, int32_t hoehe) {
    LOGFONTA f = text.beschreibung();
    f.lfUnderline = 1;
    f.lfHeight = hoehe;
    f.lfWidth = 0;
    return f;
}

}  // namespace

Kartenschriften::Kartenschriften(const Schrifthoehen& hoehen)
    : text(SCHRIFT_TEXT, hoehen.text), sternbild(sternbild_schrift(text, hoehen.sternbild)),
      symbol(SCHRIFT_SYMBOL, hoehen.symbol) {}
