// The screen saver's settings file "Kovra.ini" in the Windows directory and
// its extra key: section "Varnis", key "Pfad", the directory of the
// star-chart program and its data files (no trailing backslash).
#pragma once

#include <cstddef>
#include <cstdint>

// Longest data directory the saver takes; a longer "Pfad" is cut to this.
constexpr size_t PFAD_ZEICHEN = 299;
// Where the data directory stands when the file does not name one.
constexpr const char* PFAD_VORGABE = "c:\\progra~1\\varnis";

// Windows directory + "\Kovra.ini" into ziel (groesse bytes).
// 0 done, -1 the path does not fit.
int32_t schoner_ini_pfad(char* ziel, size_t groesse);

// "Pfad" of ini_datei into ziel (groesse bytes, at most PFAD_ZEICHEN + 1 are
// used), PFAD_VORGABE when the file or key is missing.
void daten_verzeichnis_lesen(const char* ini_datei, char* ziel, size_t groesse);

// 0 done, -1 not written.
int32_t daten_verzeichnis_schreiben(const char* ini_datei, const char* verzeichnis);
