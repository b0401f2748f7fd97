#include "sternlauf.h"

#include <cmath>

#include "himmelszeit.h"
#include "vektor.h"

namespace {

constexpr double SCHRITT = 600.0;        // seconds between samples
constexpr double HORIZONT_GRAD = -34.0 / 60.0;  // the altitude at rising and setting

}  // namespace

int32_t sternlauf(int64_t anfang, double tageslaenge, double breite, double laenge, double rekt,
                  double dekl, Tageslauf& lauf) {
    if (!(tageslaenge >= 3600 && tageslaenge <= 172800) || !(std::fabs(breite) <= 90) ||
        !(std::fabs(laenge) <= 180) || !(std::fabs(dekl) <= 90) || !std::isfinite(rekt))
        return KOERPER_BEREICH;
    const Vektor3 punkt = einheitsvektor(rekt, dekl);
    Tageslauf neu{LAUF_AUF_UNTER, 0, 0, 0, 0.0, 0.0, 0.0};
    const double horizont = std::sin(HORIZONT_GRAD * PI / 180.0);
    bool immer_oben = true, immer_unten = true;
    double vorher = 0, vorher_zeit = 0;
    for (double t = 0; t <= tageslaenge + SCHRITT / 2; t += SCHRITT) {
        const double zeit = t < tageslaenge ? t : tageslaenge;
        Zeitskalen skalen{};
        double zenit_rekt = 0, zenit_dekl = 0;
        if (zeitskalen_aus_utc(anfang + static_cast<int64_t>(zeit), skalen) != ZEIT_OK ||
            zenit_j2000(skalen, breite, laenge, zenit_rekt, zenit_dekl) != ZEIT_OK)
            return KOERPER_BEREICH;
        const Vektor3 zenit = einheitsvektor(zenit_rekt, zenit_dekl);
        // The sine of the altitude above the refracted horizon.
        const double hoehe = punkt.x * zenit.x + punkt.y * zenit.y + punkt.z * zenit.z - horizont;
        immer_oben = immer_oben && hoehe > 0;
        immer_unten = immer_unten && hoehe <= 0;
        if (t > 0 && (vorher > 0) != (hoehe > 0)) {
            const double kreuzung = zeit - (zeit - vorher_zeit) * hoehe / (hoehe - vorher);
            if (hoehe > 0 && !neu.hat_aufgang) {
                neu.hat_aufgang = 1;
                neu.aufgang = kreuzung;
            } else if (hoehe <= 0 && !neu.hat_untergang) {
                neu.hat_untergang = 1;
                neu.untergang = kreuzung;
            }
        }
        vorher = hoehe;
        vorher_zeit = zeit;
    }
    if (immer_oben) neu.lauf = LAUF_ZIRKUMPOLAR;
    if (immer_unten) neu.lauf = LAUF_UNTER_HORIZONT;
    lauf = neu;
    return KOERPER_OK;
}
