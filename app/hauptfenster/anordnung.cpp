#include "hauptfenster/anordnung.h"

#include "skaliert.h"

namespace {

int32_t t(double x) { return static_cast<int32_t>(x); }

}  // namespace

void mindestens(int32_t& breite, int32_t& hoehe, int32_t rand_x, int32_t rand_y, int32_t dpi) {
    const int32_t min_b = skaliert(MIN_FENSTER_BREITE, dpi), min_h = skaliert(MIN_FENSTER_HOEHE, dpi);
    if (breite < min_b - rand_x) breite = min_b - rand_x;
    if (hoehe < min_h - rand_y) hoehe = min_h - rand_y;
}

Anordnung anordnung_berechnen(int32_t W, int32_t H, const Massstab& massstab) {
    // p(n): n pixels of the 96-DPI design at the layout's resolution.
    const auto p = [&massstab](int32_t n) { return skaliert(n, massstab.dpi); };
    const int32_t l = massstab.leiste;
    const double h = 0.42 * H;
    const int32_t spalte = t(0.21 * H - p(12));  // width of the two panel columns
    const int32_t rechts = t(0.21 * H + p(6));   // x of the right panel column
    const int32_t zeile = p(20);                 // height of a text or value field
    const int32_t liste = p(230);                // height of an open list
    Anordnung a{};
    a.uebersicht = {p(8), p(4), t(h - p(32)), t(h - p(32))};
    a.rekt_leiste = {p(6), t(h - p(27)), t(h - p(32)), l};
    a.dekl_leiste = {t(h - p(23)), p(2), l, t(h - p(32))};
    a.titel_rekt = {p(8), t(0.45 * H - p(6)), spalte, zeile};
    a.titel_dekl = {rechts, t(0.45 * H - p(6)), spalte, zeile};
    a.rekt_anzeige = {p(8), t(0.45 * H + p(12)), spalte, zeile};
    a.dekl_anzeige = {rechts, t(0.45 * H + p(12)), spalte, zeile};
    a.monat_wahl = {p(8), t(0.5 * H + p(16)), spalte, liste};
    a.zeit_wahl = {p(8), t(0.53 * H + p(30)), spalte, liste};
    a.ort_wahl = {rechts, t(0.5 * H + p(16)), spalte, liste};
    const double zeilen[EBENEN] = {0.68, 0.73, 0.78, 0.83};
    for (int32_t i = 0; i < EBENEN; ++i) {
        a.ebenen_titel[i] = {p(8), t(zeilen[i] * H), t(h - p(25)), zeile};
        a.ebenen_leisten[i] = {p(85), t(zeilen[i] * H), t(h - p(91)), l};
    }
    a.titel_feld = {p(8), t(0.97 * H - p(32)), t(h - p(55)), zeile};
    a.feld_anzeige = {t(h - p(51)), t(0.97 * H - p(36)), p(45), zeile};
    a.feld_leiste = {p(8), H - p(26), t(h - p(14)), l};
    a.info_fenster = {0, 0, p(100), p(100)};

    // The chart: the largest square in the rest of the client area, centred.
    const int32_t g = t(h);
    const int32_t rest = W - g;
    int32_t seite, links, oben;
    if (rest <= H) {
        seite = rest;
        links = g;
        oben = (H - rest) / 2;
    } else {
        seite = H;
        links = g + (rest - H) / 2;
        oben = 0;
    }
    a.karte = {links + p(4), oben + p(4), seite - p(12), seite - p(12)};
    return a;
}
