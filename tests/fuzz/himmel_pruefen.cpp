#include "himmel_pruefen.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "himmel.h"
#include "projektion.h"

namespace {
void pruefe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

void bezug_pruefen(const Himmel& h, int16_t klasse, int16_t index) {
    if (klasse == -1) {
        pruefe(index == -1);
        return;
    }
    pruefe(klasse >= 0 && klasse < KLASSEN && index >= 0 && index < h.anzahl[klasse]);
}

void invarianten(const Himmel& h) {
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const SternSatz& s = h.stern_saetze[k][i];
            pruefe(nummer_gueltig(s.nummer));
            pruefe(klasse_von(s.helligkeit) == k);
            pruefe(strnlen(s.bezeichnung, sizeof s.bezeichnung) < sizeof s.bezeichnung);
            pruefe(s.eigenname == nullptr || std::strlen(s.eigenname) <= 98);
        }
    pruefe(h.sternbild_anzahl >= 0 && h.sternbild_anzahl <= STERNBILDER_MAX);
    for (int32_t i = 0; i < h.sternbild_anzahl; ++i) {
        const SternbildSatz& s = h.sternbilder[i];
        pruefe(strnlen(s.abk, sizeof s.abk) < sizeof s.abk);
        pruefe(s.linien_anzahl >= 0);
        for (int16_t j = 0; j < s.linien_anzahl; ++j) {
            bezug_pruefen(h, s.linien[j].klasse_a, s.linien[j].index_a);
            bezug_pruefen(h, s.linien[j].klasse_b, s.linien[j].index_b);
        }
    }
}

// What a drawing does to the sky: every star's position, once.
void platzieren(Himmel& h) {
    std::memset(h.berechnet, 0, sizeof h.berechnet);
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const int32_t n = h.stern_saetze[k][i].nummer;
            if (h.berechnet[n] != 0) continue;
            h.polar[k][i] = h.polar_berechnen(h.vektoren[k][i]);
            h.berechnet[n] = 1;
        }
}

void texte(Himmel& h) {
    for (int32_t art = 0; art <= 8; ++art) pruefe(std::strlen(h.stern_text(art)) < TEXT_PUFFER);
    for (int32_t art = 0; art <= 4; ++art) pruefe(std::strlen(h.sternbild_text(art)) < TEXT_PUFFER);
    const char* bezeichnung = h.stern_text(2);
    if (std::strlen(bezeichnung) >= 6) {
        char abk[4] = {};
        std::memcpy(abk, bezeichnung + 3, 3);
        griechisch(abk);
    }
}

// Hit tests at the centre and at the pixels of the first stars and labels.
void suchen(Himmel& h, int32_t r) {
    h.stern_suchen(r, r, r);
    h.sternbild_suchen(r, r, r);
    texte(h);
    int32_t proben = 0;
    for (int k = 0; k < KLASSEN && proben < 8; ++k)
        for (int32_t i = 0; i < h.anzahl[k] && proben < 8; ++i, ++proben) {
            const PolarPos p = h.polar[k][i];
            const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, h.gesichtsfeld, r));
            h.stern_suchen(r + v.dx, r - v.dy, r);
            texte(h);
        }
    for (int32_t i = 0; i < h.sternbild_anzahl && i < 8; ++i) {
        const PolarPos p = h.polar_berechnen(h.sternbilder[i].ort);
        const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, h.gesichtsfeld, r));
        const int32_t gefunden = h.sternbild_suchen(r + v.dx, r - v.dy - 1, r);
        texte(h);
        if (gefunden >= 0) h.sternbild_umschalten(gefunden);
    }
}
}  // namespace

std::string als_datei(const uint8_t* data, size_t size, const char* name) {
    const std::string pfad = "/tmp/varnis_fuzz_" + std::to_string(getpid()) + "_" + name;
    std::FILE* datei = std::fopen(pfad.c_str(), "wb");
    if (datei == nullptr) __builtin_trap();
    std::fwrite(data, 1, size, datei);
    std::fclose(datei);
    return pfad;
}

void himmel_pruefen(Himmel& h) {
    invarianten(h);
    const struct { double rekt, dekl, feld; int32_t r; } ansichten[] = {
        {0, 0, 90, 200}, {5.5, 7.4, 30, 150}, {18, -89.99, 5, 300}, {12, 90, 180, 100},
        {23.99, 45, 0, 50},  // a field of view of 0 must not upset anything either
    };
    for (const auto& a : ansichten) {
        h.setze_gesichtsfeld(a.feld);
        h.setze_mitte(a.rekt, a.dekl);
        platzieren(h);
        suchen(h, a.r);
    }
}
