// Loading the star catalogue: 24-byte records, each followed by a name line.
#include <cstdint>
#include <cstdio>
#include <new>

#include "himmel.h"
#include "zeile.h"

namespace {
struct Eintrag {
    SternSatz satz;
    char zeile[ZEILE_PUFFER];
};

// One record and its name line; false at the end of the file or when the
// record is cut short or no line follows it.
bool eintrag_lesen(std::FILE* datei, Eintrag& e) {
    if (std::fread(&e.satz, STERN_SATZ_BYTES, 1, datei) != 1) return false;
    return zeile_lesen(datei, e.zeile, ZEILE_PUFFER);
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

template <typename T>
T* feld_anlegen(int32_t anzahl) {
    return anzahl > 0 ? new (std::nothrow) T[anzahl] : nullptr;
}
}  // namespace

int32_t Himmel::stern_datei_laden(const char* path) {
    std::FILE* datei = std::fopen(path, "rb");
    if (datei == nullptr) return -1;
    sterne_lesen(datei);
    std::fclose(datei);
    return 0;
}

int32_t Himmel::sterne_lesen(std::FILE* datei) {
    sterne_freigeben();
    figuren_loesen();

    Eintrag e;
    while (eintrag_lesen(datei, e)) {
        const int32_t k = klasse_von(e.satz.helligkeit);
        if (ladbar(e) && anzahl[k] < INT32_MAX) ++anzahl[k];
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
    while (eintrag_lesen(datei, e)) {
        const int32_t k = klasse_von(e.satz.helligkeit);
        if (!ladbar(e) || gefuellt[k] >= anzahl[k]) continue;
        const int32_t i = gefuellt[k]++;
        SternSatz& s = stern_saetze[k][i];
        s = e.satz;
        s.bezeichnung[sizeof s.bezeichnung - 1] = '\0';  // the designation is always a string
        char* rest = e.zeile;
        s.eigenname = feld_kopie(naechstes_feld(rest));
        vektoren[k][i] = richtung(s);
        polar[k][i] = PolarPos{0.0f, -1.0f};
    }
    // A file that shrank between the passes leaves fewer stars.
    for (int k = 0; k < KLASSEN; ++k) anzahl[k] = gefuellt[k];
    return 0;
}
