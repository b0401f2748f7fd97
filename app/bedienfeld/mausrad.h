// The mouse wheel as steps of a scroll bar, by the rule Windows gives the
// wheel: a notch (WHEEL_DELTA, 120) turns as many line steps as the user's
// "lines per notch" setting (SPI_GETWHEELSCROLLLINES, 3 by default), or one
// page step when that setting is WHEEL_PAGESCROLL. A wheel of finer steps
// sends smaller deltas; what does not yet make a notch is kept for the next
// message. Turning forward (away from the user) steps toward the right end
// of a horizontal bar: the field-of-view bar's end of the smaller field, as
// the wheel zooms in elsewhere.
#pragma once

#include <cstdint>

#include "bedienfeld/leistenregel.h"

struct Radschritte {
    int32_t art;     // SB_LINERIGHT, SB_LINELEFT, SB_PAGERIGHT or SB_PAGELEFT
    int32_t anzahl;  // how many of them, 0 none
};

// The steps for a wheel message of delta (positive forward), with rest the
// part of earlier deltas that made no notch yet (updated: what is left of
// this one, always of the same sign as the last turn). zeilen is the lines
// per notch; 0 gives no steps at all (the user has switched the wheel off).
Radschritte rad_schritte(int32_t& rest, int32_t delta, uint32_t zeilen);

// The value of a bar of rule r standing at wert after the steps s: each a
// step of the bar's own rule (leisten_schritt), held to its limits.
int32_t rad_wert(const Leistenregel& r, int32_t wert, const Radschritte& s);
