// Result codes of the moment's functions (zeit/): 0 done, negative a reason
// the caller can put into words.
#pragma once

#include <cstdint>

constexpr int32_t ZEIT_OK = 0;
// A text that is none of the accepted forms (letters, missing parts).
constexpr int32_t ZEIT_FORM = -1;
// A date or time that does not exist: 31.04., 29.02.2027, 24:00, 12:60.
constexpr int32_t ZEIT_UNMOEGLICH = -2;
// A year outside JAHR_MIN..JAHR_MAX, or a value (latitude, longitude, zone
// index, instant) outside its documented range.
constexpr int32_t ZEIT_BEREICH = -3;
// A zones file that cannot be read or breaks its format.
constexpr int32_t ZEIT_DATEI = -4;
// ERFA reported an error (it never should for values in range).
constexpr int32_t ZEIT_ERFA = -5;
