#include "himmel.h"

#include <cstring>

namespace {
// The grid is the same for every sky: one table, built on first use, that no
// Himmel owns and none can fail to allocate.
struct GitterTabelle {
    Vektor3 punkte[GITTER_MERIDIANE][GITTER_PUNKTE];
    GitterTabelle() {
        for (int i = 0; i < GITTER_MERIDIANE; ++i)
            for (int e = 0; e < GITTER_PUNKTE; ++e)
                punkte[i][e] = einheitsvektor(i * 0.25, e - 90.0);
    }
};

Vektor3* gitter_tabelle() {
    static GitterTabelle tabelle;
    return &tabelle.punkte[0][0];
}
}  // namespace

Himmel::Himmel()
    : anzahl{}, stern_saetze{}, vektoren{}, polar{}, berechnet{}, sternbild_anzahl(0),
      sternbilder(nullptr), gitter{}, gesichtsfeld(0), rektaszension(0), deklination(0),
      mitte{}, west{}, wahl_klasse(-1), wahl_index(-1), wahl_sternbild(-1) {
    Vektor3* tabelle = gitter_tabelle();
    for (int i = 0; i < GITTER_MERIDIANE; ++i) gitter[i] = tabelle + i * GITTER_PUNKTE;
    setze_gesichtsfeld(90.0);
    setze_mitte(0.0, 0.0);
}

Himmel::~Himmel() {
    sternbilder_freigeben();
    sterne_freigeben();
}

void Himmel::klasse_freigeben(int k) {
    for (int32_t i = 0; i < anzahl[k]; ++i) delete[] stern_saetze[k][i].eigenname;
    delete[] stern_saetze[k];
    delete[] vektoren[k];
    delete[] polar[k];
    stern_saetze[k] = nullptr;
    vektoren[k] = nullptr;
    polar[k] = nullptr;
    anzahl[k] = 0;
}

void Himmel::sterne_freigeben() {
    for (int k = 0; k < KLASSEN; ++k) klasse_freigeben(k);
    std::memset(berechnet, 0, sizeof berechnet);
    wahl_klasse = -1;
    wahl_index = -1;
}

void Himmel::sternbilder_freigeben() {
    for (int32_t i = 0; i < sternbild_anzahl; ++i) {
        delete[] sternbilder[i].name;
        delete[] sternbilder[i].zweitname;
        delete[] sternbilder[i].linien;
    }
    delete[] sternbilder;
    sternbilder = nullptr;
    sternbild_anzahl = 0;
    wahl_sternbild = -1;
}

int32_t Himmel::sternbild_umschalten(int32_t index) {
    if (index < 0 || index >= sternbild_anzahl) return 0;
    int16_t& flag = sternbilder[index].hervorgehoben;
    flag = flag == 0 ? 1 : 0;
    return flag;
}
