#include "bedienfeld/momentregeln.h"

#include "ortszeit.h"

namespace {

constexpr int64_t STUNDE = 3600;  // seconds

}  // namespace

int32_t halbmonat_des_tages(int32_t monat, int32_t tag) {
    const int32_t erster = 2 * (monat - 1);
    if (tag <= 7) return erster;
    if (tag <= 22) return erster + 1;
    return (erster + 2) % 24;
}

Datum datum_des_halbmonats(int32_t jahr, int32_t halbmonat) {
    return {jahr, halbmonat / 2 + 1, halbmonat % 2 ? 15 : 1};
}

int32_t moment_nach_sternzeit(const Zonen& zonen, Moment& moment, double sternzeit, int32_t fest) {
    if (fest == 2) {
        Datum datum{};
        const int32_t e = datum_fuer_sternzeit(zonen, moment, sternzeit, datum);
        if (e == ZEIT_OK) moment.datum = datum;
        return e;
    }
    Uhrzeit zeit{};
    const int32_t e = uhrzeit_fuer_sternzeit(zonen, moment, sternzeit, zeit);
    if (e == ZEIT_OK) moment.zeit = zeit;
    return e;
}

int32_t moment_schritt(const Zonen& zonen, Moment& moment, int32_t stunden, int32_t tage) {
    int32_t e = datum_pruefen(moment.datum);
    if (e != ZEIT_OK) return e;
    Moment neu = moment;
    neu.datum = datum_aus_tagen(tage_seit_1970(moment.datum) + tage);
    if (neu.datum.jahr < JAHR_MIN || neu.datum.jahr > JAHR_MAX) return ZEIT_BEREICH;
    if (stunden != 0) {
        int64_t utc = 0;
        e = utc_aus_ortszeit(zonen, neu.ort.zone, neu.datum, neu.zeit, utc);
        if (e != ZEIT_OK) return e;
        e = ortszeit_aus_utc(zonen, neu.ort.zone, utc + stunden * STUNDE, neu.datum, neu.zeit, nullptr);
        if (e != ZEIT_OK) return e;
    }
    moment = neu;
    return ZEIT_OK;
}

int32_t moment_der_uhr(const Zonen& zonen, int64_t utc, Moment& moment) {
    Datum datum{};
    Uhrzeit zeit{};
    const int32_t e = ortszeit_aus_utc(zonen, moment.ort.zone, utc, datum, zeit, nullptr);
    if (e != ZEIT_OK) return e;
    moment.datum = datum;
    moment.zeit = zeit;
    return ZEIT_OK;
}
