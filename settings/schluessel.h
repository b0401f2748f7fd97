// The key table of the settings files: section, key, the star-chart
// program's default and the range of each of the 26 values, in writing order.
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

constexpr int SCHLUESSEL_ANZAHL = 26;
extern const Schluessel SCHLUESSEL[SCHLUESSEL_ANZAHL];

// The screen saver shows its layers a little brighter by default.
extern const int32_t SCHONER_STAERKE[EBENEN];

inline int32_t& feld_von(Einstellungen& e, const Schluessel& s) {
    return *reinterpret_cast<int32_t*>(reinterpret_cast<char*>(&e) + s.feld);
}
inline int32_t feld_von(const Einstellungen& e, const Schluessel& s) {
    return *reinterpret_cast<const int32_t*>(reinterpret_cast<const char*>(&e) + s.feld);
}
