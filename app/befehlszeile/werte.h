// The values of the command line's switches read from their text: whole
// numbers within a range, and a date as one of the panel's half-months.
// Nothing but the expected digits and separators is taken, so "12x",
// " 12", "+12" and "1e2" are no numbers.
#pragma once

#include <cstdint>

// The decimal number text[0..laenge) (1 to 9 digits, nothing else) into
// wert when it lies within minimum..maximum; false otherwise.
bool zahl_lesen(const char* text, int32_t laenge, int32_t minimum, int32_t maximum, int32_t& wert);
// The same for a whole NUL-terminated text.
bool zahl_lesen(const char* text, int32_t minimum, int32_t maximum, int32_t& wert);

// A date as the German "TT.MM.", "TT.MM" or "TT.MM.JJJJ", or as "JJJJ-MM-TT",
// turned into the index 0..23 of the nearest of the panel's half-month dates
// (the 1st and the 15th of each month): days 1 to 7 give the 1st, 8 to 22
// the 15th, from the 23rd on the 1st of the next month (31 December gives
// 1 January). The day must exist in its month (29 February only in a leap
// year when a year is given; the year 1 to 9999). -1 for anything else.
int32_t halbmonat_lesen(const char* text);
