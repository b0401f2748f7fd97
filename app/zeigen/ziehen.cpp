#include "zeigen/ziehen.h"

#include <cmath>
#include <cstdlib>

#include "projektion.h"
#include "vektor.h"
#include "wertebereich.h"

namespace {

constexpr double GRAD = PI / 180.0;
constexpr int32_t TAG = 2400;            // hundredths of an hour
constexpr double MIN_KOSINUS = 0.1;      // see blick_gezogen

int64_t hundertstel(double wert) { return std::llround(wert * 100.0); }

}  // namespace

bool ist_ziehen(int32_t dx, int32_t dy, int32_t grenze_x, int32_t grenze_y) {
    return std::abs(static_cast<int64_t>(dx)) > grenze_x || std::abs(static_cast<int64_t>(dy)) > grenze_y;
}

Blickwerte blick_verschoben(const Blickwerte& start, double d_rekt, double d_dekl) {
    // A NaN or a huge turn moves nothing rather than overflow.
    if (!(std::fabs(d_rekt) < 1e6) || !(std::fabs(d_dekl) < 1e6)) return start;
    int64_t rekt = (start.rekt + hundertstel(d_rekt)) % TAG;
    if (rekt < 0) rekt += TAG;
    return {static_cast<int32_t>(rekt), begrenzt(DEKL_BEREICH, start.dekl + hundertstel(d_dekl))};
}

Blickwerte blick_gezogen(const Blickwerte& start, double gesichtsfeld, int32_t r, int32_t dx,
                         int32_t dy) {
    if (r <= 0) return start;
    const double grad_je_pixel = gesichtsfeld / GRAD / (2.0 * r);
    const double kosinus = std::cos(start.dekl / 100.0 * GRAD);
    const double d_rekt = dx * grad_je_pixel / (kosinus > MIN_KOSINUS ? kosinus : MIN_KOSINUS) / 15.0;
    return blick_verschoben(start, d_rekt, dy * grad_je_pixel);
}

bool uebersicht_punkt(const Himmelsmitte& mitte, int32_t r, int32_t x, int32_t y,
                      Himmelsmitte& punkt) {
    if (r <= 0) return false;
    // The offset from the centre, east left and north up as the engine
    // draws (sky/projektion.h); the inverse of its overview scale.
    const double rechts = x - r, oben = r - y;
    const double abstand = std::hypot(rechts, oben) / (UEBERSICHT_FAKTOR * 2.0 * r);
    if (abstand > VIERTELKREIS) return false;
    const double winkel = std::atan2(rechts, oben);
    // The centre m, north n and east o as unit vectors; the point lies at
    // abstand from m toward north turned by winkel (negative to the east).
    const double a = mitte.rekt * 15.0 * GRAD, d = mitte.dekl * GRAD;
    const double m[3] = {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
    const double n[3] = {-std::sin(d) * std::cos(a), -std::sin(d) * std::sin(a), std::cos(d)};
    const double o[3] = {-std::sin(a), std::cos(a), 0.0};
    double p[3];
    for (int i = 0; i < 3; ++i) {
        const double richtung = std::cos(winkel) * n[i] - std::sin(winkel) * o[i];
        p[i] = std::cos(abstand) * m[i] + std::sin(abstand) * richtung;
    }
    double rekt = std::atan2(p[1], p[0]) / GRAD / 15.0;
    if (rekt < 0) rekt += 24.0;
    const double z = p[2] > 1.0 ? 1.0 : (p[2] < -1.0 ? -1.0 : p[2]);
    punkt = {rekt, std::asin(z) / GRAD};
    return true;
}
