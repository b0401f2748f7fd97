// The system's screen-saver switches: /s run, /p or /l <host> preview,
// /c [<parent>] configure, /a <parent> change password; '-' serves as well
// as '/', and only the first letter counts (/save is /s).
#include <cstdlib>
#include <cstring>

#include "schale.h"

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

// Leading white space, an optional sign, decimal digits; none gives 0.
LONG_PTR zahl(const char* p) {
    return static_cast<LONG_PTR>(std::strtoll(p, nullptr, 10));
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
