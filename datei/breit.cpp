#include "breit.h"

#include <cstdint>
#include <cstring>

#include "zeichen.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

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
    const size_t laenge = std::strlen(text);
    for (size_t i = 0, bytes; i < laenge; i += bytes) {
        uint32_t c;
        bytes = utf8_zeichen(text, laenge, i, c);
        if (bytes == 0 || !anhaengen(static_cast<int32_t>(c), ziel, n, zeichen)) {
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

size_t text_breit(const char* text, wchar_t* ziel, size_t zeichen) {
    if (!ziel || zeichen == 0) return 0;
    const char* t = text ? text : "";
    const size_t laenge = std::strlen(t);
    size_t i = 0, n = 0;
    while (i < laenge) {
        const unsigned char byte = static_cast<unsigned char>(t[i]);
        uint32_t c = 0;
        size_t bytes = byte >= 0x80 ? utf8_zeichen(t, laenge, i, c) : 0;
        if (bytes == 0) {
            c = zeichen_aus_1252(byte);
            bytes = 1;
        }
        if (!anhaengen(static_cast<int32_t>(c), ziel, n, zeichen)) break;
        i += bytes;
    }
    ziel[n] = L'\0';
    return i;
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
