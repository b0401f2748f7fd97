#include "utf8.h"

#include <cstdint>

namespace {

// Windows-1252 bytes 0x80..0x9F and their code points; 0 where the code page
// has no character.
constexpr uint16_t OBERE_STEUERZEICHEN[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char zeichen_1252(uint32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<char>(zeichen);
    for (int i = 0; i < 32; ++i)
        if (OBERE_STEUERZEICHEN[i] != 0 && OBERE_STEUERZEICHEN[i] == zeichen)
            return static_cast<char>(0x80 + i);
    return '?';
}

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

bool utf8_nach_1252(const char* text, size_t laenge, char* ziel, size_t groesse) {
    bool mehrbyte = false;
    uint32_t zeichen;
    for (size_t i = 0, n; i < laenge; i += n) {
        n = utf8_zeichen(text, laenge, i, zeichen);
        if (n == 0) return false;
        mehrbyte = mehrbyte || n > 1;
    }
    if (!mehrbyte || groesse == 0) return false;
    size_t geschrieben = 0;
    for (size_t i = 0, n; i < laenge && geschrieben + 1 < groesse; i += n) {
        n = utf8_zeichen(text, laenge, i, zeichen);
        ziel[geschrieben++] = zeichen_1252(zeichen);
    }
    ziel[geschrieben] = '\0';
    return true;
}

bool utf8_anhaengen(uint32_t zeichen, char* ziel, size_t groesse, size_t& laenge) {
    const size_t n = zeichen < 0x80 ? 1 : (zeichen < 0x800 ? 2 : 3);
    if (groesse == 0 || laenge + n >= groesse) return false;
    if (n == 1) {
        ziel[laenge++] = static_cast<char>(zeichen);
    } else if (n == 2) {
        ziel[laenge++] = static_cast<char>(0xC0 | (zeichen >> 6));
        ziel[laenge++] = static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {
        ziel[laenge++] = static_cast<char>(0xE0 | ((zeichen >> 12) & 0x0F));
        ziel[laenge++] = static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
        ziel[laenge++] = static_cast<char>(0x80 | (zeichen & 0x3F));
    }
    ziel[laenge] = '\0';
    return true;
}

void utf8_aus_1252(const char* text, char* ziel, size_t groesse) {
    if (groesse == 0) return;
    size_t laenge = 0;
    ziel[0] = '\0';
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        uint32_t zeichen = *p;
        if (zeichen >= 0x80 && zeichen <= 0x9F) zeichen = OBERE_STEUERZEICHEN[zeichen - 0x80];
        if (!utf8_anhaengen(zeichen ? zeichen : '?', ziel, groesse, laenge)) return;
    }
}
