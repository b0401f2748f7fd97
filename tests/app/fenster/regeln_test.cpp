// The rules behind the main window that need no window: time rules, value
// texts, scroll steps, layout, the stages of the drawing, the place search,
// the colour tables and the start size.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "anordnung.h"
#include "farbtabelle.h"
#include "fenster.h"
#include "himmel.h"
#include "leistenregel.h"
#include "ort_suche.h"
#include "programm.h"
#include "wertanzeige.h"
#include "zeichenplan.h"
#include "zeitregeln.h"

namespace {

// ---- time rules ----

TEST(Zeitregeln, RektaszensionAusDatumUndStunde) {
    struct Fall { int32_t monat, stunde; double rekt; };
    for (const Fall& f : {Fall{0, 17, 0.0}, Fall{17, 0, 0.0}, Fall{2, 7, 16.0},
                          Fall{23, 23, 5.0}, Fall{0, 0, 7.0}, Fall{16, 0, 23.0}}) {
        EXPECT_DOUBLE_EQ(f.rekt, rekt_aus_datum(f.monat, f.stunde)) << f.monat << " " << f.stunde;
    }
}

TEST(Zeitregeln, RueckwegeTreffenDatumUndStundeWieder) {
    for (int32_t m = 0; m < HALBMONATE; ++m) {
        for (int32_t h = 0; h < STUNDEN; ++h) {
            const double rekt = rekt_aus_datum(m, h);
            ASSERT_EQ(m, halbmonat_aus_rekt(rekt, h)) << m << " " << h;
            ASSERT_EQ(h, stunde_aus_rekt(rekt, m)) << m << " " << h;
        }
    }
}

TEST(Zeitregeln, BruchteileWerdenAbgerundetAuchUnterNull) {
    // 19.90 h on the 1st of February (index 2): the sky of 10 o'clock.
    EXPECT_EQ(10, stunde_aus_rekt(19.90, 2));
    // 0.2 h at 23 o'clock: half-month 18 (at 23 o'clock it gives 0.00 h),
    // although 0.2 - 23 + 17.5 = -5.3 lies below zero.
    EXPECT_EQ(18, halbmonat_aus_rekt(0.2, 23));
    // 0.4 h on half-month 20: 21 o'clock has begun (22 o'clock gives 1.00 h).
    EXPECT_EQ(21, stunde_aus_rekt(0.4, 20));
    // Half a half-month rounds up: 16.5 - 7 + 17.5 = 27 -> 3.
    EXPECT_EQ(3, halbmonat_aus_rekt(16.5, 7));
    EXPECT_EQ(2, halbmonat_aus_rekt(16.49, 7));
}

TEST(Zeitregeln, WerteAusserhalbDesBereichsLaufenUm) {
    EXPECT_EQ(7, stunde_aus_rekt(16.0, 2 + 24 * 1000));
    for (int32_t n : {stunde_aus_rekt(0.0, INT_MIN), stunde_aus_rekt(0.0, INT_MAX),
                      halbmonat_aus_rekt(1e300, 0), halbmonat_aus_rekt(-3.5, INT_MIN)}) {
        EXPECT_GE(n, 0);  // no endless loop, no overflow
        EXPECT_LT(n, 24);
    }
}

// ---- value texts ----

std::string rekt(double h) { char t[40]; rekt_text(t, sizeof t, h); return t; }
std::string dekl(double g) { char t[40]; dekl_text(t, sizeof t, g); return t; }

TEST(Wertanzeige, RektaszensionInStundenUndMinuten) {
    EXPECT_EQ("+19h 54.0'", rekt(19.90));
    EXPECT_EQ("+00h 00.0'", rekt(0.0));
    EXPECT_EQ("+23h 59.4'", rekt(23.99));
    EXPECT_EQ("+24h 00.0'", rekt(24.0));
    EXPECT_EQ("+00h 01.8'", rekt(0.03));
    EXPECT_EQ("-00h 30.0'", rekt(-0.5));
}

TEST(Wertanzeige, DeklinationBehaeltIhrVorzeichenUnterEinemGrad) {
    EXPECT_EQ("+39\xB0 20'", dekl(39.33));
    EXPECT_EQ("-10\xB0 00'", dekl(-10.0));
    EXPECT_EQ("-00\xB0 30'", dekl(-0.50));
    EXPECT_EQ("-00\xB0 01'", dekl(-0.01));
    EXPECT_EQ("+00\xB0 00'", dekl(-0.001));  // rounds to zero: no "-00° 00'"
    EXPECT_EQ("+89\xB0 59'", dekl(89.99));
    EXPECT_EQ("-89\xB0 59'", dekl(-89.99));
    // Minutes that round up to 60 carry into the degrees.
    EXPECT_EQ("+01\xB0 00'", dekl(0.9999));
}

TEST(Wertanzeige, GesichtsfeldInGanzenGradUeberDenHimmel) {
    Himmel himmel;
    for (int32_t grad : {3, 10, 37, 90, 179, 180}) {
        himmel.setze_gesichtsfeld(grad);
        char t[16];
        feld_text(t, sizeof t, himmel.gesichtsfeld);
        char erwartet[16];
        snprintf(erwartet, sizeof erwartet, "% 3d\xB0", grad);  // " 37°", " 180°"
        EXPECT_STREQ(erwartet, t);
    }
}

TEST(Wertanzeige, KurzerPufferWirdNichtUeberschrieben) {
    char t[6] = "xxxxx";
    dekl_text(t, 4, 39.33);
    EXPECT_STREQ("+39", t);
}

// ---- scroll rules ----

struct Schritt {
    const Leistenregel* regel;
    int32_t art, daumen, vorher;
    bool gilt;
    int32_t nachher;
};

TEST(Leistenregel, SchritteDaumenUndGrenzen) {
    const Schritt faelle[] = {
        {&REKT_REGEL, SB_LINELEFT, 0, 1990, true, 1993},
        {&REKT_REGEL, SB_LINERIGHT, 0, 1990, true, 1987},
        {&REKT_REGEL, SB_PAGELEFT, 0, 1990, true, 2090},
        {&REKT_REGEL, SB_PAGERIGHT, 0, 1990, true, 1890},
        {&REKT_REGEL, SB_LINELEFT, 0, 2399, true, 2400},
        {&REKT_REGEL, SB_PAGERIGHT, 0, 50, true, 0},
        {&REKT_REGEL, SB_THUMBTRACK, -2000, 1990, true, 2000},
        {&REKT_REGEL, SB_THUMBTRACK, -1990, 1990, false, 1990},
        {&REKT_REGEL, SB_THUMBPOSITION, -2000, 1990, false, 1990},
        {&REKT_REGEL, SB_ENDSCROLL, 0, 1990, false, 1990},
        {&FELD_REGEL, SB_PAGELEFT, 0, 175, true, 180},
        {&FELD_REGEL, SB_PAGERIGHT, 0, 8, true, 3},
        {&FELD_REGEL, SB_LINELEFT, 0, 37, true, 38},
        {&DEKL_REGEL, SB_LINEUP, 0, 3933, true, 4000},
        {&DEKL_REGEL, SB_PAGEDOWN, 0, -8800, true, -8999},
        {&DEKL_REGEL, SB_THUMBTRACK, 5000, 0, true, -5000},
        {&EBENEN_REGEL, SB_LINELEFT, 0, 70, true, 69},
        {&EBENEN_REGEL, SB_PAGERIGHT, 0, 95, true, 100},
        {&EBENEN_REGEL, SB_PAGELEFT, 0, 5, true, 0},
        {&EBENEN_REGEL, SB_THUMBTRACK, 30, 70, true, 30},
        {&EBENEN_REGEL, SB_TOP, 0, 70, false, 70},
    };
    for (const Schritt& f : faelle) {
        int32_t wert = f.vorher;
        EXPECT_EQ(f.gilt, leisten_schritt(*f.regel, f.art, f.daumen, wert))
            << "art " << f.art << " von " << f.vorher;
        EXPECT_EQ(f.nachher, wert) << "art " << f.art << " von " << f.vorher;
    }
}

TEST(Leistenregel, PositionHaeltJedenGelesenenWertImBereich) {
    EXPECT_EQ(-1990, leisten_position(REKT_REGEL, 1990));
    EXPECT_EQ(-2400, leisten_position(REKT_REGEL, 3000));
    EXPECT_EQ(0, leisten_position(REKT_REGEL, INT_MIN));
    EXPECT_EQ(-2400, leisten_position(REKT_REGEL, INT_MAX));
    EXPECT_EQ(-3, leisten_position(FELD_REGEL, 0));
    EXPECT_EQ(100, leisten_position(EBENEN_REGEL, 300));
    EXPECT_EQ(1990, leisten_wert(REKT_REGEL, -1990));
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

// ---- stages of the drawing ----

Einstellungen mit_staerken(int32_t bilder, int32_t bildnamen, int32_t namen, int32_t linien) {
    Einstellungen e = vorgaben(Programm::STERNKARTE);
    e.staerke[STERNBILDER] = bilder;
    e.staerke[STERNBILDNAMEN] = bildnamen;
    e.staerke[STERNNAMEN] = namen;
    e.staerke[HILFSLINIEN] = linien;
    return e;
}

std::vector<Zeichnung> arten(const Zeichenstufe& s) {
    std::vector<Zeichnung> v;
    for (int32_t i = 0; i < s.anzahl; ++i) v.push_back(s.auftrag[i].was);
    return v;
}

using Z = Zeichnung;

TEST(Zeichenplan, AlleEbenenAn) {
    const Einstellungen e = mit_staerken(70, 70, 95, 30);
    Zeichenstufe s = zeichenstufe(0, e);
    EXPECT_EQ((std::vector<Z>{Z::BERECHNET_LOESCHEN, Z::UEBERSICHT_GITTER, Z::UEBERSICHT_FIGUREN,
                              Z::KARTE_GITTER, Z::KARTE_FIGUREN, Z::UEBERSICHT_GESTIRNE,
                              Z::KARTE_GESTIRNE, Z::MARKEN}),
              arten(s));
    EXPECT_EQ(59, s.auftrag[5].bis);
    EXPECT_EQ(0, s.auftrag[6].von);
    EXPECT_EQ(59, s.auftrag[6].bis);
    EXPECT_EQ(60, s.naechste);
    EXPECT_EQ(250u, s.verzoegerung);

    s = zeichenstufe(100, e);
    EXPECT_EQ((std::vector<Z>{Z::KARTE_GITTER, Z::UEBERSICHT_GITTER}), arten(s));
    s = zeichenstufe(101, e);
    EXPECT_EQ((std::vector<Z>{Z::UEBERSICHT_GESTIRNE, Z::KARTE_FIGUREN}), arten(s));
    EXPECT_EQ(65, s.auftrag[0].bis);
    s = zeichenstufe(102, e);
    EXPECT_EQ((std::vector<Z>{Z::STERNBILD_NAMEN, Z::STERN_NAMEN, Z::UEBERSICHT_FIGUREN,
                              Z::STERN_KENNUNGEN, Z::UEBERSICHT_GESTIRNE, Z::KARTE_GESTIRNE,
                              Z::MARKEN}),
              arten(s));
    EXPECT_EQ(99, s.auftrag[4].bis);
    EXPECT_EQ(99, s.auftrag[5].bis);
    EXPECT_EQ(STUFE_RUHE, s.naechste);
    EXPECT_EQ(1000u, s.verzoegerung);
}

TEST(Zeichenplan, DerGanzeZyklusBisZurRuhe) {
    const Einstellungen e = mit_staerken(70, 70, 95, 30);
    std::vector<int32_t> stufen;
    std::vector<uint32_t> pausen;
    int32_t schritt = 0;
    for (int i = 0; i < 20 && schritt != STUFE_RUHE; ++i) {
        const Zeichenstufe s = zeichenstufe(schritt, e);
        EXPECT_TRUE(s.ausgeben);
        if (schritt >= 60 && schritt < 100) {
            ASSERT_EQ(1, s.anzahl);
            EXPECT_EQ(Z::KARTE_GESTIRNE, s.auftrag[0].was);
            EXPECT_EQ(schritt, s.auftrag[0].von);
            EXPECT_EQ(schritt + 4, s.auftrag[0].bis);
        }
        schritt = s.naechste;
        stufen.push_back(schritt);
        pausen.push_back(s.verzoegerung);
    }
    EXPECT_EQ((std::vector<int32_t>{60, 65, 70, 75, 80, 85, 90, 95, 100, 101, 102, -1}), stufen);
    EXPECT_EQ((std::vector<uint32_t>{250, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1000}), pausen);
}

TEST(Zeichenplan, RuheTicktNurWeiter) {
    for (int32_t schritt : {STUFE_RUHE, 103, -7}) {
        const Zeichenstufe s = zeichenstufe(schritt, mit_staerken(70, 70, 95, 30));
        EXPECT_EQ(0, s.anzahl);
        EXPECT_FALSE(s.ausgeben);
        EXPECT_EQ(schritt, s.naechste);
        EXPECT_EQ(1000u, s.verzoegerung);
    }
}

TEST(Zeichenplan, AbgeschalteteEbenenFehlenInJederStufe) {
    struct Fall {
        Einstellungen e;
        std::vector<Z> fehlen;
    };
    const Fall faelle[] = {
        {mit_staerken(0, 70, 95, 30), {Z::UEBERSICHT_FIGUREN, Z::KARTE_FIGUREN, Z::STERN_KENNUNGEN}},
        {mit_staerken(70, 0, 95, 30), {Z::STERNBILD_NAMEN}},
        {mit_staerken(70, 70, 0, 30), {Z::STERN_NAMEN}},
        {mit_staerken(70, 70, 95, 0), {Z::UEBERSICHT_GITTER, Z::KARTE_GITTER}},
    };
    for (const Fall& f : faelle) {
        for (int32_t schritt : {0, 60, 100, 101, 102}) {
            for (Z was : arten(zeichenstufe(schritt, f.e))) {
                for (Z fehlt : f.fehlen) EXPECT_NE(fehlt, was) << "stage " << schritt;
            }
        }
    }
    // The stars and the marks are drawn whatever the layers.
    const std::vector<Z> nur_sterne = arten(zeichenstufe(102, mit_staerken(0, 0, 0, 0)));
    EXPECT_EQ((std::vector<Z>{Z::UEBERSICHT_GESTIRNE, Z::KARTE_GESTIRNE, Z::MARKEN}), nur_sterne);
}

// ---- place search ----

TEST(OrtSuche, ErstZehntelgradDannGanzesGradLetzterTrifft) {
    const int32_t breiten[] = {5250, 4800, 5240, 5300, -3390};
    struct Fall { int32_t dekl, ort; };
    for (const Fall& f : {Fall{5245, 2}, Fall{5250, 2}, Fall{5260, 0}, Fall{5261, 3},
                          Fall{5320, 3}, Fall{5400, 3}, Fall{5401, -1}, Fall{4890, 1},
                          Fall{-3300, 4}, Fall{6000, -1}, Fall{INT_MIN, -1}}) {
        EXPECT_EQ(f.ort, ort_suchen(breiten, 5, f.dekl)) << f.dekl;
    }
    EXPECT_EQ(-1, ort_suchen(nullptr, 0, 5250));
}

// ---- colour tables ----

class Farbtabelle : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(0, bild.erzeugen(4, 4, 8, 0, 0)); }
    DIB bild;
};

TEST_F(Farbtabelle, BildschirmschemaMitGedimmtenEbenen) {
    Einstellungen e = vorgaben(Programm::STERNKARTE);
    e.staerke[STERNBILDER] = 50;
    e.staerke[STERNNAMEN] = 0;
    farbtabelle_schirm(bild, e);
    EXPECT_EQ(0x300000u, bild.farbe(0));               // (0, 0, 48)
    EXPECT_EQ(0xFFF0E0u, bild.farbe(10));              // family O, full
    EXPECT_EQ(0x7F7870u, bild.farbe(12));              // halved, truncated
    EXPECT_EQ(0x333333u, bild.farbe(49));              // family F (white) / 5
    EXPECT_EQ(0x9090FFu, bild.farbe(70));              // family M
    EXPECT_EQ(0x7F7F1Cu, bild.farbe(128));             // (56, 255, 255) x 0.5
    EXPECT_EQ(0xB2B221u, bild.farbe(129));             // (48, 255, 255) x 0.7, truncated
    EXPECT_EQ(bild.farbe(0), bild.farbe(130));         // star names off: background
    EXPECT_EQ(0x4C484Cu, bild.farbe(96));              // (255, 243, 255) x 0.3
    EXPECT_EQ(0xC0C0C0u, bild.farbe(100));
    EXPECT_EQ(0x4080FFu, bild.farbe(254));             // (255, 128, 64)
    EXPECT_EQ(0xFF00FFu, bild.farbe(255));
    EXPECT_EQ(0x141414u, bild.farbe(5));               // not set: the canvas's own
}

TEST_F(Farbtabelle, SchwarzAufWeiss) {
    farbtabelle_schirm(bild, vorgaben(Programm::STERNKARTE));
    farbtabelle_schwarz_weiss(bild);
    EXPECT_EQ(0xFFFFFFu, bild.farbe(0));
    for (int32_t i = 1; i < 256; ++i) ASSERT_EQ(0u, bild.farbe(i)) << i;
}

// ---- start size ----

TEST(Startgroesse, BisEinschliesslich800Pixel640Mal480) {
    int32_t b = 0, h = 0;
    startgroesse(800, b, h);
    EXPECT_EQ(640, b);
    EXPECT_EQ(480, h);
    startgroesse(801, b, h);
    EXPECT_EQ(Fenster::STANDARD, b);
    EXPECT_EQ(Fenster::STANDARD, h);
}

}  // namespace
