#include "geladen.h"

namespace {
bool laden(Geladen& g) {
    g.sterne_ergebnis = g.himmel.stern_datei_laden(daten_pfad("VARNIS.DAT").c_str());
    g.sternbilder_ergebnis = g.himmel.sternbild_datei_laden(daten_pfad("STBILDER.DAT").c_str());
    return true;
}
}  // namespace

std::string daten_pfad(const char* datei) {
    return std::string(VARNIS_TEST_DATA) + "/" + datei;
}

const Geladen& geladen() {
    static Geladen g{};
    static const bool fertig = laden(g);
    (void)fertig;
    return g;
}

const SternSatz* stern_mit_nummer(const Himmel& h, int32_t nummer) {
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i)
            if (h.stern_saetze[k][i].nummer == nummer) return &h.stern_saetze[k][i];
    return nullptr;
}
