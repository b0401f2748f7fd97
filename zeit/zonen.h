// The time zones of the places: the file "Zonen.dat" beside Orte.dat,
// generated from tzdata by tools/daten/zonen.py.
//
// Text, one record a line (CR LF or LF, at most 255 characters), fields
// separated by ';'. Offsets are seconds east of UTC (+3600 for CET: the
// opposite sign of a POSIX TZ string), instants are UTC seconds since
// 1970-01-01 00:00 without leap seconds.
//   # ...                                   a comment
//   Z;name;std;stdoff[;dst;dstoff;M.W.D;zeit;M.W.D;zeit]
//       a zone (its tzdata name) and its current rule, which holds outside
//       the table: the standard abbreviation and offset and, for a zone with
//       summer time, the summer abbreviation and offset and the changes in
//       POSIX's Mm.w.d form (month 1..12, week 1..5 with 5 the last, weekday
//       0 = Sunday) at zeit seconds (-167..167 h) local time, the start in
//       standard time, the end in summer time.
//   Y;offset;abbr;dst      a local time type of the zone above (index in order from 0)
//   U;instant;type         from that instant on that type; ascending, the
//                          first at ZONEN_TABELLE_ANFANG, all before ZONEN_TABELLE_ENDE
//   O;place;zone           the zone of the place named as in Orte.dat (bytes
//                          compared exactly); a zone defined above
// A line whose first character is none of these is ignored (later additions).
// Offsets lie within +-ZONEN_VERSATZ_MAX, abbreviations are 1..ZONEN_ABK
// characters of letters, digits, '+' and '-'. A zone's transitions, and the
// changes of its rule in every year, lie more than ZONEN_WECHSEL_ABSTAND
// apart (tzdata's closest since 1970 are three weeks apart): a civil time
// then falls near one change at most, which turning it into UTC relies on.
//
// Places are keyed by name, not by their line in Orte.dat, so that readers of
// Orte.dat's old three fields and Orte.dat's own line format stay untouched,
// and a hand-edited Orte.dat never puts a place into another place's zone.
#pragma once

#include <cstdint>
#include <cstdio>

#include "ergebnis.h"

constexpr int64_t ZONEN_TABELLE_ANFANG = 0;           // 1970-01-01 00:00 UTC
constexpr int64_t ZONEN_TABELLE_ENDE = 2145916800;    // 2038-01-01 00:00 UTC
constexpr int32_t ZONEN_VERSATZ_MAX = 18 * 3600;      // seconds
constexpr int32_t ZONEN_ABK = 7;                      // characters of an abbreviation
constexpr int32_t ZONEN_NAME = 47;                    // characters of a zone name
constexpr int32_t ZONEN_ORTSNAME = 48;                // characters of a place name (as Orte.dat's)
constexpr int64_t ZONEN_WECHSEL_ABSTAND = 2 * 86400;  // seconds, exclusive

// A local time type: what the clocks show while it is in force.
struct ZonenTyp {
    int32_t versatz;               // seconds east of UTC, +-ZONEN_VERSATZ_MAX
    int32_t sommerzeit;            // 1 summer (daylight-saving) time, else 0
    char abk[ZONEN_ABK + 1];       // "CET", "CEST", "+03"
};

// A change of the current rule: the weekday tag (0 = Sunday) of week woche
// (1..4, 5 = the last) of monat (1..12), at sekunden local time (-167..167 h,
// so it may fall on another day).
struct ZonenWechsel {
    int32_t monat;
    int32_t woche;
    int32_t tag;
    int32_t sekunden;
};

struct ZonenRegel {
    ZonenTyp normal;
    int32_t mit_sommerzeit;        // 1: sommer, beginn and ende are used
    ZonenTyp sommer;
    ZonenWechsel beginn;           // in normal time
    ZonenWechsel ende;             // in summer time
};

struct Zone {
    char name[ZONEN_NAME + 1];     // "Europe/Berlin"
    ZonenRegel regel;              // outside the table
    int32_t erster_typ, typen;     // in Zonen's types
    int32_t erster_wechsel, wechsel;  // in Zonen's transitions, >= 1
};

struct ZonenUebergang {
    int64_t utc;                   // seconds since 1970, within the table
    int32_t typ;                   // index among the zone's types
};

// The zones of one file. Owns its arrays.
class Zonen {
public:
    Zonen() = default;
    ~Zonen();
    Zonen(const Zonen&) = delete;
    Zonen& operator=(const Zonen&) = delete;

    int32_t anzahl() const { return zonen_zahl; }
    const Zone* zone(int32_t index) const;               // null outside 0..anzahl()-1
    const ZonenTyp* typ(const Zone& zone, int32_t i) const;       // null outside 0..typen-1
    const ZonenUebergang* uebergang(const Zone& zone, int32_t i) const;  // null outside 0..wechsel-1
    // The zone of the place named ortsname, or -1.
    int32_t zone_des_orts(const char* ortsname) const;
    // The zone named name ("Europe/Berlin"), or -1.
    int32_t zone_index(const char* name) const;
    void leeren();

private:
    friend int32_t zonen_lesen(std::FILE* datei, Zonen& zonen);
    struct OrtsZone {
        char name[ZONEN_ORTSNAME + 1];
        int32_t zone;
    };
    Zone* zonen_liste = nullptr;
    int32_t zonen_zahl = 0, zonen_platz = 0;
    ZonenTyp* typen_liste = nullptr;
    int32_t typen_zahl = 0, typen_platz = 0;
    ZonenUebergang* wechsel_liste = nullptr;
    int32_t wechsel_zahl = 0, wechsel_platz = 0;
    OrtsZone* orte_liste = nullptr;
    int32_t orte_zahl = 0, orte_platz = 0;
};

// The instant (UTC seconds) of a change of a rule in jahr, its local time
// read with the offset versatz (seconds east) in force before it.
int64_t regel_wechsel_utc(const ZonenWechsel& wechsel, int32_t jahr, int32_t versatz);

// Replaces the content of zonen with the zones of a file the caller opened
// (binary or text mode) and closes. ZEIT_OK; ZEIT_DATEI when any record
// breaks the format above or a zone has no transition (zonen is left empty:
// a zone with one wrong offset would show wrong times silently).
int32_t zonen_lesen(std::FILE* datei, Zonen& zonen);
