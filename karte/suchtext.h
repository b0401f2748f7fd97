// The text a user types into the search, in the form the catalogue's names
// and designations are compared in: Windows-1252, Greek letters as the
// catalogue's three-letter abbreviations of the Bayer letters. Portable.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t SUCHTEXT = 80;  // bytes of a prepared text, NUL included

// text (UTF-8, as typed) into ziel: a Greek letter (small or capital, also
// final sigma and the curly phi) becomes the catalogue's abbreviation ("Alp",
// "Mu"), a superscript digit the digit, any other character its Windows-1252
// byte or '?'; blanks at both ends go and blanks in a row become one.
// Invalid UTF-8 bytes are taken as Windows-1252. Cut at SUCHTEXT - 1 bytes.
void suchtext(const char* text, char ziel[SUCHTEXT]);

// The catalogue's abbreviation (three characters, "Mu " padded) of the Greek
// letter a user spelled as wort: its abbreviation, its name ("alpha",
// "omikron" or "omicron") or the three letters of the other catalogues
// ("alf", "tet", "ksi"), any case; null when wort is no Greek letter.
const char* bayer_abkuerzung(const char* wort);

// The Greek letter (code point) of the catalogue's abbreviation abk (three
// characters); 0 when it is none.
uint32_t bayer_zeichen(const char* abk);
