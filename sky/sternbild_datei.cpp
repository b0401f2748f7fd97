// Loading the constellation file: a name line, the figure as pairs of star
// numbers up to a terminating item, and a line end, per constellation.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "breit.h"
#include "datei_befund.h"
#include "himmel.h"
#include "oem.h"
#include "zeile.h"

namespace {
// A star reference as a figure line stores it: class and position, or -1.
struct Bezug {
    int16_t klasse, index;
};

// Star number to star reference for the whole catalogue, so that resolving a
// figure line is one look-up. The first star in catalogue order wins.
class Verzeichnis {
public:
    explicit Verzeichnis(const Himmel& h) {
        std::memset(bezug, 0xFF, sizeof bezug);  // every byte 0xFF: both members -1
        for (int k = 0; k < KLASSEN; ++k)
            for (int32_t i = 0; i < h.anzahl[k] && i <= INT16_MAX; ++i) {
                const int32_t n = h.stern_saetze[k][i].nummer;
                if (nummer_gueltig(n) && bezug[n].klasse < 0)
                    bezug[n] = Bezug{static_cast<int16_t>(k), static_cast<int16_t>(i)};
            }
    }
    Bezug finden(int32_t nummer) const {
        return nummer_gueltig(nummer) ? bezug[nummer] : Bezug{-1, -1};
    }

private:
    Bezug bezug[STERN_NUMMERN];
};

// One 4-byte figure item: the star numbers of the two ends of a line.
struct Posten {
    int16_t a, b;
};

bool posten_lesen(std::FILE* datei, Posten& p) {
    return std::fread(&p, sizeof p, 1, datei) == 1;
}

// A figure as the first pass finds it: its items before the terminating one
// (first number 0 or negative), whether that one was read, and whether every
// item names two star numbers 1..9999.
struct Figur {
    int64_t posten = 0;
    bool beendet = false;
    bool gueltig = true;
};

Figur figur_zaehlen(std::FILE* datei) {
    Figur f;
    Posten p;
    while (posten_lesen(datei, p)) {
        if (p.a <= 0) {
            f.beendet = true;
            break;
        }
        ++f.posten;
        if (!nummer_gueltig(p.a) || !nummer_gueltig(p.b)) f.gueltig = false;
    }
    return f;
}

bool zeilenende_lesen(std::FILE* datei) {
    char ende[ZEILENENDE_PUFFER];
    return zeile_lesen(datei, ende, ZEILENENDE_PUFFER);
}

// A decimal number field; absent or not finite counts as 0.
double zahl(const char* feld) {
    if (!feld_vorhanden(feld)) return 0.0;
    const double wert = std::strtod(feld, nullptr);
    return std::isfinite(wert) ? wert : 0.0;
}

// The label point of a name line within 0..24 hours and -90..+90 degrees.
bool beschriftung_gueltig(char* zeile) {
    char* rest = zeile;
    for (int feld = 0; feld < 3; ++feld) naechstes_feld(rest);
    const double rekt = zahl(naechstes_feld(rest));
    const double dekl = zahl(naechstes_feld(rest));
    return rekt >= 0.0 && rekt <= 24.0 && dekl >= -90.0 && dekl <= 90.0;
}

// Abbreviation, names and label point from the name line.
void kopf_lesen(SternbildSatz& s, char* zeile) {
    char* rest = zeile;
    const char* abk = naechstes_feld(rest);
    const char* name = naechstes_feld(rest);
    char* zweitname = naechstes_feld(rest);
    const char* rekt = naechstes_feld(rest);
    const char* dekl = naechstes_feld(rest);
    if (feld_vorhanden(abk)) std::snprintf(s.abk, sizeof s.abk, "%.3s", abk);
    s.name = feld_kopie(name);
    if (feld_vorhanden(zweitname)) oem_nach_ansi(zweitname);
    s.zweitname = feld_kopie(zweitname);
    s.ort = einheitsvektor(zahl(rekt), zahl(dekl));
}

// First pass over at most STERNBILDER_MAX entries (more are ignored): the
// figure items of each into posten, the entries into gezaehlt; 0, or what is
// wrong with the file.
int32_t zaehlen(std::FILE* datei, int64_t* posten, int32_t& gezaehlt) {
    char zeile[ZEILE_PUFFER];
    while (gezaehlt < STERNBILDER_MAX && zeile_lesen(datei, zeile, ZEILE_PUFFER)) {
        const Figur f = figur_zaehlen(datei);
        if (!f.beendet || !zeilenende_lesen(datei)) return DATEI_ABGESCHNITTEN;
        if (!f.gueltig || !beschriftung_gueltig(zeile)) return DATEI_WERT_FALSCH;
        posten[gezaehlt++] = f.posten;
    }
    return gezaehlt > 0 ? 0 : DATEI_LEER;
}

// Figure lines, all ends unresolved; none when memory cannot be had.
void linien_anlegen(SternbildSatz& s, int64_t posten) {
    const int16_t n = static_cast<int16_t>(posten < INT16_MAX ? posten : INT16_MAX);
    s.linien = n > 0 ? new (std::nothrow) Linie[n] : nullptr;
    s.linien_anzahl = s.linien != nullptr ? n : 0;
    for (int16_t i = 0; i < s.linien_anzahl; ++i) s.linien[i] = Linie{-1, -1, -1, -1};
}
}  // namespace

int32_t Himmel::sternbild_datei_laden(const char* path) {
    std::FILE* datei = datei_oeffnen(path, "rb");
    if (datei == nullptr) return -1;
    const int32_t ergebnis = sternbilder_lesen(datei);
    std::fclose(datei);
    return ergebnis;
}

int32_t Himmel::sternbilder_lesen(std::FILE* datei) {
    sternbilder_freigeben();

    // First pass: count the entries and the figure items of each.
    int64_t posten[STERNBILDER_MAX];
    int32_t gezaehlt = 0;
    const int32_t befund = zaehlen(datei, posten, gezaehlt);
    if (befund != 0) return befund;

    sternbilder = gezaehlt > 0 ? new (std::nothrow) SternbildSatz[gezaehlt]() : nullptr;
    if (sternbilder == nullptr) gezaehlt = 0;
    sternbild_anzahl = gezaehlt;
    for (int32_t i = 0; i < sternbild_anzahl; ++i) linien_anlegen(sternbilder[i], posten[i]);

    // Second pass: read each counted entry again and resolve its figure.
    const Verzeichnis verzeichnis(*this);
    std::rewind(datei);
    char zeile[ZEILE_PUFFER];
    for (int32_t i = 0; i < sternbild_anzahl; ++i) {
        SternbildSatz& s = sternbilder[i];
        if (!zeile_lesen(datei, zeile, ZEILE_PUFFER)) break;
        kopf_lesen(s, zeile);
        Posten p;
        for (int64_t j = 0; j < posten[i] && posten_lesen(datei, p); ++j) {
            if (j >= s.linien_anzahl) continue;  // beyond what int16 can count
            const Bezug a = verzeichnis.finden(p.a);
            const Bezug b = verzeichnis.finden(p.b);
            s.linien[j] = Linie{a.klasse, a.index, b.klasse, b.index};
        }
        if (!posten_lesen(datei, p) || !zeilenende_lesen(datei)) break;
    }
    return 0;
}

void Himmel::figuren_loesen() {
    for (int32_t i = 0; i < sternbild_anzahl; ++i)
        for (int16_t j = 0; j < sternbilder[i].linien_anzahl; ++j)
            sternbilder[i].linien[j] = Linie{-1, -1, -1, -1};
}
