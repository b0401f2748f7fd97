#include "koerperbild.h"

#include <algorithm>
#include <cmath>

#include "projektion.h"

const Rgb KOERPER_FARBEN[KOERPER_ANZAHL] = {
    {255, 236, 120},  // Sonne
    {236, 236, 220},  // Mond
    {200, 184, 168},  // Merkur
    {255, 252, 224},  // Venus
    {255, 112, 72},   // Mars
    {244, 216, 168},  // Jupiter
    {232, 204, 128},  // Saturn
    {160, 224, 232},  // Uranus
    {112, 148, 255},  // Neptun
};

namespace {

constexpr double GRAD = PI / 180.0;
// The step toward north and toward east that shows on the chart which way
// those directions point at a body: large enough for the float32 positions
// near the centre, small enough for the projection's distortion.
constexpr double SCHRITT = 1.0 * GRAD;

struct Punkt {
    double x, y;
};

// A direction's place on the chart, unrounded.
Punkt projiziert(const Himmel& himmel, double x, double y, double z, double massstab) {
    const Vektor3 v{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    const PolarPos p = himmel.polar_berechnen(v);
    const double s = p.abstand * massstab;
    return {std::sin(p.winkel) * s, std::cos(p.winkel) * s};
}

Punkt einheit(Punkt p) {
    const double l = std::hypot(p.x, p.y);
    return l > 0 ? Punkt{p.x / l, p.y / l} : Punkt{0, 1};
}

// The chart's directions of north and east at the body, and from them the
// bright limb's at its position angle (from north through east).
Punkt hellrichtung(const Himmel& himmel, const Koerper& k, double massstab) {
    const double a = k.rekt * 15.0 * GRAD, d = k.dekl * GRAD;
    const double px = std::cos(d) * std::cos(a), py = std::cos(d) * std::sin(a), pz = std::sin(d);
    const double nx = -std::sin(d) * std::cos(a), ny = -std::sin(d) * std::sin(a), nz = std::cos(d);
    const double ex = -std::sin(a), ey = std::cos(a);
    const double c = std::cos(SCHRITT), s = std::sin(SCHRITT);
    const Punkt mitte = projiziert(himmel, px, py, pz, massstab);
    const Punkt nord = projiziert(himmel, px * c + nx * s, py * c + ny * s, pz * c + nz * s, massstab);
    const Punkt ost = projiziert(himmel, px * c + ex * s, py * c + ey * s, pz * c, massstab);
    const Punkt n = einheit({nord.x - mitte.x, nord.y - mitte.y});
    const Punkt e = einheit({ost.x - mitte.x, ost.y - mitte.y});
    const double w = k.hellrand * GRAD;
    return einheit({std::cos(w) * n.x + std::sin(w) * e.x, std::cos(w) * n.y + std::sin(w) * e.y});
}

}  // namespace

int32_t helle_zugabe(double helligkeit) {
    if (!(helligkeit < -1.5)) return 0;
    return std::min(3, static_cast<int32_t>(std::ceil(-1.5 - helligkeit)));
}

int32_t scheibenradius(const Koerper& k, int32_t art, int32_t sternradius, int32_t pixel_zugabe,
                       double massstab) {
    int32_t radius = std::max(1, sternradius + helle_zugabe(k.helligkeit) * pixel_zugabe);
    if (art == SONNE || art == MOND) {
        const double wahr = 0.5 * k.durchmesser * GRAD * massstab;
        // Held far beyond any picture, so that it stays an int32.
        if (wahr > radius) radius = static_cast<int32_t>(std::min(wahr + 0.5, 1e6));
    }
    return radius;
}

Koerperort koerperort(const Himmel& himmel, const Koerper& k, Kartenart art, int32_t r) {
    Koerperort ort{};
    const PolarPos p = himmel.polar_berechnen(einheitsvektor(k.rekt, k.dekl));
    const bool karte = art == Kartenart::KARTE;
    ort.massstab = karte ? kartenmassstab(1.0, himmel.gesichtsfeld, r) : uebersichtsmassstab(1.0, r);
    ort.sichtbar = karte ? sichtbar_karte(p.abstand, himmel.gesichtsfeld) : sichtbar_halbkugel(p.abstand);
    ort.im_quadrat = karte && sichtbar_quadrat(p.abstand, himmel.gesichtsfeld);
    const Versatz v = versatz(p.winkel, karte ? kartenmassstab(p.abstand, himmel.gesichtsfeld, r)
                                             : uebersichtsmassstab(p.abstand, r));
    ort.dx = v.dx;
    ort.dy = v.dy;
    const Punkt hell = hellrichtung(himmel, k, ort.massstab);
    ort.hell_x = hell.x;
    ort.hell_y = hell.y;
    return ort;
}

bool beleuchtet(double a, double b, double phasenwinkel) {
    const double quer = 1.0 - b * b;
    if (quer < 0) return false;
    return a >= -std::cos(phasenwinkel * GRAD) * std::sqrt(quer);
}
