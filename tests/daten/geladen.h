// The shipped data files, loaded once for all tests of this program.
#pragma once

#include <string>

#include "himmel.h"

// Path of a file in the shipped data folder.
std::string daten_pfad(const char* datei);

// The sky with VARNIS.DAT and then STBILDER.DAT loaded (load results checked
// by the tests themselves through these two codes).
struct Geladen {
    Himmel himmel;
    int32_t sterne_ergebnis;
    int32_t sternbilder_ergebnis;
};
const Geladen& geladen();

// The star with number nummer, or null.
const SternSatz* stern_mit_nummer(const Himmel& h, int32_t nummer);
