// The moment as the panel holds it, and how its controls change it: the
// half-month and hour lists set the day (the 1st or the 15th) and the full
// hour of the shown year and show their entries nearest to the moment; the
// right-ascension bar asks for the moment that puts its sidereal time
// overhead; keys step it by hours and days; "Jetzt" takes the clock's.
// Sidereal times in hours, longitudes and latitudes in degrees.
#pragma once

#include <cstdint>

#include "moment.h"
#include "zonen.h"

// 0..23: the half-month list's entry nearest to day tag of month monat
// (1..12): days 1 to 7 give the 1st, 8 to 22 the 15th, from the 23rd on the
// 1st of the next month (31 December gives 1 January).
int32_t halbmonat_des_tages(int32_t monat, int32_t tag);

// The date a half-month entry (0..23, 0 = 1 January) sets in jahr.
Datum datum_des_halbmonats(int32_t jahr, int32_t halbmonat);

// The right-ascension bar moved to sternzeit: fest 2 (the hour was set last)
// keeps the civil time and takes the day of the year that puts sternzeit
// overhead; any other value keeps the date and takes the time to the minute.
// ZEIT_OK and moment changed; an error of zeit/moment.h and moment unchanged.
int32_t moment_nach_sternzeit(const Zonen& zonen, Moment& moment, double sternzeit, int32_t fest);

// Steps the moment by stunden hours of real time (over a change of the
// clocks the civil time jumps with them) and by tage civil days at the same
// civil time. ZEIT_OK; ZEIT_BEREICH when the result leaves JAHR_MIN..JAHR_MAX
// (moment unchanged); another error of zeit/ for a moment that is none.
int32_t moment_schritt(const Zonen& zonen, Moment& moment, int32_t stunden, int32_t tage);

// The civil date and time to the minute at moment.ort of instant utc (UTC
// seconds since 1970): what the place's clock shows. ZEIT_OK and moment
// changed; ZEIT_BEREICH outside 1800..2200 or for a zone not in zonen.
int32_t moment_der_uhr(const Zonen& zonen, int64_t utc, Moment& moment);
