// The system's screen-saver switches: /s run, /p or /l <host> preview,
// /c [<parent>] configure, /a <parent> change password; '-' serves as well
// as '/', and only the first letter counts (/save is /s).
#include "befehlszeile.h"

#include <cctype>
#include <cstring>

namespace {

const char* programm_name_ueberspringen(const char* p) {
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
    } else {
        while (*p && *p != ' ') ++p;
    }
    return *p ? p + 1 : p;
}

const char* ueberspringen(const char* p, const char* zeichen) {
    while (*p && std::strchr(zeichen, *p)) ++p;
    return p;
}

// A window handle: leading white space, an optional sign, decimal digits
// (what follows them is ignored); none gives 0. A handle has 32 significant
// bits, sign-extended on 64-bit Windows, and is given either way, so a number
// in -2^31 .. 2^32 - 1 is taken by its low 32 bits; any other, whatever its
// length, names no window and gives 0.
intptr_t zahl(const char* p) {
    while (std::isspace(static_cast<unsigned char>(*p))) ++p;
    const bool negativ = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    int64_t betrag = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        betrag = betrag * 10 + (*p - '0');
        if (betrag > INT64_C(0xFFFFFFFF)) return 0;
    }
    if (negativ && betrag > INT64_C(0x80000000)) return 0;
    const uint32_t bits = static_cast<uint32_t>(negativ ? -betrag : betrag);
    return static_cast<intptr_t>(static_cast<int32_t>(bits));
}

}  // namespace

ScrBefehl ScrBefehlZerlegen(const char* befehlszeile) {
    ScrBefehl b{KEIN, 0, 0};
    const char* p = ueberspringen(programm_name_ueberspringen(befehlszeile), " ");
    if (!*p) {
        b.modus = EINSTELLEN;
        return b;
    }
    if (*p == '-' || *p == '/') ++p;
    switch (*p) {
        case 'p': case 'P': case 'l': case 'L':
            b.modus = VORSCHAU;
            b.eltern = zahl(ueberspringen(p + 1, " :"));
            break;
        case 's': case 'S':
            b.modus = SCHONER;
            break;
        case 'c': case 'C':
            b.modus = EINSTELLEN;
            p = ueberspringen(p + 1, " :");
            if (*p) {
                b.eltern = zahl(p);
            } else {
                b.vordergrund = 1;
            }
            break;
        case 'a': case 'A':
            b.modus = PASSWORT;
            b.eltern = zahl(ueberspringen(p + 1, " :"));
            break;
        default:
            break;
    }
    return b;
}
