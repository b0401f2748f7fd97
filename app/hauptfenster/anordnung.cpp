#include "hauptfenster/anordnung.h"

namespace {

int32_t t(double x) { return static_cast<int32_t>(x); }

}  // namespace

void mindestens(int32_t& breite, int32_t& hoehe, int32_t rand_x, int32_t rand_y) {
    if (breite < MIN_FENSTER_BREITE - rand_x) breite = MIN_FENSTER_BREITE - rand_x;
    if (hoehe < MIN_FENSTER_HOEHE - rand_y) hoehe = MIN_FENSTER_HOEHE - rand_y;
}

Anordnung anordnung_berechnen(int32_t W, int32_t H) {
    const double h = 0.42 * H;
    const int32_t spalte = t(0.21 * H - 12);  // width of the two panel columns
    const int32_t rechts = t(0.21 * H + 6);   // x of the right panel column
    Anordnung a{};
    a.uebersicht = {8, 4, t(h - 32), t(h - 32)};
    a.rekt_leiste = {6, t(h - 27), t(h - 32), 16};
    a.dekl_leiste = {t(h - 23), 2, 16, t(h - 32)};
    a.titel_rekt = {8, t(0.45 * H - 6), spalte, 20};
    a.titel_dekl = {rechts, t(0.45 * H - 6), spalte, 20};
    a.rekt_anzeige = {8, t(0.45 * H + 12), spalte, 20};
    a.dekl_anzeige = {rechts, t(0.45 * H + 12), spalte, 20};
    a.monat_wahl = {8, t(0.5 * H + 16), spalte, 230};
    a.zeit_wahl = {8, t(0.53 * H + 30), spalte, 230};
    a.ort_wahl = {rechts, t(0.5 * H + 16), spalte, 230};
    const double zeilen[EBENEN] = {0.68, 0.73, 0.78, 0.83};
    for (int32_t i = 0; i < EBENEN; ++i) {
        a.ebenen_titel[i] = {8, t(zeilen[i] * H), t(h - 25), 20};
        a.ebenen_leisten[i] = {85, t(zeilen[i] * H), t(h - 91), 16};
    }
    a.titel_feld = {8, t(0.97 * H - 32), t(h - 55), 20};
    a.feld_anzeige = {t(h - 51), t(0.97 * H - 36), 45, 20};
    a.feld_leiste = {8, H - 26, t(h - 14), 16};
    a.info_fenster = {0, 0, 100, 100};

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
    a.karte = {links + 4, oben + 4, seite - 12, seite - 12};
    return a;
}
