// The constellation layers on the panes: figure lines on both scales, which
// lines are drawn, and the names at their label points.
#include <gtest/gtest.h>

#include <cstring>

#include "figuren.h"
#include "gestirne.h"
#include "himmel_fixture.h"

namespace {

struct Schriften {
    Font text{"Arial", 16};
    Font symbol{"Symbol", 14};
};

// The pixel line the canvas draws between the two single pixels of a set.
Punkte linie_zwischen(const Punkte& enden, int groesse) {
    EXPECT_EQ(2u, enden.size());
    DIB bild;
    leinwand(bild, groesse);
    const auto a = *enden.begin(), b = *enden.rbegin();
    bild.linie(a.first, a.second, b.first, b.second, 128);
    return pixel_mit(bild, 128);
}

class Figur : public ::testing::Test {
protected:
    void SetUp() override {
        // Faint stars: each a single pixel, so that they mark the line ends.
        ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 20, 700, 'G'}, {2, 22, -10, 700, 'G'}},
                                 {{"Tst", "Testum", 0, 0, {{1, 2}}}}));
        himmel.setze_gesichtsfeld(60);
        leinwand(linien, 402);
        leinwand(sterne, 402);
    }
    Himmel himmel;
    Schriften s;
    DIB linien, sterne;
};

TEST_F(Figur, UebersichtLinieZwischenIhrenSternen) {
    uebersicht_figuren(himmel, linien.dc, &linien, s.text, s.symbol, 200, 0);
    uebersicht_gestirne(himmel, sterne.dc, &sterne, s.text, s.symbol, 200, 0, 99);
    const Punkte linie = pixel_mit(linien, FIGUREN_INDEX);
    EXPECT_EQ(linie_zwischen(gezeichnet(sterne), 402), linie);
    EXPECT_EQ(gezeichnet(linien), linie);
    EXPECT_GT(linie.size(), 40u);
}

TEST_F(Figur, KarteZeichnetDieselbenLinienImKartenmassstab) {
    uebersicht_figuren(himmel, linien.dc, &linien, s.text, s.symbol, 200, 0);
    linien.fuellen(0);
    karte_figuren(himmel, linien.dc, &linien, s.text, s.symbol, 200, 0);
    karte_gestirne(himmel, sterne.dc, &sterne, s.text, s.symbol, 200, 0, 99);
    EXPECT_EQ(linie_zwischen(gezeichnet(sterne), 402), pixel_mit(linien, FIGUREN_INDEX));
}

// Without an earlier layer of the same drawing the chart computes the
// positions it needs instead of reading positions never written.
TEST_F(Figur, KarteOhneVorherigeLageRechnetSelbst) {
    karte_figuren(himmel, linien.dc, &linien, s.text, s.symbol, 200, 0);
    karte_gestirne(himmel, sterne.dc, &sterne, s.text, s.symbol, 200, 0, 99);
    EXPECT_EQ(linie_zwischen(gezeichnet(sterne), 402), pixel_mit(linien, FIGUREN_INDEX));
    EXPECT_EQ(1, himmel.berechnet[1]);
    EXPECT_EQ(1, himmel.berechnet[2]);
}

struct LinienFall {
    const char* was;
    double rekt_a, dekl_a, rekt_b, dekl_b;
    int stern_b;          // star number of end b (9 is not in the catalogue)
    double mitte_dekl;    // view centre at 0 h
    double gesichtsfeld;  // degrees
};

TEST(Figuren, NichtGezeichneteLinien) {
    const LinienFall faelle[] = {
        // 1.0 and 2.0 radians (57.3 and 114.6 degrees) north of the centre:
        // one end behind the hemisphere.
        {"front and back", 0, 57.2958, 12, 180 - 114.5916, 2, 0, 60},
        {"back and front", 12, 180 - 114.5916, 0, 57.2958, 2, 0, 60},
        {"star not found", 0, 10, 0, -10, 9, 0, 60},
        // Inside the hemisphere but far outside a narrow field: clipped away.
        {"outside the field", 2, 40, 3, 50, 2, -40, 10},
    };
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(
            himmel, {{1, f.rekt_a, f.dekl_a, 700, 'G'}, {2, f.rekt_b, f.dekl_b, 700, 'G'}},
            {{"Tst", "Testum", 0, 0, {{1, f.stern_b}}}}));
        himmel.setze_mitte(0, f.mitte_dekl);
        himmel.setze_gesichtsfeld(f.gesichtsfeld);
        Schriften s;
        DIB karte;
        leinwand(karte, 202);
        karte_figuren(himmel, karte.dc, &karte, s.text, s.symbol, 100, 0);
        EXPECT_TRUE(gezeichnet(karte).empty()) << f.was;
    }
}

// A line whose end names no loaded star is skipped before anything of it is
// computed.
TEST(Figuren, FehlendeSterneBleibenUnberuehrt) {
    Himmel himmel;
    ASSERT_TRUE(
        himmel_laden(himmel, {{1, 0, 10, 700, 'G'}}, {{"Tst", "Testum", 0, 0, {{9, 1}, {8, 9}}}}));
    EXPECT_EQ(-1, himmel.sternbilder[0].linien[0].klasse_a);
    Schriften s;
    DIB bild;
    leinwand(bild, 202);
    uebersicht_figuren(himmel, bild.dc, &bild, s.text, s.symbol, 100, 0);
    uebersicht_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 100, 0, 99);
    EXPECT_EQ(1u, gezeichnet(bild).size()) << "star 1 alone, on the overview as a figure star";
    EXPECT_EQ(1, himmel.berechnet[1]);
}

// A name is centred on its label point with its baseline through it; the
// reference is the same text drawn there with that alignment.
TEST(SternbildNamen, AnkerMitteAufDerGrundlinie) {
    struct Fall {
        const char* was;
        double rekt, dekl, gesichtsfeld;
        int x, y;  // the anchor, or x < 0 for no name on the canvas
    };
    // View centre 0 h, 0 degrees; r = 100.
    const Fall faelle[] = {
        {"at the centre", 0, 0, 90, 100, 100},
        {"north, 30 of 90 degrees", 0, 30, 90, 100, 100 - 67},
        // 100 degrees from the centre, over the pole: outside a 90-degree
        // chart, inside a 300-degree one (no visibility test of its own).
        {"behind, narrow field", 12, 80, 90, -1, 0},
        {"behind, wide field", 12, 80, 300, 100, 100 - 67},
    };
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 0, 700, 'G'}},
                                 {{"Ori", "Orion", f.rekt, f.dekl, {}}, {"Anm", " ", 0, 0, {}}}));
        ASSERT_EQ(nullptr, himmel.sternbilder[1].name);
        himmel.setze_gesichtsfeld(f.gesichtsfeld);
        Schriften s;
        DIB bild, erwartet;
        leinwand(bild, 202);
        leinwand(erwartet, 202);
        sternbild_namen(himmel, bild.dc, nullptr, s.text, s.symbol, 100, farbe_von(129));
        if (f.x >= 0) {
            SelectObject(erwartet.dc, s.text.handle());
            SetTextColor(erwartet.dc, farbe_von(129));
            SetTextAlign(erwartet.dc, TA_BASELINE | TA_CENTER);
            TextOutA(erwartet.dc, f.x, f.y, "Orion", 5);
            EXPECT_GT(pixel_mit(erwartet, 129).size(), 30u);
        }
        EXPECT_EQ(pixel_mit(erwartet, 129), pixel_mit(bild, 129)) << f.was;
        EXPECT_EQ(gezeichnet(bild), pixel_mit(bild, 129)) << f.was;
    }
}

}  // namespace
