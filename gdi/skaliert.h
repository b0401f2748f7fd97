// Pixel sizes for a screen's dots per inch: every size the chart and its
// pointing measure in pixels is given for 96 dots per inch (100 %) and grows
// with the screen's, so that a star, a line or a letter keeps its apparent
// size. Portable; header only.
#pragma once

#include <cstdint>

constexpr int32_t DPI_NORMAL = 96;    // 100 %: the sizes as given
constexpr int32_t DPI_GROESSTE = 480; // 500 %, the most Windows offers

// dpi held to DPI_NORMAL..DPI_GROESSTE: a value from the system or a message
// is range-checked before any size is scaled with it.
constexpr int32_t dpi_begrenzt(int32_t dpi) {
    return dpi < DPI_NORMAL ? DPI_NORMAL : dpi > DPI_GROESSTE ? DPI_GROESSTE : dpi;
}

// wert (pixels at 96 dots per inch) at dpi, rounded half away from zero as
// MulDiv(wert, dpi, 96) does; at 96 wert itself.
constexpr int32_t skaliert(int32_t wert, int32_t dpi) {
    const int64_t p = int64_t{wert} * dpi;
    return static_cast<int32_t>(p >= 0 ? (p + DPI_NORMAL / 2) / DPI_NORMAL
                                       : -((-p + DPI_NORMAL / 2) / DPI_NORMAL));
}
