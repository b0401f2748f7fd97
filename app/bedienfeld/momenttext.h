// The moment in the words a German user expects, for the window's title:
// "Dienstag, 15. Dezember 2026, 22:00 MEZ". Weekday and month names come
// from the UI-text table.
#pragma once

#include <cstddef>

#include "moment.h"

// The zone's abbreviation as German clocks name it: the Central and Eastern
// and Western European times get their German names (CET is "MEZ", CEST
// "MESZ"); every other abbreviation stays as tzdata writes it.
const char* zone_deutsch(const char* abk);

// The date, the time and the zone's German abbreviation into ziel (groesse
// bytes, always terminated; cut when it does not fit).
void moment_in_worten(char* ziel, size_t groesse, const Moment& moment, const char* abk);
