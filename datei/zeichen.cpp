#include "zeichen.h"

namespace {

// Windows-1252's characters of 0x80..0x9F; its other bytes are their own
// code points.
constexpr uint16_t CP1252_80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

size_t utf8_zeichen(const char* text_bytes, size_t laenge, size_t i, uint32_t& zeichen) {
    const auto* text = reinterpret_cast<const unsigned char*>(text_bytes);
    const unsigned char b = text[i];
    size_t n;
    uint32_t kleinstes;
    if (b < 0x80) {
        zeichen = b;
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        n = 2, kleinstes = 0x80, zeichen = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3, kleinstes = 0x800, zeichen = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4, kleinstes = 0x10000, zeichen = b & 0x07;
    } else {
        return 0;
    }
    if (laenge - i < n) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((text[i + k] & 0xC0) != 0x80) return 0;
        zeichen = (zeichen << 6) | (text[i + k] & 0x3F);
    }
    if (zeichen < kleinstes || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) return 0;
    return n;
}

uint32_t zeichen_aus_1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? CP1252_80[byte - 0x80] : byte;
}
