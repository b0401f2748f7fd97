// The coordinate grid on the panes: label anchors, how far the meridians run
// toward the pole, the visibility limit and the overview's labels.
#include <gtest/gtest.h>

#include <cmath>

#include "aufzeichnung.h"
#include "gitter.h"
#include "himmel_fixture.h"

namespace {

constexpr int R = 200;
constexpr int BESCHRIFTUNG = 200;  // labels in entry 200, lines in 96

struct Schriften {
    Font text{"Arial", 14};
    Font symbol{"Symbol", 14};
};

Punkte im_kasten(const Punkte& p, int x1, int x2, int z1, int z2) {
    Punkte innen;
    for (const auto& [x, z] : p)
        if (x >= x1 && x <= x2 && z >= z1 && z <= z2) innen.insert({x, z});
    return innen;
}

// The labels of the point (0 h, 0 degrees) at the centre of a 90-degree
// chart: "0h" hangs centred 5 pixels below it, "0°" stands on a baseline
// 2 pixels below it, 5 pixels to the right.
TEST(KarteGitter, BeschriftungAnDerMitte) {
    Himmel himmel;
    Schriften s;
    DIB bild, erwartet;
    leinwand(bild, 2 * R + 2);
    leinwand(erwartet, 2 * R + 2);
    karte_gitter(himmel, bild.dc, &bild, s.text, s.symbol, R, farbe_von(BESCHRIFTUNG));
    SelectObject(erwartet.dc, s.text.handle());
    SetTextColor(erwartet.dc, farbe_von(BESCHRIFTUNG));
    SetTextAlign(erwartet.dc, TA_TOP | TA_CENTER);
    TextOutA(erwartet.dc, R, R + 5, "0h", 2);
    SetTextAlign(erwartet.dc, TA_BASELINE | TA_LEFT);
    TextOutA(erwartet.dc, R + 5, R + 2, "0\xB0", 2);
    const Punkte nahe = im_kasten(pixel_mit(bild, BESCHRIFTUNG), R - 50, R + 50, R - 50, R + 50);
    EXPECT_GT(nahe.size(), 20u);
    EXPECT_EQ(pixel_mit(erwartet, BESCHRIFTUNG), nahe);
    // The lines through the centre: the equator and the meridian of 0 h.
    for (int d = -50; d <= 50; ++d) {
        EXPECT_TRUE(bild.pixel(R + d, R) == GITTER_INDEX || bild.pixel(R + d, R) == BESCHRIFTUNG)
            << d;
        EXPECT_TRUE(bild.pixel(R, R + d) == GITTER_INDEX || bild.pixel(R, R + d) == BESCHRIFTUNG)
            << d;
    }
}

// How many grid lines cross the circle of radius rho around the centre.
int linien_auf_kreis(const DIB& bild, int mitte, double rho) {
    constexpr int SCHRITTE = 7200;
    auto getroffen = [&](int i) {
        const double w = 2 * 3.14159265358979 * i / SCHRITTE;
        const int x = mitte + static_cast<int>(std::lround(rho * std::cos(w)));
        const int z = mitte + static_cast<int>(std::lround(rho * std::sin(w)));
        // A neighbour counts too: the path around the circle could slip
        // between the corner-connected pixels of a slanted line.
        for (auto [ax, az] : {std::pair{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            if (bild.pixel(x + ax, z + az) == GITTER_INDEX) return true;
        return false;
    };
    int laeufe = 0;
    for (int i = 0; i < SCHRITTE; ++i)
        if (getroffen(i) && !getroffen((i + SCHRITTE - 1) % SCHRITTE)) ++laeufe;
    return laeufe;
}

// Seen from above the pole, the meridians of 0, 6, 12 and 18 h reach it,
// those of the other even hours stop at 80 degrees, the odd ones at 70.
TEST(KarteGitter, MeridianeZumPol) {
    Himmel himmel;
    himmel.setze_mitte(0, 89.99);
    himmel.setze_gesichtsfeld(60);
    Schriften s;
    DIB bild;
    leinwand(bild, 2 * R + 2);
    karte_gitter(himmel, bild.dc, &bild, s.text, s.symbol, R, farbe_von(BESCHRIFTUNG));
    // 10 degrees are 66.7 pixels: inside that circle 4 lines, between it and
    // the 70-degree circle 12, outside it 24.
    EXPECT_EQ(4, linien_auf_kreis(bild, R, 40));
    EXPECT_EQ(12, linien_auf_kreis(bild, R, 100));
    EXPECT_EQ(24, linien_auf_kreis(bild, R, 170));
    EXPECT_EQ(GITTER_INDEX, bild.pixel(R, R + 1));
}

// A grid point 1.58 radians from the centre still counts, one at 1.59 does
// not, nor the segments that end there: with the pole at that distance, the
// meridian of 0 h runs straight up to it from 80 degrees, or stops there.
TEST(UebersichtGitter, SichtbarBisKnappHinterDerHalbkugel) {
    for (auto [abstand, pol_gezeichnet] : {std::pair{1.58, true}, {1.59, false}}) {
        Himmel himmel;
        himmel.setze_mitte(0, 90 - abstand * 180 / 3.1415927);
        Schriften s;
        DIB bild;
        leinwand(bild, 2 * R + 10);
        uebersicht_gitter(himmel, bild.dc, &bild, s.text, s.symbol, R, farbe_von(BESCHRIFTUNG));
        const int pol = R + static_cast<int>(abstand / 3.1415927 * 2 * R + 0.5);
        int unter_dem_pol = 0;
        for (int z = pol - 15; z <= pol + 5; ++z) unter_dem_pol += bild.pixel(R, z) == GITTER_INDEX;
        EXPECT_EQ(pol_gezeichnet ? 16 : 0, unter_dem_pol) << abstand;
    }
}

// The overview labels every 6 hours at -60, 0 and +60 degrees: around
// 0 h, 0 degrees the meridians of 0, 6 and 18 h are within reach.
TEST(UebersichtGitter, BeschriftungAlleSechsStunden) {
    Himmel himmel;
    Schriften s;
    DIB bild;
    leinwand(bild, 2 * R + 2);
    const Aufzeichnung a = aufzeichnen([&](HDC dc) {
        uebersicht_gitter(himmel, dc, &bild, s.text, s.symbol, R, farbe_von(BESCHRIFTUNG));
    });
    std::multiset<std::string> texte;
    for (const auto& t : a.texte()) texte.insert(t);
    const std::multiset<std::string> erwartet = {
        "0h", "0h", "0h", "6h", "6h", "6h", "18h", "18h", "18h",
        "-60\xB0", "-60\xB0", "-60\xB0", "0\xB0", "0\xB0", "0\xB0", "60\xB0", "60\xB0", "60\xB0"};
    EXPECT_EQ(erwartet, texte);
    EXPECT_FALSE(pixel_mit(bild, GITTER_INDEX).empty()) << "lines go into the canvas";
}

}  // namespace
