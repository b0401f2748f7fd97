#include "zeichnen/kartenschriften.h"

LOGFONTA sternbild_schrift(const Font& text) {
    LOGFONTA f = text.beschreibung();
    f.lfUnderline = 1;
    f.lfHeight = HOEHE_STERNBILD;
    f.lfWidth = 0;
    return f;
}

Kartenschriften::Kartenschriften()
    : text(SCHRIFT_TEXT, HOEHE_TEXT), sternbild(sternbild_schrift(text)),
      symbol(SCHRIFT_SYMBOL, HOEHE_SYMBOL) {}
