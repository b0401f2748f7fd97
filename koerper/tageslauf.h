// When a body rises, culminates and sets at a place on one civil day.
//
// The convention: a body rises or sets when its upper limb (the Sun and the
// Moon) or its centre (the planets) stands 34' below the geometric horizon,
// the refraction at the horizon of the standard atmosphere; the Moon
// topocentric. Culmination is the upper transit of the meridian. Positions
// are of the mean equator of date without aberration, which shifts the times
// by a few seconds at most.
#pragma once

#include <cstdint>

#include "koerper.h"

// How the body spends the day.
enum Lauf : int32_t {
    LAUF_AUF_UNTER = 0,       // it rises or sets (or both) during the day
    LAUF_ZIRKUMPOLAR = 1,     // above the horizon all day: neither rises nor sets
    LAUF_UNTER_HORIZONT = 2,  // below the horizon all day
};

// Times in seconds after the day's start. An event that does not fall within
// the day (the Moon misses a rising or a setting about once a month) has its
// flag 0 and its time 0.
struct Tageslauf {
    int32_t lauf;
    int32_t hat_aufgang, hat_kulmination, hat_untergang;  // 1 within the day, else 0
    double aufgang, kulmination, untergang;
};

// The day that begins at anfang (the time scales at the civil day's first
// instant) and lasts tageslaenge seconds (86400, or 82800 / 90000 on the days
// the clocks change; 3600..172800), for body art at breite (degrees north,
// -90..90), laenge (degrees east, -180..180). On request, not per chart:
// about a hundred positions of the body. KOERPER_OK and lauf filled;
// KOERPER_BEREICH; KOERPER_ERFA (lauf unchanged).
int32_t tageslauf(const Zeitskalen& anfang, double tageslaenge, double breite, double laenge,
                  int32_t art, Tageslauf& lauf);
