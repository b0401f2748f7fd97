// The places file "Orte.dat": observer's places with their geographic
// latitude, in file order, for the place list of the control panel.
//
// Each line holds fields separated by ';': the name, the latitude in decimal
// degrees (north positive), and further fields that are ignored. Runs of
// separators count as one, so empty fields do not count.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr int32_t MAX_ORTSNAME = 48;  // characters of a name kept; longer names are cut

struct Ort {
    char name[MAX_ORTSNAME + 1];
    int32_t breite;  // latitude in hundredths of a degree, -8999..8999
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
// latitude text that is not a number reads as 0.
int32_t ort_lesen(const char* zeile, Ort& ort);

// The index of the first place named name (as namen_gleich compares names:
// "muenchen" finds "München"), -1 when there is none.
int32_t ort_index(const Orte& orte, const char* name);

// Replaces the content of orte with the places of "Orte.dat" in verzeichnis
// (empty or null: the current directory). 0 done; -1 when the file cannot be
// opened (orte stays empty).
int32_t orte_laden(const char* verzeichnis, Orte& orte);

// The same from a file the caller opened (text mode) and closes.
void orte_lesen(std::FILE* datei, Orte& orte);
