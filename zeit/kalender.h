// Calendar dates and civil times of a moment, in the proleptic Gregorian
// calendar (the calendar of every place here from 1800 on), and whole days
// and seconds counted from 1970-01-01 00:00 (negative before).
#pragma once

#include <cstdint>

#include "ergebnis.h"

constexpr int32_t JAHR_MIN = 1800;
constexpr int32_t JAHR_MAX = 2200;

struct Datum {
    int32_t jahr;   // JAHR_MIN..JAHR_MAX
    int32_t monat;  // 1..12
    int32_t tag;    // 1..tage_im_monat
};

// A civil (wall-clock) time of day, to the minute.
struct Uhrzeit {
    int32_t stunde;  // 0..23
    int32_t minute;  // 0..59
};

// 28..31; 0 for a month outside 1..12. Any year (leap years as Gregorian).
int32_t tage_im_monat(int32_t jahr, int32_t monat);

// ZEIT_OK; ZEIT_BEREICH for a year outside JAHR_MIN..JAHR_MAX; ZEIT_UNMOEGLICH
// for a month or day that does not exist (31.04., 29.02.2027).
int32_t datum_pruefen(const Datum& datum);
// ZEIT_OK, or ZEIT_UNMOEGLICH outside 0..23 h, 0..59 min.
int32_t uhrzeit_pruefen(const Uhrzeit& zeit);

// Days from 1970-01-01 to datum (which must exist; any year -1000000..1000000),
// negative before 1970.
int64_t tage_seit_1970(const Datum& datum);
// The inverse: the date tage days after 1970-01-01 (|tage| < 300000000).
Datum datum_aus_tagen(int64_t tage);

// 0 = Monday .. 6 = Sunday.
int32_t wochentag(const Datum& datum);
// 1..365 (366 in a leap year).
int32_t tag_im_jahr(const Datum& datum);
// The date of day 1..365/366 of jahr: ZEIT_OK, or ZEIT_UNMOEGLICH for a day
// the year does not have (datum unchanged).
int32_t datum_aus_tag_im_jahr(int32_t jahr, int32_t tag, Datum& datum);
