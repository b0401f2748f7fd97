// Moving the view with the mouse as geometry: click or drag by the system's
// distance, a drag's new view values, and the point under an overview pixel,
// which must be where the engine draws that point.
#include <gtest/gtest.h>

#include <cmath>

#include "himmel.h"
#include "projektion.h"
#include "zeigen/ziehen.h"

namespace {

TEST(Ziehen, KlickBisZurZiehdistanzDanachZiehen) {
    struct Fall {
        int32_t dx, dy, grenze_x, grenze_y;
        bool zieht;
    };
    const Fall faelle[] = {
        {0, 0, 4, 4, false},   {4, 0, 4, 4, false},  {-4, 4, 4, 4, false}, {5, 0, 4, 4, true},
        {0, -5, 4, 4, true},   {-5, 0, 4, 4, true},  {3, 3, 2, 8, true},   {2, 8, 2, 8, false},
        {INT32_MIN, 0, 4, 4, true},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.zieht, ist_ziehen(f.dx, f.dy, f.grenze_x, f.grenze_y)) << f.dx << "," << f.dy;
}

TEST(Ziehen, VerschiebenUmDieUhrUndBisZurGrenzeDerDeklination) {
    struct Fall {
        Blickwerte start;
        double d_rekt, d_dekl;
        Blickwerte neu;
    };
    const Fall faelle[] = {
        {{1200, 4800}, 1.5, -2.25, {1350, 4575}},
        {{2350, 0}, 0.6, 0, {10, 0}},       // past 24 h
        {{30, 0}, -0.5, 0, {2380, 0}},      // below 0 h
        {{100, 0}, 48.0, 0, {100, 0}},      // whole turns
        {{0, 8900}, 0, 5.0, {0, 8999}},     // held at the bar's limits
        {{0, -8900}, 0, -5.0, {0, -8999}},
        {{700, 100}, NAN, 1.0, {700, 100}}, // nothing from nothing
        {{700, 100}, 1e300, 0, {700, 100}},
    };
    for (const Fall& f : faelle) {
        const Blickwerte b = blick_verschoben(f.start, f.d_rekt, f.d_dekl);
        EXPECT_EQ(f.neu.rekt, b.rekt) << f.start.rekt << " + " << f.d_rekt;
        EXPECT_EQ(f.neu.dekl, b.dekl) << f.start.dekl << " + " << f.d_dekl;
    }
}

TEST(Ziehen, DerHimmelFolgtDemZeiger) {
    const double feld = 60 * PI / 180;  // 60 degrees over 2 x 300 pixels: 0.1 degree a pixel
    struct Fall {
        Blickwerte start;
        int32_t dx, dy;
        Blickwerte neu;
    };
    const Fall faelle[] = {
        {{1200, 0}, 0, 0, {1200, 0}},
        {{1200, 0}, 150, 0, {1300, 0}},     // right: 15 degrees east, one hour more
        {{1200, 0}, -150, 0, {1100, 0}},
        {{1200, 0}, 0, 100, {1200, 1000}},  // down: the north comes to the middle
        {{1200, 0}, 0, -100, {1200, -1000}},
        {{1200, 6000}, 75, 0, {1300, 6000}},  // at 60 degrees an hour is half as wide
        {{1200, 8999}, 15, 0, {1300, 8999}},  // the cosine held to 0.1: 1.5 degrees make an hour
        {{1200, 8000}, 0, 500, {1200, 8999}},
    };
    for (const Fall& f : faelle) {
        const Blickwerte b = blick_gezogen(f.start, feld, 300, f.dx, f.dy);
        EXPECT_EQ(f.neu.rekt, b.rekt) << f.dx << "," << f.dy << " at " << f.start.dekl;
        EXPECT_EQ(f.neu.dekl, b.dekl) << f.dx << "," << f.dy << " at " << f.start.dekl;
    }
    const Blickwerte ohne = blick_gezogen({500, 500}, feld, 0, 10, 10);  // no chart yet
    EXPECT_EQ(500, ohne.rekt);
    EXPECT_EQ(500, ohne.dekl);
}

// The point found under a pixel, drawn by the engine's own projection from
// the same centre, lands on that pixel: the click centres what it hit.
TEST(Ziehen, UebersichtspunktLiegtWoDieMaschineIhnZeichnet) {
    const int32_t r = 150;
    Himmel himmel;
    for (const Himmelsmitte mitte : {Himmelsmitte{19.9, 48.1}, Himmelsmitte{0.1, -30.0},
                                     Himmelsmitte{6.0, 0.0}, Himmelsmitte{23.5, 85.0}}) {
        himmel.setze_mitte(mitte.rekt, mitte.dekl);
        for (int32_t x = 10; x < 2 * r; x += 23) {
            for (int32_t y = 10; y < 2 * r; y += 23) {
                Himmelsmitte punkt{};
                const bool innen = std::hypot(x - r, y - r) <= r;
                ASSERT_EQ(innen, uebersicht_punkt(mitte, r, x, y, punkt)) << x << "," << y;
                if (!innen) continue;
                const PolarPos p = himmel.polar_berechnen(einheitsvektor(punkt.rekt, punkt.dekl));
                const Versatz v = versatz(p.winkel, uebersichtsmassstab(p.abstand, r));
                EXPECT_NEAR(x, r + v.dx, 1) << mitte.rekt << " " << mitte.dekl << ": " << x << "," << y;
                EXPECT_NEAR(y, r - v.dy, 1) << mitte.rekt << " " << mitte.dekl << ": " << x << "," << y;
                EXPECT_GE(punkt.rekt, 0.0);
                EXPECT_LT(punkt.rekt, 24.0);
            }
        }
    }
    // The middle is the centre; straight up, north by the radius's quarter turn.
    Himmelsmitte punkt{};
    ASSERT_TRUE(uebersicht_punkt({19.9, 10.0}, r, r, r, punkt));
    EXPECT_NEAR(19.9, punkt.rekt, 1e-6);
    EXPECT_NEAR(10.0, punkt.dekl, 1e-6);
    ASSERT_TRUE(uebersicht_punkt({19.9, 10.0}, r, r, r / 2, punkt));
    EXPECT_NEAR(55.0, punkt.dekl, 1e-6);
    // Left is east: a larger right ascension.
    ASSERT_TRUE(uebersicht_punkt({19.9, 0.0}, r, r / 2, r, punkt));
    EXPECT_NEAR(22.9, punkt.rekt, 1e-6);
    EXPECT_FALSE(uebersicht_punkt({19.9, 0.0}, 0, 0, 0, punkt));
}

}  // namespace
