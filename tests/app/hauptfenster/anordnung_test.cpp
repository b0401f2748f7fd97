// The layout of the main window at several client sizes.
#include <gtest/gtest.h>

#include "hauptfenster/anordnung.h"

namespace {

// ---- layout ----

void gleich(const Platz& p, int32_t x, int32_t y, int32_t b, int32_t h, const char* was) {
    EXPECT_EQ(x, p.x) << was;
    EXPECT_EQ(y, p.y) << was;
    EXPECT_EQ(b, p.breite) << was;
    EXPECT_EQ(h, p.hoehe) << was;
}

TEST(Anordnung, TafelBeiHoehe700) {
    // h = 294; 0.21 H = 147; 0.45 H = 315.
    const Anordnung a = anordnung_berechnen(1000, 700);
    gleich(a.uebersicht, 8, 4, 262, 262, "uebersicht");
    gleich(a.rekt_leiste, 6, 267, 262, 16, "rekt_leiste");
    gleich(a.dekl_leiste, 271, 2, 16, 262, "dekl_leiste");
    gleich(a.titel_rekt, 8, 309, 135, 20, "titel_rekt");
    gleich(a.titel_dekl, 153, 309, 135, 20, "titel_dekl");
    gleich(a.rekt_anzeige, 8, 327, 135, 20, "rekt_anzeige");
    gleich(a.dekl_anzeige, 153, 327, 135, 20, "dekl_anzeige");
    gleich(a.monat_wahl, 8, 366, 135, 230, "monat_wahl");
    gleich(a.zeit_wahl, 8, 401, 135, 230, "zeit_wahl");
    gleich(a.ort_wahl, 153, 366, 135, 230, "ort_wahl");
    const int32_t zeilen[EBENEN] = {476, 511, 546, 581};
    for (int32_t i = 0; i < EBENEN; ++i) {
        gleich(a.ebenen_titel[i], 8, zeilen[i], 269, 20, "ebenen_titel");
        gleich(a.ebenen_leisten[i], 85, zeilen[i], 203, 16, "ebenen_leisten");
    }
    gleich(a.titel_feld, 8, 647, 239, 20, "titel_feld");
    gleich(a.feld_anzeige, 243, 643, 45, 20, "feld_anzeige");
    gleich(a.feld_leiste, 8, 674, 280, 16, "feld_leiste");
    gleich(a.info_fenster, 0, 0, 100, 100, "info_fenster");
    // Right of the panel 706 > 700 pixels: a square of 700, centred.
    gleich(a.karte, 294 + 3 + 4, 4, 688, 688, "karte");
}

TEST(Anordnung, KarteImSchmalenFensterMittigUntereinander) {
    // h = 210.84, g = 210; 600 - 210 = 390 <= 502: side 390, top 56.
    const Anordnung a = anordnung_berechnen(600, 502);
    gleich(a.karte, 214, 60, 378, 378, "karte");
}

TEST(Anordnung, MindestensDieClientflaecheVon640Mal480) {
    struct Fall { int32_t b, h, rand_x, rand_y, b_neu, h_neu; };
    for (const Fall& f : {Fall{300, 200, 8, 34, 632, 446}, Fall{700, 200, 8, 34, 700, 446},
                          Fall{632, 446, 8, 34, 632, 446}, Fall{1000, 900, 8, 34, 1000, 900}}) {
        int32_t b = f.b, h = f.h;
        mindestens(b, h, f.rand_x, f.rand_y);
        EXPECT_EQ(f.b_neu, b);
        EXPECT_EQ(f.h_neu, h);
    }
}

}  // namespace
