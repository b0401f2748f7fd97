#include "schoner/prozess.h"

#include "partner_start.h"

Prozessersatz prozess_ersatz = nullptr;

void prozess_starten(const char* programm, const char* befehlszeile, const char* verzeichnis) {
    if (prozess_ersatz) {
        prozess_ersatz(programm, befehlszeile, verzeichnis);
        return;
    }
    partner_starten(programm, befehlszeile, verzeichnis);
}
