// From universal time (UTC, the civil clocks' time) to the time scales the
// astronomy needs, as ERFA's two-part Julian dates (days; the sum is the date,
// split for precision).
//
// UT1 (the Earth's rotation angle) is taken equal to UTC: leap seconds keep
// |UT1 - UTC| below 0.9 s, 0.014 s of sidereal time at most, and before 1960
// civil time was mean solar time of Greenwich, which is UT1.
// TT from 1960 on within ERFA's leap-second table (eraDat): UTC + (TAI - UTC)
// + 32.184 s; before 1960 and beyond the table: UT1 + delta_t(year).
#pragma once

#include <cstdint>

#include "ergebnis.h"

struct Zeitskalen {
    double ut1_1, ut1_2;  // UT1, Julian date in two parts
    double tt_1, tt_2;    // TT, Julian date in two parts
};

// TT - UT1 in seconds for a decimal year (2026.5 = about 1 July 2026), by the
// polynomials of Espenak and Meeus (NASA's Five Millennium Canon of Solar
// Eclipses, 2006): their pieces for 1700..2150, the long-term parabola
// -20 + 32 u^2 (u in centuries from 1820) outside.
double delta_t(double jahr);

// The time scales at UTC instant utc (seconds since 1970-01-01 00:00 without
// leap seconds) from 1799-12-31 to 2201-01-01 (the civil dates 1800..2200 of
// every zone). ZEIT_OK; ZEIT_BEREICH outside;
// ZEIT_ERFA when ERFA reports an error (skalen unchanged on an error).
int32_t zeitskalen_aus_utc(int64_t utc, Zeitskalen& skalen);
