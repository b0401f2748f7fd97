#include "himmel_pruefen.h"

#include <cstdio>
#include <cstring>

#include "himmel.h"
#include "projektion.h"
#include "pruefe.h"

namespace {
void bezug_pruefen(const Himmel& h, int16_t klasse, int16_t index) {
    if (klasse == -1) {
        pruefe(index == -1);
        return;
    }
    pruefe(klasse >= 0 && klasse < KLASSEN && index >= 0 && index < h.anzahl[klasse]);
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

void stern_texte(const Himmel& h) {
    for (int32_t art = 0; art <= 8; ++art) pruefe(std::strlen(h.stern_text(art)) < TEXT_PUFFER);
    const char* bezeichnung = h.stern_text(2);
    if (std::strlen(bezeichnung) >= 6) {
        char abk[4] = {};
        std::memcpy(abk, bezeichnung + 3, 3);
        griechisch(abk);
    }
}

void bild_texte(const Himmel& h) {
    for (int32_t art = 0; art <= 4; ++art) pruefe(std::strlen(h.sternbild_text(art)) < TEXT_PUFFER);
}

// The texts depend on the selected record alone: checked after the first hit
// of each kind only.
struct TexteGeprueft {
    bool stern = false, sternbild = false;
};

void bild_gewaehlt(Himmel& h, int32_t gefunden, TexteGeprueft& geprueft) {
    if (gefunden < 0) return;
    if (!geprueft.sternbild) bild_texte(h);
    geprueft.sternbild = true;
    h.sternbild_umschalten(gefunden);
}

// The first star of the brightest class that has one, or null.
const PolarPos* erster_stern(const Himmel& h) {
    for (int k = 0; k < KLASSEN; ++k)
        if (h.anzahl[k] > 0) return &h.polar[k][0];
    return nullptr;
}

// Hit tests at the pixel of the first star (when it has one on the chart) and
// at the first label.
void suchen(Himmel& h, int32_t r, TexteGeprueft& geprueft) {
    const PolarPos* stern = erster_stern(h);
    if (stern != nullptr && sichtbar_quadrat(stern->abstand, h.gesichtsfeld)) {
        const Versatz v = versatz(stern->winkel, kartenmassstab(stern->abstand, h.gesichtsfeld, r));
        if (h.stern_suchen(r + v.dx, r - v.dy, r) >= 0 && !geprueft.stern) {
            stern_texte(h);
            geprueft.stern = true;
        }
    }
    if (h.sternbild_anzahl > 0) {
        const PolarPos p = h.polar_berechnen(h.sternbilder[0].ort);
        const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, h.gesichtsfeld, r));
        bild_gewaehlt(h, h.sternbild_suchen(r + v.dx, r - v.dy - 1, r), geprueft);
    }
}
}  // namespace

void invarianten_pruefen(const Himmel& h) {
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

void himmel_pruefen(Himmel& h) {
    invarianten_pruefen(h);
    stern_texte(h);  // nothing selected yet
    bild_texte(h);
    const struct { double rekt, dekl, feld; int32_t r; } ansichten[] = {
        {0, 0, 90, 200}, {5.5, 7.4, 30, 150}, {18, -89.99, 5, 300}, {12, 90, 180, 100},
        {23.99, 45, 0, 50},  // a field of view of 0 must not upset anything either
    };
    TexteGeprueft geprueft;
    for (const auto& a : ansichten) {
        h.setze_gesichtsfeld(a.feld);
        h.setze_mitte(a.rekt, a.dekl);
        platzieren(h);
        suchen(h, a.r, geprueft);
    }
}
