// A star of the catalogue: its 24-byte file record and its proper name.
#pragma once

#include <cstdint>

constexpr int KLASSEN = 100;         // magnitude classes of 0.1 magnitude
constexpr int STERN_NUMMERN = 10000; // star numbers are 1..9999

#pragma pack(push, 1)
// The first 24 bytes are the file record exactly as stored (little-endian,
// helligkeit unaligned at offset 21: read it by value, never bind a reference
// or pointer to it); eigenname follows. The loader ends bezeichnung with a NUL
// whatever the file holds there.
// The fields of SternSatz::bezeichnung, one definition for everyone who
// reads a designation (the engine's labels, the hover popup).
constexpr int KENNUNG_FLAMSTEED = 0, KENNUNG_FLAMSTEED_LAENGE = 3;
constexpr int KENNUNG_BAYER = 3;        // three letters of the Greek letter's name
constexpr int KENNUNG_BAYER_INDEX = 6;  // the index digit of a Bayer letter
constexpr int KENNUNG_STERNBILD = 7, KENNUNG_STERNBILD_LAENGE = 3;

struct SternSatz {
    int16_t nummer;         // 0: star number 1..9999
    char bezeichnung[11];   // 2: Flamsteed (3), Bayer (3), index (1), constellation (3), NUL
    int8_t rekt_h;          // 13: right ascension hours 0..23
    int8_t rekt_m;          // 14: minutes 0..59
    int8_t rekt_s;          // 15: seconds 0..59
    int8_t rekt_z;          // 16: tenths of a second 0..9
    uint8_t dekl_vz;        // 17: bit 7 set = south
    int8_t dekl_g;          // 18: declination degrees 0..90
    int8_t dekl_m;          // 19: arcminutes 0..59
    int8_t dekl_s;          // 20: arcseconds 0..59
    int16_t helligkeit;     // 21: visual magnitude x 100
    char spektrum;          // 23: spectral class letter
    char* eigenname;        // proper name owned by the Himmel, or null; see iau_name
};
#pragma pack(pop)

constexpr int STERN_SATZ_BYTES = 24;
static_assert(sizeof(SternSatz) == STERN_SATZ_BYTES + sizeof(char*), "record layout");

// The IAU form of a name the catalogue gives in German ("Vega" for "Wega"),
// stored after the NUL of eigenname; "" when there is none or no name.
// Only for the records the Himmel loaded.
const char* iau_name(const SternSatz& s);

// Magnitude class 0..99 of a magnitude x 100; lower is brighter.
int32_t klasse_von(int32_t helligkeit);

// True for the one proper name that the chart sets to the left of its star:
// Alcor's, 12 arcminutes east of the brighter Mizar, so that the two labels
// do not run into each other. Matches the catalogue's spelling "Alcor", the
// German "Alkor" and the older "Alchor"; exact and case-sensitive.
bool links_beschriftet(const char* eigenname);

// True when star number n may index the per-number tables (berechnet and the like).
inline bool nummer_gueltig(int32_t n) { return n >= 1 && n < STERN_NUMMERN; }
