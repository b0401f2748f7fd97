// The saver has no settings dialog: it leaves a marker in the data directory
// and starts the star-chart program there, which finds the marker and opens
// with the saver's settings.
#include <cstdio>

#include "partner_start.h"
#include "schale.h"

namespace {

void marke_schreiben() {
    char pfad[330];
    if (!ScrDatenPfad(pfad, sizeof pfad, "Kovra.acc")) return;
    FILE* marke = fopen(pfad, "w");
    if (!marke) return;
    fputs("BSS-access", marke);
    fclose(marke);
}

// The program by its full name and with the data directory as its current
// directory; the name is quoted on the command line, so a directory with
// blanks cannot start another program.
void programm_starten(const char* verzeichnis, const char* programm) {
    char befehl[340];
    if (snprintf(befehl, sizeof befehl, "\"%s\"", programm) >= static_cast<int>(sizeof befehl)) {
        return;
    }
    partner_starten(programm, befehl, verzeichnis);
}

}  // namespace

void ScrEinstellen() {
    marke_schreiben();
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    char programm[330];
    if (!ScrDatenPfad(programm, sizeof programm, "Varnis32.exe")) return;
    programm_starten(scr_dateien.daten_verzeichnis, programm);
}
