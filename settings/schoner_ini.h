// The screen saver's settings file "Kovra.ini" and its extra key: section
// "Varnis", key "Pfad", the directory of the star-chart program and its data
// files (no trailing backslash).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ablage.h"
#include "breit.h"

// Longest data directory the saver takes, in UTF-16 units: the longest path
// Windows names; a longer "Pfad" is cut to this.
constexpr size_t PFAD_ZEICHEN = BREIT_PFAD - 1;
// Where the data directory stands when the file does not name one.
constexpr const wchar_t* PFAD_VORGABE = L"c:\\progra~1\\varnis";

// The Kovra.ini the saver reads: the first that exists of the user's folder
// (where the star chart writes it), the saver's own folder and the Windows
// directory (an older set-up's); when there is none, the user's (which then
// gives the defaults). False (ziel "") when no folder is known.
bool schoner_ini_finden(const Ablage& a, char* ziel, size_t groesse);

// The saver's data folder: pfad (the "Pfad" of Kovra.ini) when it holds
// katalog, else the saver's own folder when that does. False when neither
// does: ziel is then the own folder (or "" when not known), the folder the
// saver names in its notice besides pfad.
bool schoner_daten_ordner(const Ablage& a, const char* pfad, const char* katalog, char* ziel,
                          size_t groesse);

// "Pfad" of ini_datei (read as UTF-16, so in any script) as UTF-8 into ziel
// (groesse bytes, PFAD_LAENGE take every value), PFAD_VORGABE when the file
// or key is missing; "" when it does not fit.
void daten_verzeichnis_lesen(const char* ini_datei, char* ziel, size_t groesse);

// "Pfad" (a UTF-8 path) into ini_datei in one replacement (ini_aenderung.h):
// the file becomes UTF-16 when the path needs more than Windows-1252.
// 0 done, -1 not written (the old file is then as it was).
int32_t daten_verzeichnis_schreiben(const char* ini_datei, const char* verzeichnis);
