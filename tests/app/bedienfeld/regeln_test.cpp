// The rules of the control panel: time rules, value texts, scroll steps and
// the place search.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <cstring>
#include <string>

#include "bedienfeld/ansichtsregeln.h"
#include "bedienfeld/leistenregel.h"
#include "bedienfeld/ort_suche.h"
#include "bedienfeld/wertanzeige.h"
#include "zeitregeln.h"
#include "himmel.h"

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

TEST(Zeitregeln, DieListeDieNichtZuletztGesetztWurdeFolgt) {
    const struct {
        int32_t fest, monat, zeit;
        int32_t neuer_monat, neue_zeit;
    } faelle[] = {
        {1, 2, 0, 2, 10},   // date set last: 19.90 h on 1 February is 10 o'clock
        {2, 9, 22, 15, 22}, // hour set last: 19.90 h at 22 o'clock is 15 August
        {0, 9, 22, 15, 21}, // neither: the date from the hour, then the hour from that date
        {7, 2, 22, 15, 21},
    };
    for (const auto& f : faelle) {
        int32_t monat = f.monat, zeit = f.zeit;
        listen_nachfuehren(19.90, f.fest, monat, zeit);
        EXPECT_EQ(f.neuer_monat, monat) << f.fest;
        EXPECT_EQ(f.neue_zeit, zeit) << f.fest;
    }
}

// ---- the view of a settings file ----

TEST(Ansichtsregeln, JederWertImBereichSeinerKontrolle) {
    Einstellungen e = vorgaben(Programm::STERNKARTE);
    e.ansicht = {3000, INT_MIN, 0, 1, 99, -4, -7};
    e.darstellung.staerke_prozent[STERNBILDER] = 300;
    e.darstellung.staerke_prozent[HILFSLINIEN] = -5;
    Einstellungen b = e;
    einstellungen_begrenzen(b);  // as reading holds a file's values
    EXPECT_EQ(2400, b.ansicht.rek);
    EXPECT_EQ(-8999, b.ansicht.dek);  // the negated declination: +89.99 degrees
    EXPECT_EQ(3, b.ansicht.gesichtsfeld);
    EXPECT_EQ(1, b.ansicht.fest);
    EXPECT_EQ(23, b.ansicht.monat);
    EXPECT_EQ(0, b.ansicht.zeit);
    EXPECT_EQ(-1, b.ansicht.ort);
    EXPECT_EQ(100, b.darstellung.staerke_prozent[STERNBILDER]);
    EXPECT_EQ(0, b.darstellung.staerke_prozent[HILFSLINIEN]);
    EXPECT_EQ(e.darstellung.staerke_prozent[STERNNAMEN], b.darstellung.staerke_prozent[STERNNAMEN]);

    // What lies in range stays as it is, and the sky takes it.
    e.ansicht = {1990, -3933, 37, 2, 5, 13, 3};
    Einstellungen gleich = e;
    einstellungen_begrenzen(gleich);
    EXPECT_EQ(0, memcmp(&e.ansicht, &gleich.ansicht, sizeof e.ansicht));
    Himmel himmel;
    // By the original rule the centre is the bars' values.
    himmel_ausrichten(himmel, gleich.ansicht, Zonen{}, Moment{}, REGEL_ORIGINAL);
    EXPECT_DOUBLE_EQ(19.90, himmel.rektaszension);
    EXPECT_DOUBLE_EQ(39.33, himmel.deklination);
    EXPECT_NEAR(37 * 3.1415927 / 180, himmel.gesichtsfeld, 1e-6);
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

}  // namespace
