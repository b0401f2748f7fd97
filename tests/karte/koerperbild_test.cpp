// Where and how large the Sun, the Moon and the planets stand on a chart,
// which of a disc's points are lit, and the bodies kept for one instant.
#include <gtest/gtest.h>

#include <cmath>

#include "koerperbild.h"
#include "koerperstand.h"
#include "projektion.h"

namespace {

constexpr double GRAD = PI / 180.0;

Koerper koerper_bei(double rekt, double dekl, double helligkeit) {
    Koerper k{};
    k.rekt = rekt;
    k.dekl = dekl;
    k.helligkeit = helligkeit;
    return k;
}

TEST(Koerperbild, HelleKoerperSindGroesserAlsSirius) {
    struct Fall {
        const char* was;
        double helligkeit;
        int32_t zugabe;
    } const faelle[] = {
        {"Sirius himself gets no more", -1.46, 0},   {"the limit", -1.5, 0},
        {"the faintest Jupiter", -1.6, 1},           {"Mars at opposition", -2.9, 2},
        {"Venus", -4.6, 3},                          {"the Moon, held to the largest", -12.7, 3},
        {"a faint planet: a star's disc", 5.7, 0},   {"no number", NAN, 0},
    };
    for (const Fall& f : faelle) EXPECT_EQ(f.zugabe, helle_zugabe(f.helligkeit)) << f.was;
}

TEST(Koerperbild, ScheibenNachHelligkeitUndWahrerGroesse) {
    // A chart of radius 400 at 3 degrees: 800 pixels across 3 degrees.
    const double eng = kartenmassstab(1.0, 3 * GRAD, 400);
    const double weit = kartenmassstab(1.0, 180 * GRAD, 400);
    Koerper sonne = koerper_bei(0, 0, -26.7);
    sonne.durchmesser = 0.533;
    EXPECT_EQ(71, scheibenradius(sonne, SONNE, 5, 1, eng)) << "the true half diameter, 0.267 of 3 degrees x 800";
    EXPECT_EQ(8, scheibenradius(sonne, SONNE, 5, 1, weit)) << "at 180 degrees the brightest disc, not 1 pixel";
    Koerper jupiter = koerper_bei(0, 0, -2.2);
    jupiter.durchmesser = 0.012;
    EXPECT_EQ(6, scheibenradius(jupiter, JUPITER, 5, 1, eng)) << "a planet never at its true size";
    EXPECT_EQ(16 + 2, scheibenradius(jupiter, JUPITER, 16, 2, eng)) << "the printer's step";
    EXPECT_EQ(1, scheibenradius(koerper_bei(0, 0, 7.8), NEPTUN, 0, 1, weit)) << "the faintest stays a disc";
}

TEST(Koerperbild, BeleuchteterTeilDerScheibe) {
    // a toward the bright limb, b across, on a disc of radius 1.
    struct Fall {
        const char* was;
        double phasenwinkel, a, b;
        bool hell;
    } const faelle[] = {
        {"full: the far edge lit", 0, -0.95, 0, true},
        {"new: the near edge dark", 180, 0.95, 0, false},
        {"quarter: the bright half", 90, 0.05, 0, true},
        {"quarter: the dark half", 90, -0.05, 0, false},
        {"crescent: inside the limb", 120, 0.6, 0, true},
        {"crescent: past the terminator", 120, 0.4, 0, false},
        {"crescent: the horns reach far", 120, 0.1, 0.99, true},
        {"gibbous: past the middle", 60, -0.4, 0, true},
        {"gibbous: beyond the terminator", 60, -0.6, 0, false},
        {"outside the disc", 0, 0, 1.1, false},
    };
    for (const Fall& f : faelle) EXPECT_EQ(f.hell, beleuchtet(f.a, f.b, f.phasenwinkel)) << f.was;
}

TEST(Koerperbild, OrtUndRichtungDesHellenRandes) {
    Himmel himmel;
    himmel.setze_mitte(6.0, 20.0);
    himmel.setze_gesichtsfeld(60);
    Koerper k = koerper_bei(6.0, 30.0, 0);
    struct Fall {
        const char* was;
        double hellrand, x, y;
    } const faelle[] = {
        {"north is up", 0, 0, 1},
        {"east is left, as seen in the sky", 90, -1, 0},
        {"south is down", 180, 0, -1},
        {"west is right", 270, 1, 0},
    };
    for (const Fall& f : faelle) {
        k.hellrand = f.hellrand;
        const Koerperort o = koerperort(himmel, k, Kartenart::KARTE, 300);
        EXPECT_TRUE(o.sichtbar && o.im_quadrat);
        EXPECT_EQ(0, o.dx);
        EXPECT_EQ(pixel_runden(kartenmassstab(10 * GRAD, 60 * GRAD, 300)), o.dy) << "10 degrees north";
        EXPECT_NEAR(f.x, o.hell_x, 0.02) << f.was;
        EXPECT_NEAR(f.y, o.hell_y, 0.02) << f.was;
    }
    // Beyond the field of view; at the pole, where east is any direction.
    EXPECT_FALSE(koerperort(himmel, koerper_bei(18.0, -20.0, 0), Kartenart::KARTE, 300).sichtbar);
    const Koerperort pol = koerperort(himmel, koerper_bei(0.0, 90.0, 0), Kartenart::KARTE, 300);
    EXPECT_NEAR(1.0, std::hypot(pol.hell_x, pol.hell_y), 1e-9);
}

TEST(Koerperstand, EinmalJeAugenblickUndOrt) {
    constexpr int64_t WINTER_ABEND = 1797368400;  // 2026-12-15 21:00 UTC
    Koerperstand stand;
    const Koerperlage* lage = stand.bei(WINTER_ABEND, 48.14, 11.58);
    ASSERT_NE(nullptr, lage);
    const Koerper mond = lage->koerper[MOND];
    // Another place moves the Moon (parallax up to a degree), then the same
    // instant and place again give the first answer.
    const Koerperlage* woanders = stand.bei(WINTER_ABEND, -33.9, 151.2);
    ASSERT_NE(nullptr, woanders);
    EXPECT_GT(std::fabs(woanders->koerper[MOND].dekl - mond.dekl), 0.3);
    lage = stand.bei(WINTER_ABEND, 48.14, 11.58);
    ASSERT_NE(nullptr, lage);
    EXPECT_EQ(mond.dekl, lage->koerper[MOND].dekl);
    EXPECT_EQ(nullptr, stand.bei(INT64_C(8000000000000), 48.14, 11.58)) << "beyond the years";
    EXPECT_EQ(nullptr, stand.bei(WINTER_ABEND, 95.0, 11.58)) << "no such latitude";
}

}  // namespace
