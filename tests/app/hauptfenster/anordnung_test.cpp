// The layout of the main window at several client sizes and resolutions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "bedienfeld/wertanzeige.h"
#include "dpi.h"
#include "font.h"
#include "gemeinsam/ui_texte.h"
#include "hauptfenster/anordnung.h"

namespace {

constexpr int32_t AUFLOESUNGEN[] = {96, 120, 144, 192};

// Every place of a layout, named, for the tests that look at all of them.
struct Benannt {
    const char* name;
    Platz platz;
};

std::vector<Benannt> alle(const Anordnung& a) {
    std::vector<Benannt> p{{"uebersicht", a.uebersicht},     {"rekt_leiste", a.rekt_leiste},
                           {"dekl_leiste", a.dekl_leiste},   {"titel_rekt", a.titel_rekt},
                           {"titel_dekl", a.titel_dekl},     {"rekt_anzeige", a.rekt_anzeige},
                           {"dekl_anzeige", a.dekl_anzeige}, {"monat_wahl", a.monat_wahl},
                           {"zeit_wahl", a.zeit_wahl},       {"ort_wahl", a.ort_wahl},
                           {"titel_feld", a.titel_feld},     {"feld_anzeige", a.feld_anzeige},
                           {"feld_leiste", a.feld_leiste},   {"info_fenster", a.info_fenster},
                           {"karte", a.karte}};
    for (int32_t i = 0; i < EBENEN; ++i) {
        p.push_back({"ebenen_titel", a.ebenen_titel[i]});
        p.push_back({"ebenen_leisten", a.ebenen_leisten[i]});
    }
    return p;
}

// ---- layout ----

void gleich(const Platz& p, int32_t x, int32_t y, int32_t b, int32_t h, const char* was) {
    EXPECT_EQ(x, p.x) << was;
    EXPECT_EQ(y, p.y) << was;
    EXPECT_EQ(b, p.breite) << was;
    EXPECT_EQ(h, p.hoehe) << was;
}

TEST(Anordnung, TafelBeiHoehe700) {
    // h = 294; 0.21 H = 147; 0.45 H = 315.
    const Anordnung a = anordnung_berechnen(1000, 700, Massstab{});
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
    const Anordnung a = anordnung_berechnen(600, 502, Massstab{});
    gleich(a.karte, 214, 60, 378, 378, "karte");
}

TEST(Anordnung, MindestensDieClientflaecheVon640Mal480) {
    struct Fall { int32_t b, h, rand_x, rand_y, b_neu, h_neu; };
    for (const Fall& f : {Fall{300, 200, 8, 34, 632, 446}, Fall{700, 200, 8, 34, 700, 446},
                          Fall{632, 446, 8, 34, 632, 446}, Fall{1000, 900, 8, 34, 1000, 900}}) {
        int32_t b = f.b, h = f.h;
        mindestens(b, h, f.rand_x, f.rand_y, 96);
        EXPECT_EQ(f.b_neu, b);
        EXPECT_EQ(f.h_neu, h);
    }
}

// The layout at 120, 144 and 192 DPI is that of 96 DPI scaled: for a
// client area of the 96-DPI size times s = dpi/96, every place lies within
// s + 1/2 pixels of the 96-DPI place times s. That is the rounding and no
// more: the 96-DPI layout truncates its shares to whole pixels (one pixel
// there, s here) and the fixed offsets are rounded to whole pixels at dpi
// (half a pixel). The sizes include the smallest client area of a window
// with a frame of 8 x 32 pixels.
TEST(Anordnung, BeiJederAufloesungDieGeschrumpfteVon96Dpi) {
    struct Flaeche { int32_t b, h; };
    for (const int32_t dpi : AUFLOESUNGEN) {
        const double s = dpi / 96.0;
        for (const Flaeche f : {Flaeche{632, 448}, Flaeche{800, 560}, Flaeche{1016, 704}, Flaeche{1280, 960}}) {
            SCOPED_TRACE(std::to_string(dpi) + " DPI, " + std::to_string(f.b) + " x " + std::to_string(f.h));
            const std::vector<Benannt> bei_96 = alle(anordnung_berechnen(f.b, f.h, Massstab{}));
            const Massstab massstab{dpi, skaliert(16, dpi)};
            const std::vector<Benannt> hier =
                alle(anordnung_berechnen(skaliert(f.b, dpi), skaliert(f.h, dpi), massstab));
            for (size_t i = 0; i < hier.size(); ++i) {
                const Platz& p = hier[i].platz;
                const Platz& q = bei_96[i].platz;
                const int32_t ist[] = {p.x, p.y, p.breite, p.hoehe};
                const int32_t soll[] = {q.x, q.y, q.breite, q.hoehe};
                for (int32_t k = 0; k < 4; ++k) {
                    EXPECT_LT(std::fabs(ist[k] - soll[k] * s), s + 0.5)
                        << hier[i].name << " value " << k << ": " << ist[k] << " against " << soll[k] << " * " << s;
                }
            }
        }
    }
}

TEST(Anordnung, MindestensWaechstMitDerAufloesung) {
    struct Fall { int32_t dpi, b_neu, h_neu; };
    // A frame of 8 x 34 pixels, the window asked for at 300 x 200.
    for (const Fall& f : {Fall{96, 632, 446}, Fall{120, 792, 566}, Fall{144, 952, 686}, Fall{192, 1272, 926}}) {
        int32_t b = 300, h = 200;
        mindestens(b, h, 8, 34, f.dpi);
        EXPECT_EQ(f.b_neu, b) << f.dpi;
        EXPECT_EQ(f.h_neu, h) << f.dpi;
    }
}

// At the smallest client area of each resolution nothing is cut off: every
// place lies inside the client area (the lists down to their closed
// height), and the panel's captions and the widest values fit their fields
// in the panel's font at that resolution (the library's font scaled as the
// window scales it). A caption left of a bar ends where the bar begins.
TEST(Anordnung, KleinsteFlaecheSchneidetBeiKeinerAufloesungEtwasAb) {
    ASSERT_EQ(0, ui_texte_entschluesseln());
    const Font system_schrift;  // the stock font the window library uses
    char rekt[40], dekl[40], feld[40];
    rekt_text(rekt, sizeof rekt, -23.99);
    dekl_text(dekl, sizeof dekl, -89.99);
    feld_text(feld, sizeof feld, 3.14);
    for (const int32_t dpi : AUFLOESUNGEN) {
        SCOPED_TRACE(std::to_string(dpi) + " DPI");
        int32_t b = 0, h = 0;
        // The frame of a window whose borders do not grow (as under Wine):
        // the most client area it can cost.
        mindestens(b, h, 8, 34, dpi);
        const Anordnung a = anordnung_berechnen(b, h, Massstab{dpi, skaliert(16, dpi)});
        for (const Benannt& n : alle(a)) {
            const Platz& p = n.platz;
            const bool liste = strstr(n.name, "_wahl") != nullptr;
            EXPECT_GE(p.x, 0) << n.name;
            EXPECT_GE(p.y, 0) << n.name;
            EXPECT_LE(p.x + p.breite, b) << n.name;
            // A closed list is a field's height; its open height may go below.
            EXPECT_LE(p.y + (liste ? skaliert(20, dpi) : p.hoehe), h) << n.name;
        }
        const Font schrift(schrift_fuer(system_schrift.beschreibung(), dpi));
        const int32_t rand = skaliert(4, dpi);  // an edit's border and margin, both sides
        struct Text { const char* text; int32_t platz; };
        std::vector<Text> texte{{ui_text(UI_REKTASZENSION), a.titel_rekt.breite},
                                {ui_text(UI_DEKLINATION), a.titel_dekl.breite},
                                {ui_text(UI_GESICHTSFELD), a.feld_anzeige.x - a.titel_feld.x},
                                {rekt, a.rekt_anzeige.breite - rand},
                                {dekl, a.dekl_anzeige.breite - rand},
                                {feld, a.feld_anzeige.breite - rand}};
        for (int32_t i = 0; i < EBENEN; ++i)
            texte.push_back({ui_text(UI_STERNBILDER + i), a.ebenen_leisten[i].x - a.ebenen_titel[i].x});
        for (const Text& t : texte) {
            EXPECT_GT(schrift.textbreite(t.text), 0) << t.text;
            EXPECT_LE(schrift.textbreite(t.text), t.platz) << t.text;
        }
        // Text lines are as high as their fields.
        EXPECT_LE(schrift.metrik().tmHeight, a.titel_rekt.hoehe);
    }
}

}  // namespace
