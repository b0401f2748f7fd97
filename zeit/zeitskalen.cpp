#include "zeitskalen.h"

#include <initializer_list>

#include "erfa.h"
#include "kalender.h"

namespace {

constexpr double JD_1970 = 2440587.5;     // Julian date of 1970-01-01 00:00
constexpr double TT_MINUS_TAI = 32.184;   // seconds
constexpr int64_t TAG = 86400;            // seconds

double polynom(double t, std::initializer_list<double> k) {
    double summe = 0.0;
    for (auto it = k.end(); it != k.begin();) summe = summe * t + *--it;
    return summe;
}

}  // namespace

double delta_t(double y) {
    const double u = (y - 1820.0) / 100.0;
    if (y < 1700.0 || y >= 2150.0) return -20.0 + 32.0 * u * u;
    if (y < 1800.0)
        return polynom(y - 1700.0, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0});
    if (y < 1860.0)
        return polynom(y - 1800.0, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                                    -0.0000001699, 0.000000000875});
    if (y < 1900.0)
        return polynom(y - 1860.0, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0});
    if (y < 1920.0) return polynom(y - 1900.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941.0) return polynom(y - 1920.0, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961.0) return polynom(y - 1950.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0});
    if (y < 1986.0) return polynom(y - 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
    if (y < 2005.0)
        return polynom(y - 2000.0, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050.0) return polynom(y - 2000.0, {62.92, 0.32217, 0.005589});
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

int32_t zeitskalen_aus_utc(int64_t utc, Zeitskalen& skalen) {
    const int64_t tage = utc / TAG - (utc % TAG < 0 ? 1 : 0);
    // Civil dates of the range lie up to a day beyond it in UTC.
    if (tage < tage_seit_1970(Datum{JAHR_MIN, 1, 1}) - 1 || tage > tage_seit_1970(Datum{JAHR_MAX, 12, 31}) + 1)
        return ZEIT_BEREICH;
    const Datum d = datum_aus_tagen(tage);
    const double tagesbruchteil = static_cast<double>(utc - tage * TAG) / TAG;  // 0..1

    // TT - UTC: the leap-second table where ERFA vouches for it (status 0);
    // ERFA's +1 means before 1960 or past its table's end, where UTC stands
    // for UT1 and the delta-T model gives TT - UT1.
    double tai_minus_utc = 0.0;
    const int status = eraDat(d.jahr, d.monat, d.tag, tagesbruchteil, &tai_minus_utc);
    if (status < 0) return ZEIT_ERFA;
    const double jd = JD_1970 + static_cast<double>(tage);
    const double tt_minus_utc = status == 0
        ? tai_minus_utc + TT_MINUS_TAI
        : delta_t(2000.0 + (jd + tagesbruchteil - 2451544.5) / 365.2425);
    skalen.ut1_1 = jd;
    skalen.ut1_2 = tagesbruchteil;
    skalen.tt_1 = jd;
    skalen.tt_2 = tagesbruchteil + tt_minus_utc / TAG;
    return ZEIT_OK;
}
