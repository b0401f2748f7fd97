// The places file "Orte.dat": observer's places with their geographic
// latitude, in file order, for the place list of the control panel.
//
// Each line holds fields separated by ';': the name, the latitude in decimal
// degrees (north positive), the longitude in decimal degrees (east positive),
// and further fields that are ignored. Runs of separators count as one, so
// empty fields do not count. A NUL byte ends the line's text (the rest of
// that line is dropped). The file may be Windows-1252 or UTF-8, with or
// without the UTF-8 byte-order mark: a name that is valid UTF-8 is taken as
// UTF-8 and kept in Windows-1252, the program's code page ('?' for what
// Windows-1252 lacks; namen_gleich then finds it as typed); any other name
// is taken as Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "zonen.h"

constexpr int32_t MAX_ORTSNAME = 48;  // characters of a name kept; longer names are cut
// A file is read up to 10,000 places or 10 MB, whichever comes first: that
// many places fill the panel's list in a quarter of a second under Wine (each
// place costs the list about 45 us; 100,000 took five seconds); the rest is
// left out and the reader says so.
constexpr int32_t ORTE_MAX = 10000;
constexpr size_t ORTE_BYTES_MAX = 10 * 1024 * 1024;
constexpr int32_t ORTE_GEKUERZT = 1;  // result: the file was read up to the limit

struct Ort {
    char name[MAX_ORTSNAME + 1];
    int32_t breite;  // latitude in hundredths of a degree, -8999..8999
    int32_t laenge;  // longitude in hundredths of a degree east, -18000..18000
};

// The places in file order. Owns its array.
class Orte {
public:
    Orte() = default;
    ~Orte();
    Orte(const Orte&) = delete;
    Orte& operator=(const Orte&) = delete;

    int32_t anzahl() const { return zahl; }
    const Ort* ort(int32_t index) const;  // null outside 0..anzahl()-1
    int32_t anhaengen(const Ort& ort);     // 0, or -1 when memory runs out
    void leeren();

private:
    Ort* liste = nullptr;
    int32_t zahl = 0;
    int32_t platz = 0;
};

// One line of the file (a trailing line break is allowed). 0 and ort filled
// when the line is a place; -1 when it has no name or no latitude field, or
// when its latitude lies outside -90..90 (such a line is skipped entirely, so
// every place keeps its own latitude). Exactly +-90 is taken as +-89.99; a
// latitude text that is not a number reads as 0. The longitude is the third
// field; a line without one, or with one outside -180..180, counts as lying
// on the meridian of Greenwich (0): the lines of an older file stay places.
int32_t ort_lesen(const char* zeile, Ort& ort);

// The index of the first place named name (as namen_gleich compares names:
// "muenchen" finds "München"), -1 when there is none.
int32_t ort_index(const Orte& orte, const char* name);

// Replaces the content of orte with the places of "Orte.dat" in verzeichnis
// (empty or null: the current directory). 0 done; ORTE_GEKUERZT when only
// the places up to the limit were read; -1 when the file cannot be opened
// (orte stays empty).
int32_t orte_laden(const char* verzeichnis, Orte& orte);

// The same from a file the caller opened (binary) and closes: 0 or ORTE_GEKUERZT.
int32_t orte_lesen(std::FILE* datei, Orte& orte);

// Replaces the content of zonen with the zones of "Zonen.dat" in verzeichnis
// (empty or null: the current directory), the places' time zones beside
// Orte.dat. The result of zonen_lesen (zeit/zonen.h); ZEIT_DATEI when the
// file cannot be opened (zonen stays empty).
int32_t zonen_laden(const char* verzeichnis, Zonen& zonen);
