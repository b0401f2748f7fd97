// What the saver's settings switch (/c, or no switch at all) does, in order:
// the star-chart program must lie in the data directory, the marker that
// makes it open with the saver's settings must be written there, then the
// program is started. The first step that fails is the reason the user is
// told instead, and no marker is left behind by a failed start (it would
// turn the program's next ordinary start into a settings session).
// Portable: the steps are handed in, so a test can make each one fail.
#pragma once

#include <cstddef>
#include <cstdint>

#include "breit.h"

enum class Einstellen : int32_t {
    GESTARTET = 0,    // the program was started with the marker beside it
    PFAD_ZU_LANG,     // a path in the data directory does not fit
    KEIN_PROGRAMM,    // no Varnis32.exe in the data directory
    KEINE_MARKE,      // the marker cannot be written
    NICHT_GESTARTET,  // the program did not start
};

struct EinstellenSchritte {
    bool (*vorhanden)(const char* datei);
    bool (*marke_schreiben)(const char* datei);
    void (*loeschen)(const char* datei);
    bool (*starten)(const char* programm, const char* verzeichnis);
};


// Runs the steps for the data directory verzeichnis. The path the result
// is about (program or marker) is left in pfad (PFAD_LAENGE bytes) for
// the message.
Einstellen einstellen(const char* verzeichnis, const EinstellenSchritte& schritte, char* pfad);
