#include <gtest/gtest.h>

#include "dateien.h"
#include "himmel.h"

namespace {
constexpr int32_t R = 200;

// Centre 0 h, 0 degrees, field of view 90 degrees: 1 degree is 4.44 pixels.
// Star 11 at the centre, star 12 one degree north (pixel 200, 196), star 13
// at the same place as star 11 but fainter, star 14 placed by no drawing.
class Sterne : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string b = sternliste({Stern(11, 100), Stern(12, 100).ort(0, 0, 0, 0, false, 1, 0, 0),
                                          Stern(13, 600), Stern(14, 200).ort(0, 4, 0, 0, false, 0, 0, 0)});
        ASSERT_EQ(h.stern_datei_laden(datei(b).c_str()), 0);
        for (int k : {30, 80})
            for (int32_t i = 0; i < h.anzahl[k]; ++i) platzieren(k, i);
    }
    void platzieren(int k, int32_t i) {
        h.polar[k][i] = h.polar_berechnen(h.vektoren[k][i]);
        h.berechnet[h.stern_saetze[k][i].nummer] = 1;
    }
    Himmel h;
};
}  // namespace

TEST_F(Sterne, OnePixelToleranceAroundThePlacedStar) {
    const struct { int32_t x, y, nummer; } faelle[] = {
        {200, 196, 12}, {201, 195, 12}, {199, 197, 12},
        {200, 194, -1}, {202, 196, -1},
        {200, 200, 13},  // the faintest class wins over star 11
        {199, 201, 13},
        {210, 200, -1},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(h.stern_suchen(f.x, f.y, R), f.nummer) << f.x << "," << f.y;
        if (f.nummer == 12) {
            EXPECT_EQ(h.wahl_klasse, 30);
            EXPECT_EQ(h.wahl_index, 1);
        }
        if (f.nummer == -1) {
            EXPECT_EQ(h.wahl_klasse, -1);
            EXPECT_EQ(h.wahl_index, -1);
        }
    }
}

TEST_F(Sterne, StarsTheDrawingDidNotPlaceAreIgnored) {
    // Star 14 (1 h of 15 degrees east, 4 minutes = 1 degree): left of the centre.
    h.polar[40][0] = h.polar_berechnen(h.vektoren[40][0]);
    EXPECT_EQ(h.stern_suchen(196, 200, R), -1);
    h.berechnet[14] = 1;
    EXPECT_EQ(h.stern_suchen(196, 200, R), 14);
}

TEST_F(Sterne, InvisibleStarsAreIgnored) {
    // Star 12 moved past the corners of the square.
    h.setze_gesichtsfeld(1);
    h.polar[30][1] = h.polar_berechnen(h.vektoren[30][1]);
    const int32_t y = 200 - static_cast<int32_t>(h.polar[30][1].abstand / h.gesichtsfeld * 2 * R + 0.5);
    EXPECT_EQ(h.stern_suchen(200, y, R), -1);
}

TEST(Sternbilder, LabelBox) {
    // Label point one degree north of the centre: anchor (200, 195).
    Himmel h;
    const std::string b = sternbild("Ori;Orion;Orion;0;1", {}) + sternbild("Ori;Zweiter;Orion;0;1", {}) +
                          sternbild("Tau;Taurus;Stier;12;0", {});
    ASSERT_EQ(h.sternbild_datei_laden(datei(b).c_str()), 0);
    const struct { int32_t x, y, index; } faelle[] = {
        {200, 195, 0}, {184, 187, 0}, {216, 197, 0},  // corners of the 33 x 11 box
        {183, 195, -1}, {217, 195, -1}, {200, 186, -1}, {200, 198, -1},
        {0, 200, -1},                                 // the label behind the view is never found
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(h.sternbild_suchen(f.x, f.y, R), f.index) << f.x << "," << f.y;
        EXPECT_EQ(h.wahl_sternbild, f.index);
    }
}
