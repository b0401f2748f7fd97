// Finding an object of the sky by what a user types: a star by its proper
// name (the German form or the IAU's) or its designation ("α Lyr",
// "alpha Lyr", "alf Lyr", "eps1 Lyr", "10 UMa", "HR 7001"), a constellation
// by its Latin or German name or its abbreviation, the Sun, the Moon or a
// planet by its German name; case does not matter and ä, ö, ü, ß may be
// written ae, oe, ue, ss. Portable.
#pragma once

#include <cstdint>

#include "himmel.h"

enum class Fundart : int32_t { KEINER, STERN, STERNBILD, KOERPER };

constexpr int32_t FUND_TEXT = 80;  // bytes of a find's text, NUL included

struct Fund {
    Fundart art;
    // STERN: magnitude class and position within it (Himmel::stern_saetze);
    // STERNBILD: index into Himmel::sternbilder (klasse 0); KOERPER: the
    // KoerperArt (klasse 0).
    int32_t klasse, index;
    // What the suggestions show, UTF-8: "Wega (α Lyr)", "Orion (Ori)",
    // "Ursa Major, Großer Bär (UMa)", "Mars".
    char text[FUND_TEXT];
};

// The object text (UTF-8, as typed) names in full: a body's name, a
// constellation's name or abbreviation, a star's name, a designation (of
// several stars that share a Bayer letter without its index, the
// brightest); art KEINER when it names none.
Fund himmel_finden(const Himmel& himmel, const char* text);

// The suggestions while text is typed, at most max into funde, the number
// returned: the object text names in full first, then the bodies, the
// constellations and the stars (brightest first) one of whose names begins
// with text. None for an empty text.
int32_t himmel_vorschlaege(const Himmel& himmel, const char* text, Fund* funde, int32_t max);
