// Loading the star catalogue: 24-byte records, each followed by a name line.
#include <cstdint>
#include <cstdio>
#include <new>

#include "breit.h"
#include "datei_befund.h"
#include "himmel.h"
#include "zeile.h"

namespace {
struct Eintrag {
    SternSatz satz;
    char zeile[ZEILE_PUFFER];
};

enum class Gelesen { EINTRAG, ENDE, ABGESCHNITTEN };

// One record and its name line. A record cut short, or one that no line
// follows, is ABGESCHNITTEN; the last line may lack its line end.
Gelesen eintrag_lesen(std::FILE* datei, Eintrag& e) {
    const size_t bytes = std::fread(&e.satz, 1, STERN_SATZ_BYTES, datei);
    if (bytes == 0) return Gelesen::ENDE;
    if (bytes < STERN_SATZ_BYTES || !zeile_lesen(datei, e.zeile, ZEILE_PUFFER))
        return Gelesen::ABGESCHNITTEN;
    return Gelesen::EINTRAG;
}

// The position fields within their ranges (stern.h); the sign byte and the
// magnitude take any value.
bool ort_gueltig(const SternSatz& s) {
    return s.rekt_h >= 0 && s.rekt_h <= 23 && s.rekt_m >= 0 && s.rekt_m <= 59 &&
           s.rekt_s >= 0 && s.rekt_s <= 59 && s.rekt_z >= 0 && s.rekt_z <= 9 &&
           s.dekl_g >= 0 && s.dekl_g <= 90 && s.dekl_m >= 0 && s.dekl_m <= 59 &&
           s.dekl_s >= 0 && s.dekl_s <= 59;
}

// Only a number 1..9999 may index the per-number tables: other records are
// not loaded at all.
bool ladbar(const Eintrag& e) {
    return nummer_gueltig(e.satz.nummer);
}

// The declination sign counts only in bit 7 (an ASCII minus reads as north).
Vektor3 richtung(const SternSatz& s) {
    const double rekt = s.rekt_h + s.rekt_m / 60.0 + s.rekt_s / 3600.0 + s.rekt_z / 36000.0;
    double dekl = s.dekl_g + s.dekl_m / 60.0 + s.dekl_s / 3600.0;
    if (s.dekl_vz & 0x80) dekl = -dekl;
    return einheitsvektor(rekt, dekl);
}

// First pass: the loadable stars of each class into anzahl; 0, or what is
// wrong with the file.
int32_t zaehlen(std::FILE* datei, int32_t* anzahl) {
    Eintrag e;
    Gelesen g;
    int64_t summe = 0;
    while ((g = eintrag_lesen(datei, e)) == Gelesen::EINTRAG) {
        if (!ort_gueltig(e.satz)) return DATEI_WERT_FALSCH;
        const int32_t k = klasse_von(e.satz.helligkeit);
        if (ladbar(e) && anzahl[k] < INT32_MAX) {
            ++anzahl[k];
            ++summe;
        }
    }
    if (g == Gelesen::ABGESCHNITTEN) return DATEI_ABGESCHNITTEN;
    return summe > 0 ? 0 : DATEI_LEER;
}

template <typename T>
T* feld_anlegen(int32_t anzahl) {
    return anzahl > 0 ? new (std::nothrow) T[anzahl] : nullptr;
}
}  // namespace

int32_t Himmel::stern_datei_laden(const char* path) {
    std::FILE* datei = datei_oeffnen(path, "rb");
    if (datei == nullptr) return -1;
    const int32_t ergebnis = sterne_lesen(datei);
    std::fclose(datei);
    return ergebnis;
}

int32_t Himmel::sterne_lesen(std::FILE* datei) {
    sterne_freigeben();
    figuren_loesen();

    const int32_t befund = zaehlen(datei, anzahl);
    if (befund != 0) {
        for (int k = 0; k < KLASSEN; ++k) anzahl[k] = 0;
        return befund;
    }

    for (int k = 0; k < KLASSEN; ++k) {
        stern_saetze[k] = feld_anlegen<SternSatz>(anzahl[k]);
        vektoren[k] = feld_anlegen<Vektor3>(anzahl[k]);
        polar[k] = feld_anlegen<PolarPos>(anzahl[k]);
        // Without memory the class stays empty (it has no names yet).
        if (anzahl[k] > 0 && (!stern_saetze[k] || !vektoren[k] || !polar[k])) {
            anzahl[k] = 0;
            klasse_freigeben(k);
        }
    }

    // The fill counters never pass the first count, even if the file grew.
    int32_t gefuellt[KLASSEN] = {};
    std::rewind(datei);
    Eintrag e;
    while (eintrag_lesen(datei, e) == Gelesen::EINTRAG) {
        const int32_t k = klasse_von(e.satz.helligkeit);
        if (!ladbar(e) || gefuellt[k] >= anzahl[k]) continue;
        const int32_t i = gefuellt[k]++;
        SternSatz& s = stern_saetze[k][i];
        s = e.satz;
        s.bezeichnung[sizeof s.bezeichnung - 1] = '\0';  // the designation is always a string
        char* rest = e.zeile;
        const char* name = naechstes_feld(rest);
        s.eigenname = namen_kopie(name, naechstes_feld(rest));
        vektoren[k][i] = richtung(s);
        polar[k][i] = PolarPos{0.0f, -1.0f};
    }
    // A file that shrank between the passes leaves fewer stars.
    for (int k = 0; k < KLASSEN; ++k) anzahl[k] = gefuellt[k];
    return 0;
}
