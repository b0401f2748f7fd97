// The user's view as kept in the settings files "Varnis.ini" (the star-chart
// program) and "Kovra.ini" (the screen saver): 26 integer keys in the
// sections "Allgemein", "Anzeige" and "Farben". The same keys serve both
// files; only the defaults of "Anzeige" differ between the two programs.
#pragma once

#include <cstdint>

#include "darstellung.h"

// The view: "Allgemein" (the ranges of all keys are in wertebereich.h).
struct Ansicht {
    int32_t rek;           // right ascension of the view centre, hundredths of an hour
    int32_t dek;           // declination of the view centre, hundredths of a degree, negated
    int32_t gesichtsfeld;  // field of view, whole degrees
    int32_t fest;          // 1 the date was set last, 2 the hour
    int32_t monat;         // index into the 24 half-month dates
    int32_t zeit;          // hour 0..23
    int32_t ort;           // index into the places list, -1 none
};

// All 26 keys: the view, then the layers and colours ("Anzeige", "Farben").
struct Einstellungen {
    Ansicht ansicht;
    Darstellung darstellung;
};

// Whose defaults a missing key takes.
enum class Programm { STERNKARTE, SCHONER };

Einstellungen vorgaben(Programm programm);

// Every value held to its key's range, a colour channel cut to its low 8
// bits: what reading makes of whatever numbers a file holds.
void einstellungen_begrenzen(Einstellungen& e);

// Reads all 26 keys of the profile file ini_datei; a missing file, section or
// key gives the default, a value that is no number reads as 0. Then bounded
// by einstellungen_begrenzen.
Einstellungen einstellungen_lesen(const char* ini_datei, Programm programm);

// Writes the 26 keys as decimal text in the order of the key table.
// 0 done, -1 a key could not be written.
int32_t einstellungen_schreiben(const char* ini_datei, const Einstellungen& werte);
