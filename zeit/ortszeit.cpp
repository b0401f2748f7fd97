#include "ortszeit.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int64_t TAG = 86400;  // seconds

int64_t abrunden(int64_t a, int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

int32_t jahr_von(int64_t utc) {
    return datum_aus_tagen(abrunden(utc, TAG)).jahr;
}

// The type in force at utc by the current rule: the latest change at or
// before utc among those of the year before, the year and the year after
// (a change's local time may lie up to a week off its day).
const ZonenTyp& regel_typ(const ZonenRegel& r, int64_t utc) {
    if (!r.mit_sommerzeit) return r.normal;
    const ZonenTyp* typ = nullptr;
    int64_t zuletzt = INT64_MIN;
    const int32_t jahr = jahr_von(utc);
    for (int32_t j = jahr - 1; j <= jahr + 1; ++j) {
        const int64_t beginn = regel_wechsel_utc(r.beginn, j, r.normal.versatz);
        const int64_t ende = regel_wechsel_utc(r.ende, j, r.sommer.versatz);
        if (beginn <= utc && beginn > zuletzt) { zuletzt = beginn; typ = &r.sommer; }
        if (ende <= utc && ende > zuletzt) { zuletzt = ende; typ = &r.normal; }
    }
    return typ ? *typ : r.normal;
}

const ZonenTyp& typ_bei(const Zonen& zonen, const Zone& zone, int64_t utc) {
    if (utc < ZONEN_TABELLE_ANFANG || utc >= ZONEN_TABELLE_ENDE) return regel_typ(zone.regel, utc);
    // The last transition at or before utc; the first is at the table's start.
    int32_t unten = 0, oben = zone.wechsel - 1;
    while (unten < oben) {
        const int32_t mitte = unten + (oben - unten + 1) / 2;
        if (zonen.uebergang(zone, mitte)->utc <= utc) unten = mitte;
        else oben = mitte - 1;
    }
    return *zonen.typ(zone, zonen.uebergang(zone, unten)->typ);
}

}  // namespace

int32_t zone_angabe(const Zonen& zonen, int32_t zone, int64_t utc, ZonenAngabe& angabe) {
    const Zone* z = zonen.zone(zone);
    if (!z) return ZEIT_BEREICH;
    const ZonenTyp& t = typ_bei(zonen, *z, utc);
    angabe.versatz = t.versatz;
    angabe.sommerzeit = t.sommerzeit;
    memcpy(angabe.abk, t.abk, sizeof angabe.abk);
    return ZEIT_OK;
}

int32_t ortszeit_aus_utc(const Zonen& zonen, int32_t zone, int64_t utc, Datum& datum, Uhrzeit& zeit,
                         ZonenAngabe* angabe) {
    ZonenAngabe a;
    if (zone_angabe(zonen, zone, utc, a) != ZEIT_OK) return ZEIT_BEREICH;
    const int64_t ortszeit = utc + a.versatz;
    const int64_t tage = abrunden(ortszeit, TAG);
    const Datum d = datum_aus_tagen(tage);
    if (d.jahr < JAHR_MIN || d.jahr > JAHR_MAX) return ZEIT_BEREICH;
    const int64_t sekunden = ortszeit - tage * TAG;
    datum = d;
    zeit = Uhrzeit{static_cast<int32_t>(sekunden / 3600), static_cast<int32_t>(sekunden % 3600 / 60)};
    if (angabe) *angabe = a;
    return ZEIT_OK;
}

// Transitions lie more than two days apart (see zonen.h), so the offsets a day before and
// a day after the civil time are the only ones that can hold at it.
int32_t utc_aus_ortszeit(const Zonen& zonen, int32_t zone, const Datum& datum, const Uhrzeit& zeit,
                         int64_t& utc) {
    int32_t ergebnis = datum_pruefen(datum);
    if (ergebnis == ZEIT_OK) ergebnis = uhrzeit_pruefen(zeit);
    if (ergebnis != ZEIT_OK) return ergebnis;
    const Zone* z = zonen.zone(zone);
    if (!z) return ZEIT_BEREICH;
    const int64_t ortszeit = tage_seit_1970(datum) * TAG + zeit.stunde * 3600 + zeit.minute * 60;
    const int32_t vorher = typ_bei(zonen, *z, ortszeit - TAG).versatz;
    const int32_t nachher = typ_bei(zonen, *z, ortszeit + TAG).versatz;
    const bool gilt_vorher = typ_bei(zonen, *z, ortszeit - vorher).versatz == vorher;
    const bool gilt_nachher = typ_bei(zonen, *z, ortszeit - nachher).versatz == nachher;
    if (gilt_vorher && gilt_nachher) {
        utc = ortszeit - (vorher > nachher ? vorher : nachher);  // twice: the earlier instant
    } else if (gilt_nachher) {
        utc = ortszeit - nachher;
    } else {
        utc = ortszeit - vorher;  // also in the hour skipped: the offset before the jump
    }
    return ZEIT_OK;
}

int32_t zone_des_meridians(const Zonen& zonen, double laenge) {
    if (!(laenge >= -180.0 && laenge <= 180.0)) return -1;
    const int32_t stunden = static_cast<int32_t>(std::lround(laenge / 15.0));
    char name[24];  // "Etc/GMT" and a sign with at most 11 characters
    // tzdata's fixed zones name the offset with POSIX's sign: Etc/GMT-1 is UTC+1.
    if (stunden == 0) snprintf(name, sizeof name, "Etc/GMT");
    else snprintf(name, sizeof name, "Etc/GMT%+d", -stunden);
    return zonen.zone_index(name);
}
