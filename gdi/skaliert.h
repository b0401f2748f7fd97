// Pixels of a 96-DPI design at another resolution. One rule for every size
// the programs measure in pixels (layout, fonts, discs, tolerances), so that
// at 96 DPI every size stays exactly what it was.
#pragma once

#include <cstdint>

// The resolution every pixel size in the sources is given for.
constexpr int32_t STANDARD_DPI = 96;

// wert (pixels at 96 DPI) at dpi, rounded half away from zero as MulDiv
// rounds it; dpi 96 gives wert itself.
constexpr int32_t skaliert(int32_t wert, int32_t dpi) {
    const int64_t p = static_cast<int64_t>(wert) * dpi;
    return static_cast<int32_t>(p >= 0 ? (p + STANDARD_DPI / 2) / STANDARD_DPI
                                       : -((-p + STANDARD_DPI / 2) / STANDARD_DPI));
}
