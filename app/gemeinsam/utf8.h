// Text in UTF-8 where the program's texts are Windows-1252: a name from a
// file written in UTF-8 is shown in the program's own code page.
#pragma once

#include <cstddef>

// When text[0..laenge) is valid UTF-8 with at least one character beyond
// ASCII, writes it as Windows-1252 into ziel (at most groesse - 1 bytes,
// cut at a character, always ended) and returns true; a character that
// Windows-1252 lacks becomes '?'. Otherwise (plain ASCII, or bytes that are
// no UTF-8, which are then taken as Windows-1252) returns false and leaves
// ziel alone.
bool utf8_nach_1252(const char* text, size_t laenge, char* ziel, size_t groesse);
