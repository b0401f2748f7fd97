#include "koerperstand.h"

#include "ortszeit.h"
#include "zeitskalen.h"

const Koerperlage* Koerperstand::bei(int64_t utc, double breite, double laenge) {
    if (!berechnet || utc != utc_ || breite != breite_ || laenge != laenge_) {
        berechnet = true;
        utc_ = utc;
        breite_ = breite;
        laenge_ = laenge;
        Zeitskalen skalen{};
        gueltig = zeitskalen_aus_utc(utc, skalen) == ZEIT_OK &&
                  koerper_berechnen(skalen, breite, laenge, lage) == KOERPER_OK;
    }
    return gueltig ? &lage : nullptr;
}

const Koerperlage* koerper_des_moments(Koerperstand& stand, const Zonen& zonen, const Moment& moment) {
    int64_t utc = 0;
    if (utc_aus_ortszeit(zonen, moment.ort.zone, moment.datum, moment.zeit, utc) != ZEIT_OK) return nullptr;
    return stand.bei(utc, moment.ort.breite, moment.ort.laenge);
}
