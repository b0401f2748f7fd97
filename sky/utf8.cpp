#include "utf8.h"

#include <cstdint>

char zeichen_1252(uint32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<char>(zeichen);
    for (unsigned wert = 0x80; wert <= 0x9F; ++wert) {
        const auto byte = static_cast<unsigned char>(wert);
        if (!frei_in_1252(byte) && zeichen_aus_1252(byte) == zeichen) return static_cast<char>(byte);
    }
    return '?';
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
        const uint32_t zeichen = frei_in_1252(*p) ? '?' : zeichen_aus_1252(*p);
        if (!utf8_anhaengen(zeichen, ziel, groesse, laenge)) return;
    }
}
