#include "breit.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The next code point of UTF-8 at p (advanced past it), or -1 for bytes that
// are no UTF-8 (overlong forms, surrogates and values beyond U+10FFFF too).
int32_t zeichen_lesen(const unsigned char*& p) {
    const unsigned char b = *p++;
    if (b < 0x80) return b;
    int32_t folge, wert, kleinster;
    if ((b & 0xE0) == 0xC0) { folge = 1; wert = b & 0x1F; kleinster = 0x80; }
    else if ((b & 0xF0) == 0xE0) { folge = 2; wert = b & 0x0F; kleinster = 0x800; }
    else if ((b & 0xF8) == 0xF0) { folge = 3; wert = b & 0x07; kleinster = 0x10000; }
    else return -1;
    for (int32_t i = 0; i < folge; ++i) {
        if ((*p & 0xC0) != 0x80) return -1;
        wert = (wert << 6) | (*p++ & 0x3F);
    }
    if (wert < kleinster || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) return -1;
    return wert;
}

// Appends the code point c as one or two UTF-16 units at ziel[n], leaving room
// for the end; false when they do not fit.
bool anhaengen(int32_t c, wchar_t* ziel, size_t& n, size_t zeichen) {
    const size_t einheiten = c >= 0x10000 ? 2 : 1;
    if (n + einheiten >= zeichen) return false;
    if (c >= 0x10000) {
        ziel[n++] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        ziel[n++] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        ziel[n++] = static_cast<wchar_t>(c);
    }
    return true;
}

}  // namespace

bool pfad_breit(const char* text, wchar_t* ziel, size_t zeichen) {
    if (!ziel || zeichen == 0) return false;
    ziel[0] = L'\0';
    if (!text) return false;
    size_t n = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p;) {
        const int32_t c = zeichen_lesen(p);
        if (c < 0 || !anhaengen(c, ziel, n, zeichen)) {
            ziel[0] = L'\0';
            return false;
        }
    }
    ziel[n] = L'\0';
    return true;
}

namespace {

// The code point of the UTF-16 units at p (advanced past them), or -1 for
// half a surrogate pair.
int32_t einheit_lesen(const wchar_t*& p) {
    const int32_t c = static_cast<int32_t>(*p++) & 0xFFFF;  // wchar_t is wider natively
    if (c >= 0xDC00 && c <= 0xDFFF) return -1;
    if (c < 0xD800 || c > 0xDBFF) return c;
    const int32_t tief = static_cast<int32_t>(*p) & 0xFFFF;
    if (tief < 0xDC00 || tief > 0xDFFF) return -1;
    ++p;
    return 0x10000 + ((c - 0xD800) << 10) + (tief - 0xDC00);
}

}  // namespace

bool pfad_schmal(const wchar_t* text, char* ziel, size_t groesse) {
    if (!ziel || groesse == 0) return false;
    ziel[0] = '\0';
    if (!text) return false;
    size_t n = 0;
    for (const wchar_t* p = text; *p;) {
        const int32_t c = einheit_lesen(p);
        const size_t folge = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;  // continuation bytes
        if (c < 0 || n + folge + 1 >= groesse) {
            ziel[0] = '\0';
            return false;
        }
        static const unsigned char KOPF[4] = {0x00, 0xC0, 0xE0, 0xF0};
        ziel[n++] = static_cast<char>(KOPF[folge] | (c >> (6 * folge)));
        for (size_t i = folge; i-- > 0;) ziel[n++] = static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
    }
    ziel[n] = '\0';
    return true;
}

namespace {

// Windows-1252's characters of 0x80..0x9F; its other bytes are their own
// code points. The five it leaves free stay themselves, as Windows maps them.
constexpr uint16_t CP1252_80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

size_t text_breit(const char* text, wchar_t* ziel, size_t zeichen) {
    if (!ziel || zeichen == 0) return 0;
    const unsigned char* anfang = reinterpret_cast<const unsigned char*>(text ? text : "");
    const unsigned char* p = anfang;
    size_t n = 0;
    while (*p) {
        const unsigned char* danach = p;
        int32_t c = *p >= 0x80 ? zeichen_lesen(danach) : -1;
        if (c < 0x80) {
            c = *p >= 0x80 && *p <= 0x9F ? CP1252_80[*p - 0x80] : *p;
            danach = p + 1;
        }
        if (!anhaengen(c, ziel, n, zeichen)) break;
        p = danach;
    }
    ziel[n] = L'\0';
    return static_cast<size_t>(p - anfang);
}

std::FILE* datei_oeffnen(const char* pfad, const char* modus) {
#ifdef _WIN32
    wchar_t breit[BREIT_PFAD];
    wchar_t breiter_modus[8];
    if (!pfad_breit(pfad, breit, BREIT_PFAD) || !pfad_breit(modus, breiter_modus, 8)) return nullptr;
    return _wfopen(breit, breiter_modus);
#else
    return pfad ? std::fopen(pfad, modus) : nullptr;
#endif
}

#ifdef _WIN32
uint32_t datei_attribute(const char* pfad) {
    wchar_t breit[BREIT_PFAD];
    return pfad_breit(pfad, breit, BREIT_PFAD) ? GetFileAttributesW(breit) : INVALID_FILE_ATTRIBUTES;
}

bool voller_pfad(const char* pfad, char* ziel, size_t groesse) {
    wchar_t breit[BREIT_PFAD];
    wchar_t voll[BREIT_PFAD];
    if (groesse > 0) ziel[0] = '\0';
    if (!pfad_breit(pfad, breit, BREIT_PFAD)) return false;
    const DWORD n = GetFullPathNameW(breit, BREIT_PFAD, voll, nullptr);
    return n > 0 && n < BREIT_PFAD && pfad_schmal(voll, ziel, groesse);
}
#endif
