#include "ephemeride.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

// Light takes ERFA_AULT seconds for one AU.
constexpr double LICHTZEIT_TAG = ERFA_AULT / ERFA_DAYSEC;  // days per AU

// ERFA's planet numbers for the planets of KoerperArt (3 is the Earth-Moon
// barycentre, which is not shown).
int planet_nummer(int32_t art) {
    switch (art) {
        case MERKUR: return 1;
        case VENUS: return 2;
        case MARS: return 4;
        case JUPITER: return 5;
        case SATURN: return 6;
        case URANUS: return 7;
        case NEPTUN: return 8;
        default: return 0;
    }
}

}  // namespace

double betrag(const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

void erde_berechnen(double tt1, double tt2, Erde& erde) {
    eraEpv00(tt1, tt2, erde.helio, erde.bary);
}

int32_t ort_berechnen(int32_t art, double tt1, double tt2, const Erde& erde,
                      const double beobachter[3], Ort& ort) {
    if (art < 0 || art >= KOERPER_ANZAHL) return KOERPER_BEREICH;
    // The Sun's barycentric velocity (AU/day): over a planet's light time of
    // at most 4.2 h it moves the Sun by up to ~200 km, which is kept.
    double sonne_v[3];
    for (int i = 0; i < 3; ++i) sonne_v[i] = erde.bary[1][i] - erde.helio[1][i];
    double tau = 0.0;  // light time, days
    Ort neu{};
    const int nummer = planet_nummer(art);
    double mond[2][3];
    if (art == MOND) eraMoon98(tt1, tt2, mond);
    // Three rounds make the light time exact to far below a millisecond: each
    // round shrinks its error by the body's radial speed over c (< 1e-4).
    for (int runde = 0; runde < 3; ++runde) {
        double helio[3] = {0.0, 0.0, 0.0};  // Sun -> body at t - tau (Sun at t - tau)
        double geo[3];                       // Earth's centre now -> body at t - tau
        if (art == SONNE) {
            for (int i = 0; i < 3; ++i) geo[i] = -erde.helio[0][i] - tau * sonne_v[i];
        } else if (art == MOND) {
            // The Moon at t - tau relative to the Earth's centre now: its own
            // motion and the Earth's barycentric motion over tau (1.3 s, 40 km,
            // 20" at the Moon's distance).
            for (int i = 0; i < 3; ++i) {
                geo[i] = mond[0][i] - tau * (mond[1][i] + erde.bary[1][i]);
                helio[i] = erde.helio[0][i] + mond[0][i] - tau * mond[1][i];
            }
        } else {
            double pv[2][3];
            if (eraPlan94(tt1, tt2 - tau, nummer, pv) != 0) return KOERPER_ERFA;
            for (int i = 0; i < 3; ++i) {
                helio[i] = pv[0][i];
                geo[i] = pv[0][i] - erde.helio[0][i] - tau * sonne_v[i];
            }
        }
        for (int i = 0; i < 3; ++i) {
            neu.geo[i] = geo[i] - beobachter[i];
            neu.helio[i] = helio[i];
        }
        tau = betrag(neu.geo) * LICHTZEIT_TAG;
    }
    ort = neu;
    return KOERPER_OK;
}

void beobachter_gcrs(const Zeitskalen& skalen, double breite, double laenge, double ort[3]) {
    double erdfest[3];  // metres, terrestrial frame
    eraGd2gc(ERFA_WGS84, laenge * ERFA_DD2R, breite * ERFA_DD2R, 0.0, erdfest);
    // Into the mean equator and equinox of date by the mean sidereal time,
    // then into GCRS by precession and frame bias. Nutation (up to 18") is
    // left out: it moves the observer's direction, and through it the Moon's
    // topocentric place by 18" x 6378 / 384400 = 0.3" at most.
    const double theta = eraGmst06(skalen.ut1_1, skalen.ut1_2, skalen.tt_1, skalen.tt_2);
    const double c = std::cos(theta), s = std::sin(theta);
    double datum[3] = {(c * erdfest[0] - s * erdfest[1]) / ERFA_DAU,
                       (s * erdfest[0] + c * erdfest[1]) / ERFA_DAU, erdfest[2] / ERFA_DAU};
    double praezession[3][3];
    eraPmat06(skalen.tt_1, skalen.tt_2, praezession);
    eraTrxp(praezession, datum, ort);
}
