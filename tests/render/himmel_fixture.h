// Small skies for the engine tests: hand-made stars and constellations written
// as catalogue files and loaded through the sky model's own loaders, and the
// canvas helpers that read what a layer drew.
#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dib.h"
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

using Punkte = std::set<std::pair<int, int>>;  // (x, zeile) of the bitmap

// Every pixel of the canvas that holds index.
Punkte pixel_mit(const DIB& bild, int index);
// Every pixel that is not the background index 0.
Punkte gezeichnet(const DIB& bild);

// The pixels of a picture drawn as text rows, the first row the top one
// (zeile oben), 'X' for a set pixel, anything else for none; the column of
// the first character is links.
Punkte bild_aus(const std::vector<std::string>& zeilen, int links, int oben);

// A square canvas of side groesse, filled with 0, its colour table holding
// 256 different colours (entry i is farbe_von(i)) so that a text colour lands
// on exactly one entry.
void leinwand(DIB& bild, int groesse);
uint32_t farbe_von(int index);

// Path of a temporary file of this test process.
std::string temp_pfad(const std::string& name);
