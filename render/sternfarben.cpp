#include "sternfarben.h"

#include <algorithm>

namespace {

constexpr char KLASSEN_FOLGE[] = {'O', 'B', 'A', 'F', 'G', 'K', 'M'};
constexpr int32_t UNBEKANNT_AUF_SCHIRM = 4;  // unknown classes are drawn as F
// The last of a family's ten entries: fainter stars stay on it instead of
// stepping into the next family's colours (or past the 256 entries).
constexpr int32_t LETZTE_STUFE = 9;

// Printed fill colours 0x00BBGGRR of the families, unknown first.
constexpr uint32_t DRUCK_FARBEN[] = {
    0x007F7F7F,  // unknown: grey
    0x00FFF0E0, 0x00FFE0C0, 0x00FFD0A0, 0x00FFFFFF, 0x00E0FAFF, 0x00C4E0FF, 0x009090FF,
};

int32_t basis(char spektrum) {
    const int32_t f = farbfamilie(spektrum);
    return 10 * (f ? f : UNBEKANNT_AUF_SCHIRM);
}

}  // namespace

int32_t farbfamilie(char spektrum) {
    for (int32_t i = 0; i < 7; ++i)
        if (KLASSEN_FOLGE[i] == spektrum) return i + 1;
    return 0;
}

int32_t karten_farbindex(char spektrum, int32_t helligkeit) {
    const int32_t stufe = helligkeit >= 550 ? (helligkeit - 550) / 100 : 0;
    return basis(spektrum) + std::min(stufe, LETZTE_STUFE);
}

int32_t uebersicht_farbindex(char spektrum, int32_t helligkeit) {
    const int32_t b = basis(spektrum);
    if (helligkeit < 500) return b;
    const auto index = static_cast<int32_t>(b + (helligkeit - 500) * 0.01);
    return std::min(index, b + LETZTE_STUFE);
}

uint32_t druck_farbe(char spektrum) {
    return DRUCK_FARBEN[farbfamilie(spektrum)];
}
