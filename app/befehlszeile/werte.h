// The values of the command line's switches read from their text: whole
// numbers within a range (dates and times are read by zeit/eingabe.h).
// Nothing but the expected digits and separators is taken, so "12x",
// " 12", "+12" and "1e2" are no numbers.
#pragma once

#include <cstdint>

// The decimal number text[0..laenge) (1 to 9 digits, nothing else) into
// wert when it lies within minimum..maximum; false otherwise.
bool zahl_lesen(const char* text, int32_t laenge, int32_t minimum, int32_t maximum, int32_t& wert);
// The same for a whole NUL-terminated text.
bool zahl_lesen(const char* text, int32_t minimum, int32_t maximum, int32_t& wert);
