#include "moment.h"

#include <cmath>

#include "erfa.h"
#include "erfam.h"
#include "himmelszeit.h"
#include "ortszeit.h"
#include "zeitskalen.h"

namespace {

constexpr double SIDERISCH_JE_SOLAR = 1.00273781191135448;  // Earth rotation angle per UT1 day
constexpr double STERNTAG = 86400.0 / SIDERISCH_JE_SOLAR;   // seconds of UT1

// Hours into (-12, 12].
double abweichung(double stunden) {
    const double h = std::fmod(stunden, 24.0);
    return h > 12.0 ? h - 24.0 : h <= -12.0 ? h + 24.0 : h;
}

int32_t ort_pruefen(const Standort& ort) {
    const bool gut = ort.breite >= -90.0 && ort.breite <= 90.0 && ort.laenge >= -180.0 &&
                     ort.laenge <= 180.0;
    return gut ? ZEIT_OK : ZEIT_BEREICH;
}

int32_t sternzeit_bei(int64_t utc, double laenge, double& stunden) {
    Zeitskalen s;
    const int32_t ergebnis = zeitskalen_aus_utc(utc, s);
    return ergebnis == ZEIT_OK ? sternzeit(s, laenge, stunden) : ergebnis;
}

}  // namespace

int32_t himmelslage(const Zonen& zonen, const Moment& moment, Himmelslage& lage) {
    int32_t ergebnis = ort_pruefen(moment.ort);
    Himmelslage l;
    Zeitskalen s;
    if (ergebnis == ZEIT_OK)
        ergebnis = utc_aus_ortszeit(zonen, moment.ort.zone, moment.datum, moment.zeit, l.utc);
    if (ergebnis == ZEIT_OK) ergebnis = zeitskalen_aus_utc(l.utc, s);
    if (ergebnis == ZEIT_OK) ergebnis = sternzeit(s, moment.ort.laenge, l.sternzeit);
    if (ergebnis == ZEIT_OK)
        ergebnis = zenit_j2000(s, moment.ort.breite, moment.ort.laenge, l.rekt_j2000, l.dekl_j2000);
    if (ergebnis == ZEIT_OK) lage = l;
    return ergebnis;
}

int32_t uhrzeit_fuer_sternzeit(const Zonen& zonen, const Moment& moment, double sternzeit_soll,
                               Uhrzeit& zeit) {
    if (!std::isfinite(sternzeit_soll)) return ZEIT_BEREICH;
    Moment m = moment;
    m.zeit = Uhrzeit{0, 0};
    Himmelslage mitternacht;
    int32_t ergebnis = himmelslage(zonen, m, mitternacht);
    if (ergebnis != ZEIT_OK) return ergebnis;

    // The civil day in UTC: 24 hours, one more or less where clocks change.
    const int64_t anfang = mitternacht.utc;
    ZonenAngabe vorher, nachher;
    zone_angabe(zonen, m.ort.zone, anfang, vorher);
    zone_angabe(zonen, m.ort.zone, anfang + 86400, nachher);
    const int64_t ende = anfang + 86400 + vorher.versatz - nachher.versatz;

    // The first instant from midnight on with that sidereal time, at the
    // sidereal rate and then once corrected for nutation's small wobble.
    double utc = static_cast<double>(anfang) +
                 std::fmod(abweichung(sternzeit_soll - mitternacht.sternzeit) + 24.0, 24.0) * 3600.0 /
                     SIDERISCH_JE_SOLAR;
    double lst;
    if ((ergebnis = sternzeit_bei(static_cast<int64_t>(std::llround(utc)), m.ort.laenge, lst)) != ZEIT_OK)
        return ergebnis;
    utc += abweichung(sternzeit_soll - lst) * 3600.0 / SIDERISCH_JE_SOLAR;
    if (utc >= static_cast<double>(ende)) {
        // Not on this day (it is shorter than a sidereal day): the end nearer to it.
        const double davor = static_cast<double>(anfang) - (utc - STERNTAG);
        utc = davor < utc - static_cast<double>(ende) ? static_cast<double>(anfang)
                                                        : static_cast<double>(ende - 60);
    }
    int64_t minute = static_cast<int64_t>(std::floor((utc + 30.0) / 60.0)) * 60;
    if (minute < anfang) minute = anfang;
    if (minute > ende - 60) minute = ende - 60;
    Datum d;
    Uhrzeit u;
    if ((ergebnis = ortszeit_aus_utc(zonen, m.ort.zone, minute, d, u, nullptr)) != ZEIT_OK) return ergebnis;
    int64_t zurueck;
    if ((ergebnis = utc_aus_ortszeit(zonen, m.ort.zone, d, u, zurueck)) != ZEIT_OK) return ergebnis;
    if (zurueck != minute) {
        // The second pass of an hour the clocks repeat, which a civil time
        // does not name (it means the first): the nearer end of that pass,
        // the last minute before it or the first after it.
        const int64_t wiederholt = minute - zurueck;  // the hour set back, seconds
        int64_t unten = zurueck, oben = minute;        // the pass begins in (unten, oben]
        while (oben - unten > 1) {
            const int64_t mitte = unten + (oben - unten) / 2;
            ZonenAngabe a;
            zone_angabe(zonen, m.ort.zone, mitte, a);
            if (a.versatz == nachher.versatz) oben = mitte;
            else unten = mitte;
        }
        minute = minute - oben < wiederholt / 2 ? oben - 60 : oben + wiederholt;
        if ((ergebnis = ortszeit_aus_utc(zonen, m.ort.zone, minute, d, u, nullptr)) != ZEIT_OK) return ergebnis;
    }
    zeit = u;
    return ZEIT_OK;
}

int32_t datum_fuer_sternzeit(const Zonen& zonen, const Moment& moment, double sternzeit_soll,
                             Datum& datum) {
    if (!std::isfinite(sternzeit_soll)) return ZEIT_BEREICH;
    int32_t ergebnis = ort_pruefen(moment.ort);
    if (ergebnis != ZEIT_OK) return ergebnis;
    // Mean sidereal time decides: a day moves it by 3 min 56 s, nutation by
    // at most 1.2 s.
    const int32_t tage = tag_im_jahr(Datum{moment.datum.jahr, 12, 31});
    Datum bestes{};
    double beste_abweichung = 99.0;  // hours; every real one is at most 12
    for (int32_t tag = 1; tag <= tage; ++tag) {
        Datum d;
        int64_t utc;
        Zeitskalen s;
        ergebnis = datum_aus_tag_im_jahr(moment.datum.jahr, tag, d);
        if (ergebnis == ZEIT_OK) ergebnis = utc_aus_ortszeit(zonen, moment.ort.zone, d, moment.zeit, utc);
        if (ergebnis == ZEIT_OK) ergebnis = zeitskalen_aus_utc(utc, s);
        if (ergebnis != ZEIT_OK) return ergebnis;
        const double gmst = eraGmst06(s.ut1_1, s.ut1_2, s.tt_1, s.tt_2) * 12.0 / ERFA_DPI;
        const double a = std::fabs(abweichung(gmst + moment.ort.laenge / 15.0 - sternzeit_soll));
        if (a < beste_abweichung) {
            beste_abweichung = a;
            bestes = d;
        }
    }
    datum = bestes;
    return ZEIT_OK;
}
