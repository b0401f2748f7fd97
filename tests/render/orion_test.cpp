// A real chart from the shipped catalogue: Orion at the centre of a
// 60-degree field. The bright stars sit where a person expects them, in their
// colours, where the hit test finds them; and the pixels of the stars and
// figure lines are compared with a reference checksum.
#include <gtest/gtest.h>

#include <cstdio>

#include "figuren.h"
#include "gestirne.h"
#include "himmel_fixture.h"
#include "projektion.h"

namespace {

constexpr int R = 200;
constexpr int BETELGEUSE = 2061, RIGEL = 1713, ALNILAM = 1903;

class Orion : public ::testing::Test {
protected:
    void SetUp() override {
        if (himmel.stern_datei_laden(VARNIS_TEST_DATA "/VARNIS.DAT") != 0 ||
            himmel.sternbild_datei_laden(VARNIS_TEST_DATA "/STBILDER.DAT") != 0)
            GTEST_SKIP() << "no shipped catalogue in " << VARNIS_TEST_DATA;
        himmel.setze_mitte(5.6, 3.0);
        himmel.setze_gesichtsfeld(60.0);
        leinwand(bild, 2 * R + 2);
        karte_figuren(himmel, bild.dc, &bild, text, symbol, R, 0);
        karte_gestirne(himmel, bild.dc, &bild, text, symbol, R, 0, 99);
    }
    // The star's pixel on the canvas (x, zeile) from its stored position.
    std::pair<int, int> lage(int nummer) {
        const auto [k, i] = referenz(himmel, nummer);
        const PolarPos& p = himmel.polar[k][i];
        const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, himmel.gesichtsfeld, R));
        return {R + v.dx, R + v.dy};
    }
    Himmel himmel;
    Font text{"Arial", 14};
    Font symbol{"Symbol", 14};
    DIB bild;
};

TEST_F(Orion, HelleSterneAnIhremOrt) {
    const auto betelgeuse = lage(BETELGEUSE), rigel = lage(RIGEL), alnilam = lage(ALNILAM);
    // North up, east left: Betelgeuse (5 h 55 m, +7.4) upper left of the
    // centre, Rigel (5 h 14 m, -8.2) lower right, Alnilam near the middle.
    EXPECT_LT(betelgeuse.first, R);
    EXPECT_GT(betelgeuse.second, R);
    EXPECT_GT(rigel.first, R);
    EXPECT_LT(rigel.second, R);
    EXPECT_NEAR(R, alnilam.first, 15);
    EXPECT_NEAR(R, alnilam.second, 30);
    // Their discs in their families' first entries, M and B; 9 pixels wide.
    for (auto [stern, index] : {std::pair{betelgeuse, 70}, {rigel, 20}}) {
        for (int dx = -4; dx <= 4; ++dx)
            EXPECT_EQ(index, bild.pixel(stern.first + dx, stern.second));
        EXPECT_EQ(index, bild.pixel(stern.first, stern.second + 4));
        EXPECT_EQ(index, bild.pixel(stern.first, stern.second - 4));
    }
    // The hit test finds a star where it was drawn: its window row is the
    // picture line of the star's pixel row, one line above the text anchor.
    for (int nummer : {BETELGEUSE, RIGEL, ALNILAM}) {
        const auto [x, zeile] = lage(nummer);
        EXPECT_EQ(nummer, himmel.stern_suchen(x, 2 * R + 1 - zeile, R));
    }
}

// FNV-1a over the pixel memory.
uint32_t pruefsumme(const DIB& b) {
    uint32_t h = 2166136261u;
    const size_t n = static_cast<size_t>(b.zeilen_laenge()) * b.hoehe();
    for (size_t i = 0; i < n; ++i) h = (h ^ b.pixel_daten()[i]) * 16777619u;
    return h;
}

// The reference picture is tests/render/referenz/orion_sterne.png; when the
// checksum changes on purpose, look at the new picture (its path is printed)
// and replace both.
TEST_F(Orion, PruefsummeDerSterneUndLinien) {
    const uint32_t summe = pruefsumme(bild);
    constexpr uint32_t REFERENZ = 0xe7d5ca70u;
    if (summe != REFERENZ) {
        // Colours to look at: black sky, white stars, teal lines.
        bild.farbe_setzen(0, RGB(0, 0, 0));
        for (int i = 10; i < 80; ++i) bild.farbe_setzen(i, RGB(255, 255, 255));
        bild.farbe_setzen(FIGUREN_INDEX, RGB(0, 160, 160));
        const std::string pfad = temp_pfad("orion_sterne.bmp");
        bild.speichern(pfad.c_str());
        ADD_FAILURE() << "checksum 0x" << std::hex << summe << ", picture in " << pfad;
    }
}

}  // namespace
