#include "bedienfeld/orte.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "namensvergleich.h"
#include "gemeinsam/pfad.h"
#include "utf8.h"

namespace {

const char TRENNER[] = ";\r\n";
constexpr size_t ZEILE = 256;        // longer lines keep their first 255 characters
constexpr int32_t MAX_BREITE = 8999; // hundredths; the declination bar ends there
constexpr double MAX_LAENGE = 180.0;  // degrees east or west
const char BOM[] = "\xEF\xBB\xBF";     // the UTF-8 byte-order mark

// Degrees to hundredths truncated toward zero. The decimal text rarely has
// an exact binary value (37.98 is stored as 37.97999...), so a millionth of a
// hundredth is added in the direction of the sign before truncating, which
// gives back the written hundredths.
int32_t hundertstel(double grad) {
    return static_cast<int32_t>(grad * 100.0 + (grad < 0 ? -1e-6 : 1e-6));
}

// A latitude strictly inside -90..90 in hundredths, held to the bar's ends.
int32_t breite_hundertstel(double breite) {
    const int32_t h = hundertstel(breite);
    return h > MAX_BREITE ? MAX_BREITE : h < -MAX_BREITE ? -MAX_BREITE : h;
}

// The number of the field text[0..laenge), at most 31 characters of it
// (digits beyond cannot change hundredths); a text that is no number reads as 0.
double feld_zahl(const char* text, size_t laenge) {
    char zahl_text[32];
    snprintf(zahl_text, sizeof zahl_text, "%.*s", static_cast<int>(laenge), text);
    return strtod(zahl_text, nullptr);
}

// The third field of a line, from the end of the second: its longitude in
// hundredths, 0 when there is none or it lies outside -180..180.
int32_t laenge_lesen(const char* rest) {
    rest += strspn(rest, TRENNER);
    const size_t laenge = strcspn(rest, TRENNER);
    if (laenge == 0) return 0;
    const double grad = feld_zahl(rest, laenge);
    if (!(grad >= -MAX_LAENGE && grad <= MAX_LAENGE)) return 0;  // also NaN
    return hundertstel(grad);
}

// The name field into the place: UTF-8 as Windows-1252, other bytes as they
// are, cut to MAX_ORTSNAME characters.
void name_kopieren(Ort& ort, const char* name, size_t laenge) {
    if (!utf8_nach_1252(name, laenge, ort.name, sizeof ort.name))
        snprintf(ort.name, sizeof ort.name, "%.*s", static_cast<int>(laenge), name);
}

// One line into zeile (at most groesse - 1 bytes, its LF left out). The rest
// of an over-long line, and the rest of a line from a NUL byte on, belong to
// that line and are dropped. False at the end of the file; gelesen counts
// the bytes taken from the file.
bool ortszeile_lesen(FILE* datei, char* zeile, size_t groesse, size_t& gelesen) {
    size_t n = 0;
    bool text = true, etwas = false;
    int c;
    while ((c = getc(datei)) != EOF) {
        etwas = true;
        ++gelesen;
        if (c == '\n') break;
        if (c == '\0') text = false;
        if (text && n + 1 < groesse) zeile[n++] = static_cast<char>(c);
    }
    zeile[n] = '\0';
    return etwas;
}

}  // namespace

Orte::~Orte() {
    free(liste);
}

const Ort* Orte::ort(int32_t index) const {
    return index >= 0 && index < zahl ? &liste[index] : nullptr;
}

int32_t Orte::anhaengen(const Ort& ort) {
    if (zahl == platz) {
        const int32_t neu = platz ? 2 * platz : 64;
        Ort* l = static_cast<Ort*>(realloc(liste, static_cast<size_t>(neu) * sizeof(Ort)));
        if (!l) return -1;
        liste = l;
        platz = neu;
    }
    liste[zahl++] = ort;
    return 0;
}

void Orte::leeren() {
    free(liste);
    liste = nullptr;
    zahl = platz = 0;
}

int32_t ort_lesen(const char* zeile, Ort& ort) {
    const char* name = zeile + strspn(zeile, TRENNER);
    const size_t name_laenge = strcspn(name, TRENNER);
    const char* feld = name + name_laenge;
    feld += strspn(feld, TRENNER);
    const size_t feld_laenge = strcspn(feld, TRENNER);
    if (name_laenge == 0 || feld_laenge == 0) return -1;

    double breite = feld_zahl(feld, feld_laenge);
    if (breite == 90.0) breite = 89.99;
    if (breite == -90.0) breite = -89.99;
    if (!(breite > -90.0 && breite < 90.0)) return -1;  // also NaN

    name_kopieren(ort, name, name_laenge);
    ort.breite = breite_hundertstel(breite);
    ort.laenge = laenge_lesen(feld + feld_laenge);
    return 0;
}

int32_t ort_index(const Orte& orte, const char* name) {
    for (int32_t i = 0; i < orte.anzahl(); ++i)
        if (namen_gleich(orte.ort(i)->name, name)) return i;
    return -1;
}

int32_t orte_laden(const char* verzeichnis, Orte& orte) {
    orte.leeren();
    char pfad[PFAD_LAENGE];
    if (pfad_bilden(pfad, sizeof pfad, verzeichnis, "Orte.dat") != 0) return -1;
    FILE* datei = datei_oeffnen(pfad, "rb");
    if (!datei) return -1;
    const int32_t ergebnis = orte_lesen(datei, orte);
    fclose(datei);
    return ergebnis;
}

int32_t orte_lesen(FILE* datei, Orte& orte) {
    orte.leeren();
    char zeile[ZEILE];
    size_t gelesen = 0;
    for (bool erste = true; ortszeile_lesen(datei, zeile, sizeof zeile, gelesen); erste = false) {
        if (gelesen > ORTE_BYTES_MAX) return ORTE_GEKUERZT;
        const char* text = erste && strncmp(zeile, BOM, 3) == 0 ? zeile + 3 : zeile;
        Ort ort;
        if (ort_lesen(text, ort) != 0) continue;
        if (orte.anzahl() == ORTE_MAX) return ORTE_GEKUERZT;
        if (orte.anhaengen(ort) != 0) break;  // out of memory: keep what fits
    }
    return 0;
}

int32_t zonen_laden(const char* verzeichnis, Zonen& zonen) {
    zonen.leeren();
    char pfad[PFAD_LAENGE];
    if (pfad_bilden(pfad, sizeof pfad, verzeichnis, "Zonen.dat") != 0) return ZEIT_DATEI;
    FILE* datei = datei_oeffnen(pfad, "rb");
    if (!datei) return ZEIT_DATEI;
    const int32_t ergebnis = zonen_lesen(datei, zonen);
    fclose(datei);
    return ergebnis;
}
