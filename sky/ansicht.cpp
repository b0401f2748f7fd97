#include <cmath>

#include "himmel.h"

namespace {
double begrenzt(double c) {
    return c < -1.0 ? -1.0 : (c > 1.0 ? 1.0 : c);
}
}  // namespace

void Himmel::setze_gesichtsfeld(double grad) {
    gesichtsfeld = grad * PI * (1.0 / 180.0);
}

void Himmel::setze_mitte(double rekt, double dekl) {
    rektaszension = rekt;
    deklination = dekl;
    mitte = einheitsvektor(rektaszension, deklination);
    west_berechnen();
}

void Himmel::setze_rektaszension(double rekt) {
    setze_mitte(rekt, deklination);
}

void Himmel::setze_deklination(double dekl) {
    setze_mitte(rektaszension, dekl);
}

void Himmel::west_berechnen() {
    // mitte cross the pole (0, 0, 1); zero at the poles, where west is undefined.
    west = Vektor3{mitte.y, -mitte.x, 0.0f};
    const double laenge = std::sqrt(punkt(west, west));
    if (laenge != 0.0) {
        west.x = static_cast<float>(west.x / laenge);
        west.y = static_cast<float>(west.y / laenge);
    }
}

PolarPos Himmel::polar_berechnen(const Vektor3& s) const {
    PolarPos p{0.0f, 0.0f};
    // The normal of the great circle through the centre and s; its angle to
    // the normal of the meridian (west) is the position angle.
    Vektor3 n = kreuz(mitte, s);
    const double laenge = std::sqrt(punkt(n, n));
    if (laenge != 0.0) {
        n = Vektor3{static_cast<float>(n.x / laenge), static_cast<float>(n.y / laenge),
                    static_cast<float>(n.z / laenge)};
        double winkel = std::acos(begrenzt(punkt(west, n)));
        if (punkt(kreuz(west, n), mitte) < 0.0) winkel = -winkel;
        p.winkel = static_cast<float>(winkel);
    }
    p.abstand = static_cast<float>(std::acos(begrenzt(punkt(mitte, s))));
    return p;
}
