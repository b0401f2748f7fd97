// The user's view as kept in the settings files "Varnis.ini" (the star-chart
// program) and "Kovra.ini" (the screen saver): the 26 integer keys of the
// sections "Allgemein", "Anzeige" and "Farben", and after them the moment's
// keys in the sections "Moment" and "Eigener Ort", which an older reader of
// the 26 never asks for. The same keys serve both files; the defaults of
// "Anzeige" and the rule differ between the two programs.
#pragma once

#include <cstddef>
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

// Which rule gives the chart's centre ("Regel").
constexpr int32_t REGEL_MOMENT = 0;    // the zenith of the moment at the place
constexpr int32_t REGEL_ORIGINAL = 1;  // the fixed rule: half-month + hour - 17 h, no longitude

// The moment ("Moment") and the user's own place ("Eigener Ort"), as numbers.
struct Momentwerte {
    int32_t regel;        // REGEL_MOMENT or REGEL_ORIGINAL
    int32_t datum;        // JJJJMMTT; 0 none kept (a file of the 26 keys: the view decides)
    int32_t uhrzeit;      // civil time at the place, HHMM
    int32_t laenge;       // longitude of the place, hundredths of a degree east
    int32_t ort_breite;   // the own place's latitude, hundredths of a degree north
    int32_t ort_laenge;   // its longitude, hundredths of a degree east
};

constexpr size_t ZONE_TEXT = 48;      // a zone's name ("Europe/Berlin") with its NUL
constexpr size_t ORTSNAME_TEXT = 49;  // a place's name (as Orte.dat's, 48) with its NUL

// The texts of the moment: "" none kept.
struct Momenttexte {
    char zone[ZONE_TEXT];          // the zone of the moment's place
    char ort_name[ORTSNAME_TEXT];  // the own place, "" none
    char ort_zone[ZONE_TEXT];
};

// Every key: the view, the layers and colours ("Anzeige", "Farben"), the
// moment's numbers and its texts.
struct Einstellungen {
    Ansicht ansicht;
    Darstellung darstellung;
    Momentwerte moment;
    Momenttexte texte;
};

// Whose defaults a missing key takes.
enum class Programm { STERNKARTE, SCHONER };

Einstellungen vorgaben(Programm programm);

// Every value held to its key's range, a colour channel cut to its low 8
// bits: what reading makes of whatever numbers a file holds.
void einstellungen_begrenzen(Einstellungen& e);

// Reads every key of the profile file ini_datei; a missing file, section or
// key gives the default, a value that is no number reads as 0, a text is cut
// to its buffer. Then bounded by einstellungen_begrenzen.
Einstellungen einstellungen_lesen(const char* ini_datei, Programm programm);

// Writes the numbers as decimal text in the order of the key table, then
// the texts (Windows-1252), into a copy of ini_datei (a UTF-8 path) that
// replaces it in one step (ini_aenderung.h): other sections and keys stay.
// 0 done, -1 a key could not be written or the file not replaced; the old
// file is then as it was.
int32_t einstellungen_schreiben(const char* ini_datei, const Einstellungen& werte);
