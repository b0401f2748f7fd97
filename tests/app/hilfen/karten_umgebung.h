// What the tests of pointing, menus and outputs share: the shipped catalogue, the main window's three
// fonts, layer settings with a colour of their own per layer, temporary
// folders, a reader of saved BMP files, and the folder for pictures to look
// at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dib.h"
#include "einstellungen.h"
#include "font.h"
#include "himmel.h"
#include "kartenbild.h"
#include "kartenschriften.h"

// VARNIS.DAT and STBILDER.DAT from the shipped data folder; false when
// either cannot be loaded.
bool katalog_laden(Himmel& himmel);
// The same, turned to Orion: centre 5.5 h and 0 degrees, field of view 60
// degrees.
bool orion_laden(Himmel& himmel);
// Selects star number nummer as the hit test would; false when it is missing.
bool stern_waehlen(Himmel& himmel, int nummer);
// Index of the constellation with abbreviation abk, -1 when there is none.
int sternbild_index(const Himmel& himmel, const char* abk);

// The main window's fonts: Arial 14, its underlined copy at 16, Symbol 14.
using Testschriften = Kartenschriften;

// The star chart's defaults with every layer fully on and in a colour that
// no other layer has, on a dark blue background.
Darstellung testwerte();

// A new empty folder under the temporary folder (removed with its files by
// the destructor).
class Temp_Ordner {
public:
    Temp_Ordner();
    ~Temp_Ordner();
    Temp_Ordner(const Temp_Ordner&) = delete;
    Temp_Ordner& operator=(const Temp_Ordner&) = delete;
    const std::string& pfad() const { return ordner; }
    std::string datei(const char* name) const { return ordner + "\\" + name; }

private:
    std::string ordner;
};

// The folder named by VARNIS_BILDER, where tests leave pictures to be looked
// at; "" when the variable is not set (no pictures are written).
std::string bilder_ordner();

// An 8-bit BMP file as written by DIB::speichern, read back.
struct Bmp {
    bool gelesen = false;
    int32_t breite = 0, hoehe = 0, bittiefe = 0;
    std::vector<uint32_t> farben;  // 0x00BBGGRR
    std::vector<uint8_t> zeilen;   // bottom row first, rows of zeilen_laenge bytes
    int32_t zeilen_laenge = 0;
    int32_t pixel(int32_t x, int32_t zeile) const { return zeilen[static_cast<size_t>(zeile) * zeilen_laenge + x]; }
};
Bmp bmp_lesen(const std::string& pfad);

// Writes bild as the BMP file name into the pictures folder, when there is
// one.
void bild_ablegen(DIB& bild, const char* name);
