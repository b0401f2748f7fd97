// Small skies for the engine tests: hand-made stars and constellations written
// as catalogue files and loaded through the sky model's own loaders.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bild_hilfen.h"
#include "himmel.h"

struct TestStern {
    int nummer;
    double rekt;       // hours
    double dekl;       // degrees
    int helligkeit;    // magnitude x 100
    char spektrum;
    const char* bezeichnung = "          ";  // ten characters
    const char* name = nullptr;
};

struct TestSternbild {
    const char* abk;
    const char* name;
    double rekt, dekl;  // label point, hours and degrees
    std::vector<std::pair<int, int>> linien;  // star numbers
};

// Loads the stars and then the constellations into himmel; false when a file
// could not be written or loaded.
bool himmel_laden(Himmel& himmel, const std::vector<TestStern>& sterne,
                  const std::vector<TestSternbild>& sternbilder = {});

// The star reference (class, index) of star number nummer.
std::pair<int, int> referenz(const Himmel& himmel, int nummer);
