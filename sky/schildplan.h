// Where a chart's label placement put each label: an offset in the target's
// pixels from the label's own place (the place the engine draws it at
// without a placement), or left out. The engine's label layers draw from a
// plan, and the label hit test reads the constellation names' offsets, so
// that a moved name is found where it stands. A plan of zeros puts every
// label at its own place.
#pragma once

#include <cstdint>

#include "stern.h"
#include "sternbild.h"

struct Schildversatz {
    int16_t dx, dy;   // pixels right and down
    uint8_t weg;      // 1: left out, no room was free for it
};

// Room for the names of the Sun, the Moon and the planets (karte/ checks
// that they fit).
constexpr int32_t SCHILD_KOERPER = 16;

struct Schildplan {
    Schildversatz namen[STERN_NUMMERN];      // proper names, by star number
    Schildversatz kennungen[STERN_NUMMERN];  // designations, by star number
    Schildversatz sternbilder[STERNBILDER_MAX];
    Schildversatz koerper[SCHILD_KOERPER];
};

// Every label at its own place: the engine's drawing without a placement.
inline const Schildplan& ohne_verschiebung() {
    static const Schildplan plan{};
    return plan;
}

// The offset of a star's label in tabelle; a number that cannot index it
// keeps its own place.
inline const Schildversatz& stern_schild(const Schildversatz (&tabelle)[STERN_NUMMERN], int32_t nummer) {
    return nummer_gueltig(nummer) ? tabelle[nummer] : ohne_verschiebung().namen[0];
}
