// Characters of the two encodings the programs meet: UTF-8 (paths, files
// written in it) and Windows-1252 (the programs' own texts), decoded in one
// place for the paths here and the names in sky/utf8.h.
#pragma once

#include <cstddef>
#include <cstdint>

// The character starting at text[i] (i < laenge) into zeichen and its length
// in bytes; 0 when the bytes there are no shortest-form UTF-8 of a character
// (an unfinished sequence, an overlong form, a surrogate, beyond U+10FFFF).
size_t utf8_zeichen(const char* text, size_t laenge, size_t i, uint32_t& zeichen);

// The code point of a Windows-1252 byte; the five bytes the code page leaves
// free (0x81, 0x8D, 0x8F, 0x90, 0x9D) stay themselves, as Windows maps them.
uint32_t zeichen_aus_1252(unsigned char byte);
// Whether the code page leaves the byte free.
inline bool frei_in_1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F && zeichen_aus_1252(byte) == byte;
}
