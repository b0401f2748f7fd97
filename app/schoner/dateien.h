// The files the star chart and the screen saver hand to each other, and the
// parked copy of the saver's settings during a test run.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gemeinsam/pfad.h"
#include "schoner/partner.h"

// Room for a directory of the program's paths (UTF-8) and any of the names below.
constexpr size_t SCHONER_PFAD_LAENGE = PFAD_LAENGE + 16;

struct Schoner_Dateien {
    char quelle[SCHONER_PFAD_LAENGE];   // start_verzeichnis\Kovra32.scr
    // The installed saver: start_verzeichnis\Kovra32.scr (the same file as
    // quelle) when that folder is writable (ablage.schreibbar), else
    // benutzer_verzeichnis\Kovra32.scr.
    char schoner[SCHONER_PFAD_LAENGE];
    char ini[SCHONER_PFAD_LAENGE];      // benutzer_verzeichnis\Kovra.ini
    char geparkt[SCHONER_PFAD_LAENGE];  // benutzer_verzeichnis\Kovra.si$
    char marke[SCHONER_PFAD_LAENGE];    // start_verzeichnis\Kovra.acc
    char alte_ini[SCHONER_PFAD_LAENGE]; // windows_verzeichnis\Kovra.ini, "" without one
};

// All six paths. 0 done; -1 when the user's folder is not known (empty: its
// paths would name files in the current directory) or a path does not fit:
// then nothing may be touched.
int32_t schoner_dateien(const Schoner_Verzeichnisse& verzeichnisse, Schoner_Dateien& d);

// True when both paths name one existing file, however each is spelled.
bool gleiche_datei(const char* a, const char* b);

// Kovra.si$ exists only while a test run shows unsaved settings from
// Kovra.ini; it holds the saved ones. Every step that reads or writes
// Kovra.ini takes it back first, so saved settings are never lost to a
// second test or overwritten later by an old parked copy.

// Kovra.ini aside as Kovra.si$. Never over an existing Kovra.si$. 0 moved,
// -1 not (also when there is no Kovra.ini or already a Kovra.si$).
int32_t ini_parken(const Schoner_Dateien& d);

// Kovra.si$ back over Kovra.ini, when it is there. 0 moved or nothing to
// move, -1 Kovra.si$ is there and could not be moved.
int32_t ini_zurueckholen(const Schoner_Dateien& d);
