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

Schrifthoehen skalierte_hoehen(const Schrifthoehen& h, int32_t dpi) {
    return {skaliert(h.text, dpi), skaliert(h.sternbild, dpi), skaliert(h.symbol, dpi)};
}

Kartenschriften::Kartenschriften(const Schrifthoehen& hoehen, int32_t dpi)
    : text(SCHRIFT_TEXT, hoehen.text), sternbild(sternbild_schrift(text, hoehen.sternbild)),
      symbol(SCHRIFT_SYMBOL, hoehen.symbol), hoehen(hoehen),
      breiten{text.beschreibung().lfWidth, sternbild.beschreibung().lfWidth, symbol.beschreibung().lfWidth} {
    dpi_setzen(dpi);
}

void Kartenschriften::dpi_setzen(int32_t dpi) {
    dpi = dpi_begrenzt(dpi);
    if (dpi == dpi_) return;
    dpi_ = dpi;
    const Schrifthoehen h = skalierte_hoehen(hoehen, dpi);
    text.setze_hoehe(h.text, skaliert(breiten[0], dpi));
    sternbild.setze_hoehe(h.sternbild, skaliert(breiten[1], dpi));
    symbol.setze_hoehe(h.symbol, skaliert(breiten[2], dpi));
}
