#include "gemeinsam/geraetename.h"

#include <cctype>
#include <cstring>

namespace {

const char* const GERAETE[] = {"CON", "PRN", "AUX", "NUL"};

bool gleich(const char* name, size_t laenge, const char* geraet) {
    if (laenge != strlen(geraet)) return false;
    for (size_t i = 0; i < laenge; ++i)
        if (toupper(static_cast<unsigned char>(name[i])) != geraet[i]) return false;
    return true;
}

// COM and LPT take a digit 1..9 or, in Windows-1252, a superscript 1, 2 or 3.
bool nummeriert(const char* name, size_t laenge) {
    if (laenge != 4 || !(gleich(name, 3, "COM") || gleich(name, 3, "LPT"))) return false;
    const unsigned char ziffer = static_cast<unsigned char>(name[3]);
    return (ziffer >= '1' && ziffer <= '9') || ziffer == 0xB9 || ziffer == 0xB2 || ziffer == 0xB3;
}

}  // namespace

bool geraetename(const char* pfad) {
    if (!pfad) return false;
    const char* name = pfad;
    for (const char* p = pfad; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    size_t laenge = strcspn(name, ".");
    while (laenge > 0 && name[laenge - 1] == ' ') --laenge;
    for (const char* geraet : GERAETE)
        if (gleich(name, laenge, geraet)) return true;
    return nummeriert(name, laenge);
}
