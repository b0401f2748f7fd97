// Where the two programs' files live, decided by a few small rules over one
// seam: the folders the system names, whether a file is there, whether a
// folder takes new files. The rules take the seam as a parameter, so tests
// can make any folder unwritable (under Wine as root neither a read-only
// mark nor file modes stop a write) or name folders of their own.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pfadname.h"

enum class Ordner : int32_t {
    PROGRAMM,  // the running program file's folder
    AKTUELL,   // the current directory
    WINDOWS,   // the Windows directory (an older set-up's Kovra.ini)
    BENUTZER,  // the user's application data + "\Varnis" (made when first written)
};

struct Ablage {
    // The folder, without a trailing backslash, into ziel (groesse bytes);
    // false when the system does not name it or it does not fit.
    bool (*ordner)(Ordner welcher, char* ziel, size_t groesse);
    // True for an existing file (not a folder).
    bool (*datei_da)(const char* pfad);
    // True when a new file can be made in the existing folder ordner.
    bool (*schreibbar)(const char* ordner);
};

// The system's answers; tests replace members and put them back.
extern Ablage ablage;

// The system's answer of Ablage::datei_da.
bool datei_vorhanden(const char* pfad);


// The folder of the star chart's data files, its help and the hand-off
// marker: the current directory when it holds katalog, else the program's
// folder. False when neither is known.
bool daten_ordner(const Ablage& a, const char* katalog, char* ziel, size_t groesse);

// The one Varnis.ini that counts, for reading and writing alike: the one in
// the data folder when that folder is writable, else the one in the user's
// folder (Ordner::BENUTZER). An empty daten_ordner is the current directory.
// False (ziel "") when the folder is not known.
bool varnis_ini(const Ablage& a, const char* daten_ordner, char* ziel, size_t groesse);

// Makes the folder that holds the file pfad, one level, when it is missing
// (the user's folder before its first file). 0 there or made, -1 not.
int32_t elternordner_anlegen(const char* pfad);
