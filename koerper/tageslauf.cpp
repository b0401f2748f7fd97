#include "tageslauf.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "ephemeride.h"

namespace {

// 34' of refraction at the horizon, radians.
constexpr double REFRAKTION = 34.0 / 60.0 * ERFA_DD2R;
// Radii of the Sun and the Moon, km, for their upper limbs.
constexpr double SONNE_KM = 695700.0, MOND_KM = 1737.4;
// Sampling step, seconds: no rising and setting of a body at a place away
// from grazing lie closer together than this (the Moon's day is 24 h 50 min).
constexpr double SCHRITT = 1200.0;
// The events are bisected to this, seconds.
constexpr double GENAUIGKEIT = 0.5;

struct Rechnung {
    Zeitskalen anfang;
    double breite, laenge;  // radians
    int32_t art;
    double praezession[3][3];  // GCRS -> mean equator and equinox of date
};

// Where the body stands t seconds after the day's start.
struct Stand {
    double hoehe;     // altitude of the limb or centre above the rising altitude, radians
    double stundenwinkel;  // hour angle, radians (-pi, pi]
};

int32_t stand(const Rechnung& r, double t, Stand& s) {
    Zeitskalen jetzt = r.anfang;
    jetzt.ut1_2 += t / ERFA_DAYSEC;
    jetzt.tt_2 += t / ERFA_DAYSEC;
    Erde erde;
    erde_berechnen(jetzt.tt_1, jetzt.tt_2, erde);
    double beobachter[3] = {0.0, 0.0, 0.0};
    if (r.art == MOND)
        beobachter_gcrs(jetzt, r.breite * ERFA_DR2D, r.laenge * ERFA_DR2D, beobachter);
    Ort ort;
    const int32_t ergebnis = ort_berechnen(r.art, jetzt.tt_1, jetzt.tt_2, erde, beobachter, ort);
    if (ergebnis != KOERPER_OK) return ergebnis;
    double datum[3];
    for (int i = 0; i < 3; ++i)
        datum[i] = r.praezession[i][0] * ort.geo[0] + r.praezession[i][1] * ort.geo[1] +
                   r.praezession[i][2] * ort.geo[2];
    double rekt, dekl, abstand;
    eraP2s(datum, &rekt, &dekl, &abstand);
    const double gmst = eraGmst06(jetzt.ut1_1, jetzt.ut1_2, jetzt.tt_1, jetzt.tt_2);
    const double h = eraAnpm(gmst + r.laenge - rekt);
    const double hoehe = std::asin(std::sin(r.breite) * std::sin(dekl) +
                                   std::cos(r.breite) * std::cos(dekl) * std::cos(h));
    double radius = 0.0;  // semidiameter, radians
    if (r.art == SONNE) radius = std::asin(SONNE_KM / (abstand * AE_KM));
    if (r.art == MOND) radius = std::asin(MOND_KM / (abstand * AE_KM));
    s.hoehe = hoehe + radius + REFRAKTION;
    s.stundenwinkel = h;
    return KOERPER_OK;
}

// Bisects between a (where the sign of wert is that of wert at a) and b.
template <typename Wert>
int32_t eingrenzen(const Rechnung& r, double a, double b, Wert wert, double& t) {
    Stand s;
    int32_t ergebnis = stand(r, a, s);
    if (ergebnis != KOERPER_OK) return ergebnis;
    const bool vorher = wert(s) > 0.0;
    while (b - a > GENAUIGKEIT) {
        const double m = 0.5 * (a + b);
        ergebnis = stand(r, m, s);
        if (ergebnis != KOERPER_OK) return ergebnis;
        ((wert(s) > 0.0) == vorher ? a : b) = m;
    }
    t = 0.5 * (a + b);
    return KOERPER_OK;
}

}  // namespace

int32_t tageslauf(const Zeitskalen& anfang, double tageslaenge, double breite, double laenge,
                  int32_t art, Tageslauf& lauf) {
    if (!(breite >= -90.0 && breite <= 90.0 && laenge >= -180.0 && laenge <= 180.0) ||
        !(tageslaenge >= 3600.0 && tageslaenge <= 172800.0) || art < 0 || art >= KOERPER_ANZAHL)
        return KOERPER_BEREICH;
    Rechnung r;
    r.anfang = anfang;
    r.breite = breite * ERFA_DD2R;
    r.laenge = laenge * ERFA_DD2R;
    r.art = art;
    // Precession over the day is 0.14": one matrix, for the day's middle.
    eraPmat06(anfang.tt_1, anfang.tt_2 + 0.5 * tageslaenge / ERFA_DAYSEC, r.praezession);

    Tageslauf neu{};
    Stand vorher;
    int32_t ergebnis = stand(r, 0.0, vorher);
    if (ergebnis != KOERPER_OK) return ergebnis;
    const bool anfangs_oben = vorher.hoehe > 0.0;
    const int32_t schritte = static_cast<int32_t>(std::ceil(tageslaenge / SCHRITT));
    for (int32_t i = 1; i <= schritte; ++i) {
        const double a = (i - 1) * tageslaenge / schritte, b = i * tageslaenge / schritte;
        Stand jetzt;
        if ((ergebnis = stand(r, b, jetzt)) != KOERPER_OK) return ergebnis;
        const bool auf = vorher.hoehe <= 0.0 && jetzt.hoehe > 0.0;
        const bool unter = vorher.hoehe > 0.0 && jetzt.hoehe <= 0.0;
        auto hoehe = [](const Stand& s) { return s.hoehe; };
        if (auf && !neu.hat_aufgang) {
            if ((ergebnis = eingrenzen(r, a, b, hoehe, neu.aufgang)) != KOERPER_OK) return ergebnis;
            neu.hat_aufgang = 1;
        }
        if (unter && !neu.hat_untergang) {
            if ((ergebnis = eingrenzen(r, a, b, hoehe, neu.untergang)) != KOERPER_OK) return ergebnis;
            neu.hat_untergang = 1;
        }
        // The meridian: the hour angle passes 0 upward (its wrap from +pi to
        // -pi is the lower transit, a jump of nearly 2 pi).
        if (vorher.stundenwinkel < 0.0 && jetzt.stundenwinkel >= 0.0 &&
            jetzt.stundenwinkel - vorher.stundenwinkel < ERFA_DPI && !neu.hat_kulmination) {
            auto stundenwinkel = [](const Stand& s) { return s.stundenwinkel; };
            if ((ergebnis = eingrenzen(r, a, b, stundenwinkel, neu.kulmination)) != KOERPER_OK)
                return ergebnis;
            neu.hat_kulmination = 1;
        }
        vorher = jetzt;
    }
    if (neu.hat_aufgang || neu.hat_untergang)
        neu.lauf = LAUF_AUF_UNTER;
    else
        neu.lauf = anfangs_oben ? LAUF_ZIRKUMPOLAR : LAUF_UNTER_HORIZONT;
    lauf = neu;
    return KOERPER_OK;
}
