#include "koerper.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "ephemeride.h"
#include "helligkeit.h"

namespace {

// Radii in km: the Sun's nominal (IAU 2015 B3), the Moon's mean, the planets'
// equatorial (IAU WGCCRE 2015), for the apparent diameter.
constexpr double RADIUS_KM[KOERPER_ANZAHL] = {695700.0, 1737.4,  2440.53, 6051.8, 3396.19,
                                               71492.0,  60268.0, 25559.0, 24764.0};

// Angle between two vectors, radians 0..pi.
double winkel(const double a[3], const double b[3]) {
    const double kreuz[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                             a[0] * b[1] - a[1] * b[0]};
    return std::atan2(betrag(kreuz), a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
}

}  // namespace

int32_t koerper_berechnen(const Zeitskalen& skalen, double breite, double laenge,
                          Koerperlage& lage) {
    if (!(breite >= -90.0 && breite <= 90.0 && laenge >= -180.0 && laenge <= 180.0))
        return KOERPER_BEREICH;
    Erde erde;
    erde_berechnen(skalen.tt_1, skalen.tt_2, erde);
    double ort_mond[3];
    beobachter_gcrs(skalen, breite, laenge, ort_mond);
    const double geozentrum[3] = {0.0, 0.0, 0.0};
    const double jahr =
        2000.0 + ((skalen.tt_1 - ERFA_DJ00) + skalen.tt_2) / ERFA_DJY;

    Koerperlage neu;
    double sonne_rekt = 0.0, sonne_dekl = 0.0;  // radians
    for (int32_t art = 0; art < KOERPER_ANZAHL; ++art) {
        Ort ort;
        const int32_t r = ort_berechnen(art, skalen.tt_1, skalen.tt_2, erde,
                                        art == MOND ? ort_mond : geozentrum, ort);
        if (r != KOERPER_OK) return r;
        double rekt, dekl;
        eraC2s(ort.geo, &rekt, &dekl);
        rekt = eraAnp(rekt);
        Koerper& k = neu.koerper[art];
        k.rekt = rekt * ERFA_DR2D / 15.0;
        if (k.rekt >= 24.0) k.rekt = 0.0;  // rounding of 2 pi - tiny
        k.dekl = dekl * ERFA_DR2D;
        k.abstand = betrag(ort.geo);
        k.sonnenabstand = betrag(ort.helio);
        k.durchmesser = 2.0 * std::asin(RADIUS_KM[art] / (k.abstand * AE_KM)) * ERFA_DR2D;
        if (art == SONNE) {
            sonne_rekt = rekt;
            sonne_dekl = dekl;
            k.phasenwinkel = 0.0;
            k.beleuchtet = 1.0;
            k.hellrand = 0.0;
        } else {
            // At the body between the directions to the Sun and the observer.
            const double phase = winkel(ort.helio, ort.geo);
            k.phasenwinkel = phase * ERFA_DR2D;
            k.beleuchtet = 0.5 * (1.0 + std::cos(phase));
            // The bright limb faces the Sun along the great circle through both
            // (for the Moon the Sun seen from the geocentre: 9" away).
            k.hellrand = eraAnp(eraPas(rekt, dekl, sonne_rekt, sonne_dekl)) * ERFA_DR2D;
        }
        k.helligkeit = helligkeit(art, ort, k.phasenwinkel, jahr);
    }
    lage = neu;
    return KOERPER_OK;
}
