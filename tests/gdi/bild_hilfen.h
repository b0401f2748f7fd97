// What a test reads back from a canvas: the pixels of one colour-table index,
// pictures written as text rows, a canvas whose 256 entries all differ, and
// temporary file paths.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dib.h"

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
