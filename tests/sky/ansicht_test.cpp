#include <gtest/gtest.h>

#include <cmath>

#include "himmel.h"
#include "projektion.h"

TEST(Ansicht, ConstructedView) {
    Himmel h;
    EXPECT_NEAR(h.gesichtsfeld, 1.5707963, 1e-7);
    EXPECT_NEAR(h.mitte.x, 1.0, 1e-7);
    EXPECT_NEAR(h.mitte.y, 0.0, 1e-7);
    EXPECT_NEAR(h.mitte.z, 0.0, 1e-7);
    EXPECT_EQ(h.west.x, 0.0f);
    EXPECT_NEAR(h.west.y, -1.0, 1e-7);
    EXPECT_EQ(h.wahl_klasse, -1);
    EXPECT_EQ(h.wahl_index, -1);
    EXPECT_EQ(h.wahl_sternbild, -1);
}

TEST(Ansicht, SettersKeepTheOtherCoordinate) {
    Himmel h;
    h.setze_gesichtsfeld(37);
    EXPECT_NEAR(h.gesichtsfeld, 0.6457718, 1e-7);
    h.setze_mitte(6, 30);
    h.setze_deklination(-30);
    EXPECT_EQ(h.rektaszension, 6);
    EXPECT_NEAR(h.mitte.y, 0.8660254, 1e-6);
    EXPECT_NEAR(h.mitte.z, -0.5, 1e-6);
    h.setze_rektaszension(18);
    EXPECT_EQ(h.deklination, -30);
    EXPECT_NEAR(h.mitte.y, -0.8660254, 1e-6);
    EXPECT_NEAR(h.west.x, -1.0, 1e-6);  // west of 18 h is toward 12 h
    EXPECT_NEAR(h.gesichtsfeld, 0.6457718, 1e-7);
}

TEST(Ansicht, PolarPositionAroundTheCentre) {
    Himmel h;  // centre 0 h, 0 degrees
    const struct { double rekt, dekl, winkel, abstand; } faelle[] = {
        {0, 10, 0, 0.1745329},
        {1, 0, -1.5707963, 0.2617994},  // east: left of the centre
        {23, 0, 1.5707963, 0.2617994},  // west: right
        {0, -20, 3.1415927, 0.3490659},  // south: +pi or -pi
        {12, 0, NAN, 3.1415927},         // opposite: any position angle
        {0, 0, 0, 0},                    // the centre itself
    };
    for (const auto& f : faelle) {
        const PolarPos p = h.polar_berechnen(einheitsvektor(f.rekt, f.dekl));
        if (!std::isnan(f.winkel)) {
            EXPECT_NEAR(std::fabs(p.winkel), std::fabs(f.winkel), 1e-5) << f.rekt << " " << f.dekl;
        }
        if (std::fabs(f.winkel) < 3) {
            EXPECT_NEAR(p.winkel, f.winkel, 1e-5) << f.rekt << " " << f.dekl;
        }
        EXPECT_NEAR(p.abstand, f.abstand, 1e-5) << f.rekt << " " << f.dekl;
    }
}

TEST(Ansicht, CentreAtThePoleHasNoWest) {
    Himmel h;
    h.setze_mitte(3, 90);
    EXPECT_EQ(h.west.x, 0.0f);
    EXPECT_EQ(h.west.y, 0.0f);
    for (double rekt : {0.0, 5.0, 13.0}) {
        const PolarPos p = h.polar_berechnen(einheitsvektor(rekt, 60));
        EXPECT_NEAR(p.winkel, 1.5707963, 1e-6);
        EXPECT_NEAR(p.abstand, 0.5235988, 1e-5);
    }
}

TEST(Projektion, ChartPixels) {
    // Half the field of view reaches the edges; negative offsets move one
    // pixel toward the centre.
    const double gf = 3.1415927 / 2;
    const float viertel = static_cast<float>(3.1415927 / 4);
    const struct { float winkel; int x, y; } faelle[] = {
        {0.0f, 200, 0},
        {static_cast<float>(3.1415927 / 2), 400, 200},
        {static_cast<float>(-3.1415927 / 2), 1, 200},
        {static_cast<float>(3.1415927), 200, 399},
    };
    for (const auto& f : faelle) {
        const Versatz v = versatz(f.winkel, kartenmassstab(viertel, gf, 200));
        EXPECT_EQ(200 + v.dx, f.x) << f.winkel;
        EXPECT_EQ(200 - v.dy, f.y) << f.winkel;
    }
    const Versatz mitte = versatz(0, kartenmassstab(0, gf, 200));
    EXPECT_EQ(mitte.dx, 0);
    EXPECT_EQ(mitte.dy, 0);
    // The overview puts the edge of the hemisphere on the circle of radius r.
    EXPECT_EQ(versatz(0, uebersichtsmassstab(VIERTELKREIS, 150)).dy, 150);
}

TEST(Projektion, OffsetsSaturateOutsideAnyPicture) {
    // A field of view of 0 gives an infinite scale (or NaN at the centre).
    const Versatz unendlich = versatz(0.5, kartenmassstab(0.3, 0.0, 200));
    EXPECT_EQ(unendlich.dx, 1 << 30);
    EXPECT_EQ(unendlich.dy, 1 << 30);
    EXPECT_EQ(versatz(-0.5, 1e300).dx, -(1 << 30));
    EXPECT_EQ(versatz(0.0, kartenmassstab(0.0, 0.0, 200)).dx, 0);
}

TEST(Projektion, Visibility) {
    const double gf = 1.0;
    const struct { double abstand; bool quadrat, karte, halbkugel, gitter; } faelle[] = {
        {-0.001, false, false, false, false},
        {0.0, true, true, true, true},
        {0.711, true, true, true, true},
        {0.7125, false, true, true, true},
        {1.0, false, true, true, true},
        {1.2, false, false, true, true},
        {1.575, false, false, false, true},
        {1.6, false, false, false, false},
        {NAN, false, false, false, false},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(sichtbar_quadrat(f.abstand, gf), f.quadrat) << f.abstand;
        EXPECT_EQ(sichtbar_karte(f.abstand, gf), f.karte) << f.abstand;
        EXPECT_EQ(sichtbar_halbkugel(f.abstand), f.halbkugel) << f.abstand;
        EXPECT_EQ(sichtbar_gitter(f.abstand), f.gitter) << f.abstand;
    }
    // Nothing behind the hemisphere, however wide the field of view.
    EXPECT_FALSE(sichtbar_quadrat(1.6, 10.0));
    EXPECT_TRUE(sichtbar_quadrat(1.5, 10.0));
}

TEST(Gitter, MeridiansAndDeclinations) {
    Himmel h;
    const struct { int meridian, punkt; float x, y, z; } faelle[] = {
        {0, 90, 1, 0, 0},     // 0 h on the equator
        {24, 90, 0, 1, 0},    // 6 h
        {48, 135, -0.70710678f, 0, 0.70710678f},  // 12 h, +45 degrees
        {95, 0, 0, 0, -1},    // the south pole
        {7, 180, 0, 0, 1},    // the north pole
    };
    for (const auto& f : faelle) {
        const Vektor3 v = h.gitter[f.meridian][f.punkt];
        EXPECT_NEAR(v.x, f.x, 1e-6) << f.meridian << "/" << f.punkt;
        EXPECT_NEAR(v.y, f.y, 1e-6) << f.meridian << "/" << f.punkt;
        EXPECT_NEAR(v.z, f.z, 1e-6) << f.meridian << "/" << f.punkt;
    }
}
