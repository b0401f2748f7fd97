// The key table of the settings files: section, key, the star-chart
// program's default and the range of each value, in writing order. The
// first 26 are the keys every version of the program has read; the moment's
// follow, in sections of their own, and the switches of the Sun, the Moon and
// the planets and of night mode in "Anzeige".
#pragma once

#include <cstddef>
#include <cstdint>

#include "einstellungen.h"
#include "wertebereich.h"

struct Schluessel {
    const char* abschnitt;
    const char* name;
    int32_t vorgabe;
    Wertebereich bereich;
    size_t feld;  // offset of the int32_t member in Einstellungen
};

constexpr int ALTE_SCHLUESSEL = 26;
constexpr int SCHLUESSEL_ANZAHL = ALTE_SCHLUESSEL + 8;
extern const Schluessel SCHLUESSEL[SCHLUESSEL_ANZAHL];

// The text keys, written after the numbers; a missing one reads as "".
struct Textschluessel {
    const char* abschnitt;
    const char* name;
    size_t feld;    // offset of the char array in Einstellungen
    size_t groesse; // its bytes, NUL included
};
constexpr int TEXTSCHLUESSEL_ANZAHL = 3;
extern const Textschluessel TEXTSCHLUESSEL[TEXTSCHLUESSEL_ANZAHL];

inline char* text_von(Einstellungen& e, const Textschluessel& s) {
    return reinterpret_cast<char*>(&e) + s.feld;
}
inline const char* text_von(const Einstellungen& e, const Textschluessel& s) {
    return reinterpret_cast<const char*>(&e) + s.feld;
}

// The screen saver shows its layers a little brighter by default, and a
// Kovra.ini without the moment's keys (written before there was a moment)
// keeps the rule it was made with: the original one.
extern const int32_t SCHONER_STAERKE[EBENEN];
constexpr int32_t SCHONER_REGEL = REGEL_ORIGINAL;

inline int32_t& feld_von(Einstellungen& e, const Schluessel& s) {
    return *reinterpret_cast<int32_t*>(reinterpret_cast<char*>(&e) + s.feld);
}
inline int32_t feld_von(const Einstellungen& e, const Schluessel& s) {
    return *reinterpret_cast<const int32_t*>(reinterpret_cast<const char*>(&e) + s.feld);
}
