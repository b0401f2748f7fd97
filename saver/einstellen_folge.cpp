#include "einstellen_folge.h"

#include <cstdio>

namespace {

bool pfad_bilden(char* ziel, const char* verzeichnis, const char* name) {
    const int n = snprintf(ziel, EINSTELLEN_PFAD, "%s\\%s", verzeichnis, name);
    return n >= 0 && static_cast<size_t>(n) < EINSTELLEN_PFAD;
}

}  // namespace

Einstellen einstellen(const char* verzeichnis, const EinstellenSchritte& schritte, char* pfad) {
    char marke[EINSTELLEN_PFAD], programm[EINSTELLEN_PFAD];
    if (!pfad_bilden(marke, verzeichnis, "Kovra.acc") || !pfad_bilden(programm, verzeichnis, "Varnis32.exe")) {
        snprintf(pfad, EINSTELLEN_PFAD, "%s", verzeichnis);
        return Einstellen::PFAD_ZU_LANG;
    }
    snprintf(pfad, EINSTELLEN_PFAD, "%s", programm);
    if (!schritte.vorhanden(pfad)) return Einstellen::KEIN_PROGRAMM;
    if (!schritte.marke_schreiben(marke)) {
        snprintf(pfad, EINSTELLEN_PFAD, "%s", marke);
        return Einstellen::KEINE_MARKE;
    }
    if (!schritte.starten(pfad, verzeichnis)) {
        schritte.loeschen(marke);
        return Einstellen::NICHT_GESTARTET;
    }
    return Einstellen::GESTARTET;
}
