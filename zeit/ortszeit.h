// Civil time at a place and universal time (UTC), through the place's zone:
// the zone's transition table within 1970..2037, its current rule outside.
// Instants are UTC seconds since 1970-01-01 00:00 without leap seconds
// (negative before 1970); the moment's range 1800..2200 fits every function.
#pragma once

#include <cstdint>

#include "ergebnis.h"
#include "kalender.h"
#include "zonen.h"

// The clocks' state at an instant.
struct ZonenAngabe {
    int32_t versatz;          // seconds east of UTC
    int32_t sommerzeit;       // 1 summer time, else 0
    char abk[ZONEN_ABK + 1];  // the zone's abbreviation ("CET", "CEST")
};

// The zone's state at instant utc: ZEIT_OK, or ZEIT_BEREICH for a zone index
// that is not in zonen.
int32_t zone_angabe(const Zonen& zonen, int32_t zone, int64_t utc, ZonenAngabe& angabe);

// The civil date and time to the minute (seconds dropped) at instant utc, and
// the state of the zone then (angabe may be null). ZEIT_OK, or ZEIT_BEREICH for
// a zone not in zonen or a date outside JAHR_MIN..JAHR_MAX (outputs unchanged).
int32_t ortszeit_aus_utc(const Zonen& zonen, int32_t zone, int64_t utc, Datum& datum,
                         Uhrzeit& zeit, ZonenAngabe* angabe);

// The instant of a civil date and time at the zone. Where clocks are set back
// and a civil time occurs twice, the earlier instant (still summer time);
// where they jump ahead and a civil time does not occur, the offset before the
// jump is taken (02:30 on the day CET becomes CEST is 01:30 UTC, which the
// clocks then show as 03:30). Errors of datum_pruefen and uhrzeit_pruefen;
// ZEIT_BEREICH for a zone not in zonen (utc unchanged).
int32_t utc_aus_ortszeit(const Zonen& zonen, int32_t zone, const Datum& datum,
                         const Uhrzeit& zeit, int64_t& utc);

// The zone for a place without one: the fixed zone "Etc/GMT-N" of the
// meridian nearest to laenge (degrees east, -180..180), the whole hour
// N = round(laenge / 15); -1 when zonen has no such zone.
int32_t zone_des_meridians(const Zonen& zonen, double laenge);
