// How a scroll notification moves the value of one of the panel's bars. The
// view bars count their value against the position (value = -position, so
// that the thumb moves left as the right ascension grows, and up as the
// declination grows north); the intensity bars count it with the position.
// Each bar spans the range its settings key has (wertebereich.h), so what a
// bar can show and what a settings file may hold are one rule.
#pragma once

#include <cstdint>

#include "wertebereich.h"

struct Leistenregel {
    int32_t zeile;         // line step in value units
    int32_t seite;         // page step
    Wertebereich bereich;  // limits of the value
    int32_t richtung;      // -1: value = -position; +1: value = position
};

constexpr Leistenregel REKT_REGEL{3, 100, REKT_BEREICH, -1};     // hundredths of an hour
constexpr Leistenregel DEKL_REGEL{67, 500, DEKL_BEREICH, -1};    // hundredths of a degree
constexpr Leistenregel FELD_REGEL{1, 10, FELD_BEREICH, -1};      // degrees
constexpr Leistenregel EBENEN_REGEL{1, 10, STAERKE_BEREICH, +1}; // percent

// The bar's position for a value, which is first held to the limits.
int32_t leisten_position(const Leistenregel& r, int32_t wert);
// The value at a position of the bar.
inline int32_t leisten_wert(const Leistenregel& r, int32_t position) { return r.richtung * position; }

// Moves wert (the value at the bar's current position) by a notification of
// kind art (SB_LINELEFT ... SB_THUMBTRACK) with the thumb position daumen and
// keeps it within the limits. Line and page steps always apply; thumb
// tracking only when it changes the value; every other kind does nothing.
// true when the notification applies.
bool leisten_schritt(const Leistenregel& r, int32_t art, int32_t daumen, int32_t& wert);
