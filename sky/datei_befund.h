// What the catalogue loaders find wrong with a file they could open. A file
// with any of these faults loads nothing: the sky is left without the stars
// (or constellations) it held before, as if the file were missing.
#pragma once

#include <cstdint>

constexpr int32_t DATEI_LEER = -2;           // not one usable entry
constexpr int32_t DATEI_ABGESCHNITTEN = -3;  // ends inside an entry
constexpr int32_t DATEI_WERT_FALSCH = -4;    // a value outside its range

// True for the three results above.
inline bool datei_beschaedigt(int32_t ergebnis) {
    return ergebnis <= DATEI_LEER && ergebnis >= DATEI_WERT_FALSCH;
}

// What is wrong, as a clause for a message ("sie endet mitten in einem
// Eintrag"), Windows-1252; "" for any other result.
const char* befund_text(int32_t ergebnis);
