#include "kalender.h"


namespace {

bool schaltjahr(int32_t jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

// Floor division for the day counts, which are negative before 1970.
int64_t abrunden(int64_t a, int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

}  // namespace

int32_t tage_im_monat(int32_t jahr, int32_t monat) {
    static const int32_t TAGE[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12) return 0;
    return monat == 2 && schaltjahr(jahr) ? 29 : TAGE[monat - 1];
}

int32_t datum_pruefen(const Datum& datum) {
    if (datum.jahr < JAHR_MIN || datum.jahr > JAHR_MAX) return ZEIT_BEREICH;
    if (datum.tag < 1 || datum.tag > tage_im_monat(datum.jahr, datum.monat)) return ZEIT_UNMOEGLICH;
    return ZEIT_OK;
}

int32_t uhrzeit_pruefen(const Uhrzeit& zeit) {
    const bool gut = zeit.stunde >= 0 && zeit.stunde <= 23 && zeit.minute >= 0 && zeit.minute <= 59;
    return gut ? ZEIT_OK : ZEIT_UNMOEGLICH;
}

// The days of the 400-year cycles of the Gregorian calendar, counted in years
// that begin on 1 March so that the leap day is the last day of a year.
int64_t tage_seit_1970(const Datum& datum) {
    const int64_t j = datum.jahr - (datum.monat <= 2 ? 1 : 0);
    const int64_t zyklus = abrunden(j, 400);
    const int64_t jahr_im_zyklus = j - zyklus * 400;                        // 0..399
    const int64_t m = datum.monat > 2 ? datum.monat - 3 : datum.monat + 9;  // 0 = March
    const int64_t tag_im_jahr = (153 * m + 2) / 5 + datum.tag - 1;          // 0..365
    const int64_t tag_im_zyklus =
        jahr_im_zyklus * 365 + jahr_im_zyklus / 4 - jahr_im_zyklus / 100 + tag_im_jahr;
    return zyklus * 146097 + tag_im_zyklus - 719468;  // 719468: 0000-03-01 to 1970-01-01
}

Datum datum_aus_tagen(int64_t tage) {
    const int64_t t = tage + 719468;
    const int64_t zyklus = abrunden(t, 146097);
    const int64_t tag_im_zyklus = t - zyklus * 146097;  // 0..146096
    const int64_t jahr_im_zyklus =
        (tag_im_zyklus - tag_im_zyklus / 1460 + tag_im_zyklus / 36524 - tag_im_zyklus / 146096) / 365;
    const int64_t tag_im_jahr =
        tag_im_zyklus - (365 * jahr_im_zyklus + jahr_im_zyklus / 4 - jahr_im_zyklus / 100);
    const int64_t m = (5 * tag_im_jahr + 2) / 153;  // 0 = March
    Datum d;
    d.tag = static_cast<int32_t>(tag_im_jahr - (153 * m + 2) / 5 + 1);
    d.monat = static_cast<int32_t>(m < 10 ? m + 3 : m - 9);
    d.jahr = static_cast<int32_t>(jahr_im_zyklus + zyklus * 400 + (d.monat <= 2 ? 1 : 0));
    return d;
}

int32_t wochentag(const Datum& datum) {
    // 1970-01-01 was a Thursday (3).
    const int64_t t = tage_seit_1970(datum) + 3;
    return static_cast<int32_t>(t - abrunden(t, 7) * 7);
}

int32_t tag_im_jahr(const Datum& datum) {
    return static_cast<int32_t>(tage_seit_1970(datum) - tage_seit_1970(Datum{datum.jahr, 1, 1})) + 1;
}

int32_t datum_aus_tag_im_jahr(int32_t jahr, int32_t tag, Datum& datum) {
    if (tag < 1 || tag > (schaltjahr(jahr) ? 366 : 365)) return ZEIT_UNMOEGLICH;
    datum = datum_aus_tagen(tage_seit_1970(Datum{jahr, 1, 1}) + tag - 1);
    return ZEIT_OK;
}
