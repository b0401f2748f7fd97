// Dates and times as a user types them, in the dialog and on the command
// line. Blanks before and after are allowed; day, month and hour may have one
// or two digits, minutes have two, years four.
#pragma once

#include <cstdint>

#include "ergebnis.h"
#include "kalender.h"

// "TT.MM.JJJJ" (German), "JJJJ-MM-TT" (ISO 8601) or "TT.MM." (day and month
// of the year jahr, the shown year, JAHR_MIN..JAHR_MAX). ZEIT_OK and datum
// filled; ZEIT_FORM for another form; ZEIT_BEREICH for a year outside
// JAHR_MIN..JAHR_MAX; ZEIT_UNMOEGLICH for a date that does not exist. On an
// error datum is unchanged.
int32_t datum_lesen(const char* text, int32_t jahr, Datum& datum);

// "HH:MM" or "H" (a full hour): ZEIT_OK and zeit filled; ZEIT_FORM for another
// form; ZEIT_UNMOEGLICH for an hour outside 0..23 or a minute outside 0..59.
// On an error zeit is unchanged.
int32_t uhrzeit_lesen(const char* text, Uhrzeit& zeit);
