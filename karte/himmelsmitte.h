// The centre of the saver's chart at an instant: by the moment's rule the
// zenith of the place in J2000 (the catalogue's frame), by the original rule
// its fixed sidereal time and the stored declination. Portable.
#pragma once

#include <cstdint>

struct Himmelsmitte {
    double rekt;  // hours [0, 24)
    double dekl;  // degrees -90..90
};

// moment true: the zenith at (breite, laenge degrees, east positive) at utc
// (UTC seconds since 1970); false, or an instant or place the moment cannot
// take: rekt = sternzeit_original (hours), dekl = breite.
Himmelsmitte himmelsmitte(bool moment, int64_t utc, double breite, double laenge,
                          double sternzeit_original);

// The longitude of the meridian of a time zone utc_versatz_minuten ahead of
// UTC (15 degrees an hour), held to -180..180: where the zone's clock is
// true solar time.
double meridian_laenge(int32_t utc_versatz_minuten);
