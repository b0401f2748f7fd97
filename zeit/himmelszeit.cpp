#include "himmelszeit.h"

#include "erfa.h"
#include "erfam.h"

namespace {

constexpr double STUNDEN_JE_RADIANT = 12.0 / ERFA_DPI;

bool ort_gueltig(double breite, double laenge) {
    return breite >= -90.0 && breite <= 90.0 && laenge >= -180.0 && laenge <= 180.0;
}

// Radians in [0, 2 pi) as hours in [0, 24); the rounding of a value just
// below 2 pi to 24.0 is folded back.
double stunden_aus(double radiant) {
    const double h = eraAnp(radiant) * STUNDEN_JE_RADIANT;
    return h < 24.0 ? h : 0.0;
}

// Greenwich apparent sidereal time plus the longitude: radians.
double lst_radiant(const Zeitskalen& s, double laenge) {
    return eraGst06a(s.ut1_1, s.ut1_2, s.tt_1, s.tt_2) + laenge * ERFA_DD2R;
}

}  // namespace

int32_t sternzeit(const Zeitskalen& skalen, double laenge, double& stunden) {
    if (!ort_gueltig(0.0, laenge)) return ZEIT_BEREICH;
    stunden = stunden_aus(lst_radiant(skalen, laenge));
    return ZEIT_OK;
}

int32_t zenit_j2000(const Zeitskalen& skalen, double breite, double laenge, double& rekt,
                    double& dekl) {
    if (!ort_gueltig(breite, laenge)) return ZEIT_BEREICH;
    double wahr[3], j2000[3];
    eraS2c(lst_radiant(skalen, laenge), breite * ERFA_DD2R, wahr);
    // Bias-precession-nutation: from the catalogue's frame to the true
    // equator and equinox of the date; its transpose carries back.
    double bpn[3][3];
    eraPnm06a(skalen.tt_1, skalen.tt_2, bpn);
    eraTrxp(bpn, wahr, j2000);
    double ra, dec;
    eraC2s(j2000, &ra, &dec);
    rekt = stunden_aus(ra);
    dekl = dec * ERFA_DR2D;
    return ZEIT_OK;
}
