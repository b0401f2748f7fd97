#include "himmelsmitte.h"

#include "himmelszeit.h"
#include "zeitskalen.h"

Himmelsmitte himmelsmitte(bool moment, int64_t utc, double breite, double laenge,
                          double sternzeit_original) {
    Himmelsmitte m{sternzeit_original, breite};
    if (!moment) return m;
    Zeitskalen skalen{};
    double rekt = 0, dekl = 0;
    if (zeitskalen_aus_utc(utc, skalen) != ZEIT_OK || zenit_j2000(skalen, breite, laenge, rekt, dekl) != ZEIT_OK)
        return m;
    return {rekt, dekl};
}

double meridian_laenge(int32_t utc_versatz_minuten) {
    const double laenge = utc_versatz_minuten / 4.0;  // 4 minutes of clock time per degree
    return laenge > 180 ? 180 : laenge < -180 ? -180 : laenge;
}
