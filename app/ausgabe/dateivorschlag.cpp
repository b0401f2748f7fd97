#include "ausgabe/dateivorschlag.h"

#include <cstdio>
#include <cstring>

namespace {

bool verboten(unsigned char c) {
    return c < 32 || std::strchr("\\/:*?\"<>|", c) != nullptr;
}

// Copies the place into ziel (groesse bytes, at least 1) with its forbidden
// characters replaced and no trailing blanks or dots, cut to fit.
void ort_saeubern(char* ziel, size_t groesse, const char* ort) {
    size_t n = 0;
    for (; ort[n] != '\0' && n + 1 < groesse; ++n)
        ziel[n] = verboten(static_cast<unsigned char>(ort[n])) ? '-' : ort[n];
    while (n > 0 && (ziel[n - 1] == ' ' || ziel[n - 1] == '.')) --n;
    ziel[n] = '\0';
}

}  // namespace

int32_t filter_bilden(char* ziel, size_t groesse, const Dateityp& typ) {
    // snprintf writes the NULs given as characters like any other and counts
    // them; its own terminator after them is the closing NUL.
    const int n = snprintf(ziel, groesse, "%s%c*.%s%c", typ.beschreibung, '\0', typ.endung, '\0');
    if (n < 0 || static_cast<size_t>(n) >= groesse) {
        if (groesse > 0) ziel[0] = '\0';
        return -1;
    }
    return 0;
}

void kartenname(char* ziel, size_t groesse, const Moment& moment, const char* ort, const char* endung) {
    if (groesse == 0) return;
    char stamm[96];
    snprintf(stamm, sizeof stamm, "Sternkarte %04d-%02d-%02d %02d-%02d", moment.datum.jahr,
             moment.datum.monat, moment.datum.tag, moment.zeit.stunde, moment.zeit.minute);
    const size_t fest = strlen(stamm) + 1 + strlen(endung);  // the stem, the dot, the ending
    if (fest + 1 > groesse) {
        ziel[0] = '\0';
        return;
    }
    // The blank and the place in what is left beside the NUL: frei bytes, so
    // the place has frei - 1 characters at most.
    char platz[256] = "";
    const size_t frei = groesse - fest - 1;
    if (ort && ort[0] != '\0' && frei >= 2) ort_saeubern(platz, frei < sizeof platz ? frei : sizeof platz, ort);
    snprintf(ziel, groesse, "%s%s%s.%s", stamm, platz[0] ? " " : "", platz, endung);
}

Speicherordner::Speicherordner(const char* bilder_ordner) {
    const int n = snprintf(bilder, sizeof bilder, "%s", bilder_ordner ? bilder_ordner : "");
    if (n < 0 || static_cast<size_t>(n) >= sizeof bilder) bilder[0] = '\0';
}

void Speicherordner::merken(const char* pfad) {
    const char* ende = nullptr;
    for (const char* p = pfad; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/') ende = p;
    if (!ende) return;
    // "C:\x.bmp" keeps "C:\": a drive without its separator is the drive's
    // current folder, not its root.
    size_t n = static_cast<size_t>(ende - pfad);
    if (n == 0 || pfad[n - 1] == ':') ++n;
    if (n >= sizeof letzter) return;
    memcpy(letzter, pfad, n);
    letzter[n] = '\0';
}
