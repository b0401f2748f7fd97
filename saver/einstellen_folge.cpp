#include "einstellen_folge.h"

#include <cstdio>

namespace {

bool pfad_bilden(char* ziel, const char* verzeichnis, const char* name) {
    const int n = snprintf(ziel, PFAD_LAENGE, "%s\\%s", verzeichnis, name);
    return n >= 0 && static_cast<size_t>(n) < PFAD_LAENGE;
}

}  // namespace

Einstellen einstellen(const char* verzeichnis, const EinstellenSchritte& schritte, char* pfad) {
    char marke[PFAD_LAENGE], programm[PFAD_LAENGE];
    if (!pfad_bilden(marke, verzeichnis, "Kovra.acc") || !pfad_bilden(programm, verzeichnis, "Varnis32.exe")) {
        snprintf(pfad, PFAD_LAENGE, "%s", verzeichnis);
        return Einstellen::PFAD_ZU_LANG;
    }
    snprintf(pfad, PFAD_LAENGE, "%s", programm);
    if (!schritte.vorhanden(pfad)) return Einstellen::KEIN_PROGRAMM;
    if (!schritte.marke_schreiben(marke)) {
        snprintf(pfad, PFAD_LAENGE, "%s", marke);
        return Einstellen::KEINE_MARKE;
    }
    if (!schritte.starten(pfad, verzeichnis)) {
        schritte.loeschen(marke);
        return Einstellen::NICHT_GESTARTET;
    }
    return Einstellen::GESTARTET;
}
