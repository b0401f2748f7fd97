#include "suchen/fundort.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "gemeinsam/ui_texte.h"
#include "projektion.h"
#include "sternlauf.h"
#include "tageslauf.h"
#include "utf8.h"
#include "vektor.h"
#include "zeigen/koerper_zeilen.h"
#include "zeitskalen.h"

namespace {

constexpr size_t TEXT = 256;

// Vektor3's components are floats: the direction back in hours and degrees.
void richtung_von(const Vektor3& v, double& rekt, double& dekl) {
    rekt = std::atan2(v.y, v.x) * 12.0 / PI;
    if (rekt < 0) rekt += 24.0;
    const double z = v.z > 1.0f ? 1.0 : (v.z < -1.0f ? -1.0 : v.z);
    dekl = std::asin(z) * 180.0 / PI;
}

// How fund spends the moment's day; false when it cannot be computed.
bool lauf_des_tages(const Himmel& himmel, const Koerperlage* lage, const Fund& fund, const Moment& moment,
                    int64_t anfang, double laenge, Tageslauf& lauf) {
    if (fund.art == Fundart::KOERPER) {
        Zeitskalen skalen{};
        return zeitskalen_aus_utc(anfang, skalen) == ZEIT_OK &&
               tageslauf(skalen, laenge, moment.ort.breite, moment.ort.laenge, fund.index, lauf) == KOERPER_OK;
    }
    double rekt = 0, dekl = 0;
    return fund_richtung(himmel, lage, fund, rekt, dekl) &&
           sternlauf(anfang, laenge, moment.ort.breite, moment.ort.laenge, rekt, dekl, lauf) == KOERPER_OK;
}

}  // namespace

bool fund_richtung(const Himmel& himmel, const Koerperlage* lage, const Fund& fund, double& rekt,
                   double& dekl) {
    switch (fund.art) {
    case Fundart::STERN:
        if (fund.klasse < 0 || fund.klasse >= KLASSEN || fund.index < 0 ||
            fund.index >= himmel.anzahl[fund.klasse])
            return false;
        richtung_von(himmel.vektoren[fund.klasse][fund.index], rekt, dekl);
        return true;
    case Fundart::STERNBILD:
        if (fund.index < 0 || fund.index >= himmel.sternbild_anzahl) return false;
        richtung_von(himmel.sternbilder[fund.index].ort, rekt, dekl);
        return true;
    case Fundart::KOERPER:
        if (!lage || fund.index < 0 || fund.index >= KOERPER_ANZAHL) return false;
        rekt = lage->koerper[fund.index].rekt;
        dekl = lage->koerper[fund.index].dekl;
        return true;
    default:
        return false;
    }
}

bool ueber_horizont(const Himmel& himmel, double rekt, double dekl) {
    return himmel.polar_berechnen(einheitsvektor(rekt, dekl)).abstand <= VIERTELKREIS;
}

void horizont_zeile(const Himmel& himmel, const Koerperlage* lage, const Fund& fund, bool in_karte,
                    const Zonen& zonen, const Moment& moment, char* zeile, size_t groesse) {
    char text[TEXT];
    double rekt = 0, dekl = 0;
    int64_t anfang = 0;
    double laenge = 0;
    Tageslauf lauf{};
    if (!fund_richtung(himmel, lage, fund, rekt, dekl)) {
        text[0] = '\0';
    } else if (ueber_horizont(himmel, rekt, dekl)) {
        std::snprintf(text, sizeof text, ui_text(in_karte ? UI_UEBER_HORIZONT : UI_AUSSERHALB), "\x01");
    } else if (!tag_des_moments(zonen, moment, anfang, laenge) ||
               !lauf_des_tages(himmel, lage, fund, moment, anfang, laenge, lauf) ||
               lauf.lauf == LAUF_UNTER_HORIZONT) {
        std::snprintf(text, sizeof text, ui_text(UI_IMMER_UNTER), "\x01");
    } else {
        char auf[8], unter[8];
        uhrzeit_text(zonen, moment.ort.zone, anfang, lauf.hat_aufgang, lauf.aufgang, auf, sizeof auf);
        uhrzeit_text(zonen, moment.ort.zone, anfang, lauf.hat_untergang, lauf.untergang, unter, sizeof unter);
        std::snprintf(text, sizeof text, ui_text(UI_UNTER_HORIZONT), "\x01", auf, unter);
    }
    // The texts are Windows-1252, the name UTF-8: the line is made in
    // Windows-1252 with a mark where the name goes, then turned into UTF-8
    // around the name.
    char utf8[TEXT];
    utf8_aus_1252(text, utf8, sizeof utf8);
    const char* stelle = std::strchr(utf8, '\x01');
    if (!stelle) {
        std::snprintf(zeile, groesse, "%s", utf8);
        return;
    }
    std::snprintf(zeile, groesse, "%.*s%s%s", static_cast<int>(stelle - utf8), utf8, fund.text, stelle + 1);
}
