// A moment: a civil date and time at a place. What the chart shows of it, and
// the inverses the panel's right-ascension bar needs.
#pragma once

#include <cstdint>

#include "ergebnis.h"
#include "kalender.h"
#include "zonen.h"

struct Standort {
    double breite;  // degrees north, -90..90
    double laenge;  // degrees east, -180..180
    int32_t zone;   // index into the Zonen the functions are given
};

struct Moment {
    Datum datum;
    Uhrzeit zeit;  // civil time at the place's zone
    Standort ort;
};

// The sky of a moment.
struct Himmelslage {
    int64_t utc;         // the instant, UTC seconds since 1970 (utc_aus_ortszeit's rule)
    double sternzeit;    // apparent local sidereal time, hours [0, 24): the bar's right ascension
    double rekt_j2000;   // the zenith in J2000 (the chart's centre): hours [0, 24)
    double dekl_j2000;   // degrees -90..90
};

// ZEIT_OK and lage filled; the errors of datum_pruefen, uhrzeit_pruefen,
// utc_aus_ortszeit, zeitskalen_aus_utc and zenit_j2000 (lage unchanged).
int32_t himmelslage(const Zonen& zonen, const Moment& moment, Himmelslage& lage);

// The civil time on moment.datum, to the minute, at which the local sidereal
// time at moment.ort is sternzeit_soll (hours, any value; wrapped into 0..24);
// moment.zeit is not read. A sidereal day is 3 min 56 s shorter than a civil
// day, so a sidereal time can occur twice on one day (then the earlier) or,
// on a day that clocks are set ahead, not at all (then the end of the day
// nearer to it). In the second pass of an hour the clocks repeat, which no
// civil time names (himmelslage reads it as the first), the nearer end of
// that pass. ZEIT_OK and zeit filled; the errors of himmelslage.
int32_t uhrzeit_fuer_sternzeit(const Zonen& zonen, const Moment& moment, double sternzeit_soll,
                               Uhrzeit& zeit);

// The day of moment.datum.jahr on which the local sidereal time at moment.ort
// and civil time moment.zeit is nearest to sternzeit_soll (hours; wrapped);
// moment.datum's month and day are not read. Of two equally near days the
// earlier. ZEIT_OK and datum filled; the errors of himmelslage.
int32_t datum_fuer_sternzeit(const Zonen& zonen, const Moment& moment, double sternzeit_soll,
                             Datum& datum);
