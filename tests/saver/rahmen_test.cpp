#include <gtest/gtest.h>

#include <vector>

#include "einstellungen.h"
#include "rahmen.h"

TEST(Sternzeit, FollowsTheClockAndStaysWithinADay) {
    const struct {
        int monat, tag, stunde, minute, sekunde;
        double stunden;
    } faelle[] = {
        {0, 1, 0, 0, 0, 1.0 / 15 - 17 + 24},        // 7.0667
        {2, 21, 22, 0, 0, 10.4},
        {11, 31, 23, 59, 59, 22 + 31.0 / 15 - 17 + 23 + 59 / 60.0 + 59 / 3600.0 - 24},  // 7.0664
        {5, 15, 18, 30, 0, 12.5},
        {8, 1, 5, 0, 0, 0.0 + 1.0 / 15 + 4},        // 16 + 1/15 - 17 + 5
        {11, 30, 23, 0, 0, 22 + 2 - 17 + 23 - 24},  // exactly 6 after one wrap
    };
    for (const auto& f : faelle) {
        const double t = sternzeit(f.monat, f.tag, f.stunde, f.minute, f.sekunde);
        EXPECT_NEAR(t, f.stunden, 1e-9) << f.monat << "/" << f.tag << " " << f.stunde;
        EXPECT_GE(t, 0.0);
        EXPECT_LT(t, 24.0);
    }
    EXPECT_NEAR(sternzeit(0, 1, 0, 0, 0), 7.0667, 1e-4);
    EXPECT_NEAR(sternzeit(11, 31, 23, 59, 59), 7.0664, 1e-4);
    EXPECT_EQ(sternzeit(11, 15, 18, 0, 0), 0.0) << "t = 24 counts as 0";
}

TEST(Kartenquadrat, SquareCentredInTheClientArea) {
    const struct {
        int breite, hoehe, radius, x, y;
    } faelle[] = {
        {1024, 768, 384, 128, 0},
        {600, 800, 300, 0, 100},
        {500, 500, 250, 0, 0},
        {151, 100, 50, 25, 0},   // halved toward zero
        {100, 151, 50, 0, 25},
        {1, 1, 0, 0, 0},
        {0, 0, 0, 0, 0},
    };
    for (const auto& f : faelle) {
        const Kartenquadrat k = kartenquadrat(f.breite, f.hoehe);
        EXPECT_EQ(k.radius, f.radius) << f.breite << "x" << f.hoehe;
        EXPECT_EQ(k.versatz_x, f.x) << f.breite << "x" << f.hoehe;
        EXPECT_EQ(k.versatz_y, f.y) << f.breite << "x" << f.hoehe;
    }
}

TEST(Vorschau, NarrowerViewAndTinyFonts) {
    EXPECT_EQ(ansicht_gesichtsfeld(37, 1), 30);
    EXPECT_EQ(ansicht_gesichtsfeld(45, 1), 30);
    EXPECT_EQ(ansicht_gesichtsfeld(30, 1), 30);
    EXPECT_EQ(ansicht_gesichtsfeld(25, 1), 25);
    EXPECT_EQ(ansicht_gesichtsfeld(37, 0), 37);
    EXPECT_EQ(ansicht_gesichtsfeld(45, 0), 45);

    const Schrifthoehen voll = schrift_hoehen(0), klein = schrift_hoehen(1);
    EXPECT_EQ(voll.text, 14);
    EXPECT_EQ(voll.sternbild, 16);
    EXPECT_EQ(voll.symbol, 14);
    EXPECT_EQ(klein.text, 4);
    EXPECT_EQ(klein.sternbild, 6);
    EXPECT_EQ(klein.symbol, 4);
}

TEST(RahmenSchritte, LayersAtZeroAreLeftOutAndStarsComeFirstAndLast) {
    using V = std::vector<Schicht>;
    constexpr Schicht STERNE = Schicht::GESTIRNE, GITTER = Schicht::GITTER,
                      FIGUREN = Schicht::FIGUREN, BILDNAMEN = Schicht::STERNBILDNAMEN,
                      NAMEN = Schicht::STERNNAMEN, KOERPER = Schicht::KOERPER,
                      KNAMEN = Schicht::KOERPERNAMEN, SCHILDER = Schicht::SCHILDER;
    // The bodies over the last stars, their names with the star names; the
    // labels placed before the first of them, whichever layers are on.
    const struct {
        int32_t sternbilder, bildnamen, namen, hilfslinien, koerper;
        V schritte;
    } faelle[] = {
        {71, 81, 99, 51, 1, V{STERNE, GITTER, FIGUREN, SCHILDER, BILDNAMEN, NAMEN, STERNE, KOERPER, KNAMEN}},
        {0, 81, 99, 51, 1, V{STERNE, GITTER, SCHILDER, BILDNAMEN, NAMEN, STERNE, KOERPER, KNAMEN}},
        {71, 0, 99, 51, 1, V{STERNE, GITTER, FIGUREN, SCHILDER, NAMEN, STERNE, KOERPER, KNAMEN}},
        {71, 81, 0, 51, 1, V{STERNE, GITTER, FIGUREN, SCHILDER, BILDNAMEN, STERNE, KOERPER}},
        {71, 81, 99, 0, 1, V{STERNE, FIGUREN, SCHILDER, BILDNAMEN, NAMEN, STERNE, KOERPER, KNAMEN}},
        {71, 81, 99, 51, 0, V{STERNE, GITTER, FIGUREN, SCHILDER, BILDNAMEN, NAMEN, STERNE}},
        {0, 0, 0, -3, 0, V{STERNE, SCHILDER, STERNE}},
        {1, 200, 1, 1, 1, V{STERNE, GITTER, FIGUREN, SCHILDER, BILDNAMEN, NAMEN, STERNE, KOERPER, KNAMEN}},
    };
    for (const auto& f : faelle) {
        Darstellung e = vorgaben(Programm::SCHONER).darstellung;
        e.staerke_prozent[STERNBILDER] = f.sternbilder;
        e.staerke_prozent[STERNBILDNAMEN] = f.bildnamen;
        e.staerke_prozent[STERNNAMEN] = f.namen;
        e.staerke_prozent[HILFSLINIEN] = f.hilfslinien;
        e.koerper = f.koerper;
        const Rahmenschichten r = rahmen_schichten(e);
        EXPECT_EQ(V(r.schicht.begin(), r.schicht.begin() + r.anzahl), f.schritte)
            << f.sternbilder << " " << f.bildnamen << " " << f.namen << " " << f.hilfslinien << " " << f.koerper;
    }
}
