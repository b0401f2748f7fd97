// Text in UTF-8 where the program's texts are Windows-1252: a name from a
// file written in UTF-8 is shown in the program's own code page.
#pragma once

#include <cstddef>
#include <cstdint>

#include "zeichen.h"  // utf8_zeichen

// When text[0..laenge) is valid UTF-8 with at least one character beyond
// ASCII, writes it as Windows-1252 into ziel (at most groesse - 1 bytes,
// cut at a character, always ended) and returns true; a character that
// Windows-1252 lacks becomes '?'. Otherwise (plain ASCII, or bytes that are
// no UTF-8, which are then taken as Windows-1252) returns false and leaves
// ziel alone.
bool utf8_nach_1252(const char* text, size_t laenge, char* ziel, size_t groesse);

// The Windows-1252 byte of a code point, '?' where the code page lacks it.
char zeichen_1252(uint32_t zeichen);

// Windows-1252 text as UTF-8 into ziel (at most groesse - 1 bytes, cut at a
// character, always ended when groesse > 0); a byte the code page leaves
// undefined becomes '?'.
void utf8_aus_1252(const char* text, char* ziel, size_t groesse);

// Appends code point zeichen (below U+10000) as UTF-8 to ziel at *laenge when
// it fits before groesse - 1, moving *laenge on; false when it does not fit.
bool utf8_anhaengen(uint32_t zeichen, char* ziel, size_t groesse, size_t& laenge);
