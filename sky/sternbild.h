// A constellation: abbreviation, names, label point and figure lines.
#pragma once

#include <cstdint>

#include "vektor.h"

constexpr int STERNBILDER_MAX = 90;  // the file holds at most this many entries

// One figure line from star A to star B, each end a star reference
// (magnitude class, position within the class); class and index -1 when the
// star number is not in the catalogue. Consumers skip such lines.
struct Linie {
    int16_t klasse_a, index_a;
    int16_t klasse_b, index_b;
};

struct SternbildSatz {
    char abk[4];          // abbreviation, NUL-terminated, at most 3 characters; empty when absent
    char* name;           // Latin name (owned), null when absent
    char* zweitname;      // second name in Windows-1252 (owned), null when absent
    Vektor3 ort;          // label point
    int16_t hervorgehoben;// 1 while its stars are labelled with their Bayer letters
    int16_t linien_anzahl;
    Linie* linien;        // linien_anzahl entries (owned)
};
