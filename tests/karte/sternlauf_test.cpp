// Rising and setting of fixed points: the three kinds of day, and the times
// against the spherical rule of the hour angle at the horizon.
#include <gtest/gtest.h>

#include <cmath>

#include "sternlauf.h"

namespace {

constexpr int64_t TAG_2026_01_15 = 1768435200;  // 2026-01-15 00:00 UTC
constexpr double GRAD = 3.14159265358979 / 180.0;

TEST(Sternlauf, CircumpolarBelowAndRisingStars) {
    const struct {
        const char* name;
        double rekt, dekl;
        int32_t lauf;
    } faelle[] = {
        {"Polarstern", 2.53, 89.26, LAUF_ZIRKUMPOLAR},
        {"Canopus", 6.40, -52.70, LAUF_UNTER_HORIZONT},
        {"Sirius", 6.75, -16.72, LAUF_AUF_UNTER},
        {"Wega", 18.62, 38.78, LAUF_ZIRKUMPOLAR},  // north of 90 - 52.5 degrees
    };
    for (const auto& f : faelle) {
        Tageslauf lauf{};
        ASSERT_EQ(sternlauf(TAG_2026_01_15, 86400, 52.5, 13.4, f.rekt, f.dekl, lauf), KOERPER_OK);
        EXPECT_EQ(lauf.lauf, f.lauf) << f.name;
        EXPECT_EQ(lauf.hat_aufgang, f.lauf == LAUF_AUF_UNTER) << f.name;
        EXPECT_EQ(lauf.hat_untergang, f.lauf == LAUF_AUF_UNTER) << f.name;
    }
}

TEST(Sternlauf, TimeAboveTheHorizonIsTwiceTheHourAngle) {
    // Sirius at Berlin: up for 2 H0 sidereal hours, H0 from the spherical
    // rule, a sidereal hour 0.99727 hours of time.
    const double breite = 52.5, dekl = -16.72;
    const double h0 = std::acos((std::sin(-34.0 / 60 * GRAD) - std::sin(breite * GRAD) * std::sin(dekl * GRAD)) /
                                (std::cos(breite * GRAD) * std::cos(dekl * GRAD))) / GRAD / 15.0;
    Tageslauf lauf{};
    ASSERT_EQ(sternlauf(TAG_2026_01_15, 86400, breite, 13.4, 6.75, dekl, lauf), KOERPER_OK);
    ASSERT_TRUE(lauf.hat_aufgang && lauf.hat_untergang);
    double oben = lauf.untergang - lauf.aufgang;
    if (oben < 0) oben += 86164;
    EXPECT_NEAR(oben / 3600, 2 * h0 * 0.99727, 2.0 / 60);  // within two minutes
    // Sirius culminates when the local sidereal time is its right ascension:
    // 0h UT on 15 January has 7.62 h at Greenwich, 8.51 h at 13.4 degrees east,
    // so 1.76 sidereal hours before, about 22:15 UT; the middle of its rising
    // and setting lies there.
    const double mitte = std::fmod(lauf.aufgang + oben / 2, 86400) / 3600;
    EXPECT_NEAR(mitte, 22.25, 0.15);
}

TEST(Sternlauf, ValuesOutOfRange) {
    Tageslauf lauf{};
    lauf.lauf = 7;
    EXPECT_EQ(sternlauf(TAG_2026_01_15, 86400, 91, 0, 0, 0, lauf), KOERPER_BEREICH);
    EXPECT_EQ(sternlauf(TAG_2026_01_15, 86400, 0, 181, 0, 0, lauf), KOERPER_BEREICH);
    EXPECT_EQ(sternlauf(TAG_2026_01_15, 10, 0, 0, 0, 0, lauf), KOERPER_BEREICH);
    EXPECT_EQ(sternlauf(TAG_2026_01_15, 86400, 0, 0, std::nan(""), 0, lauf), KOERPER_BEREICH);
    EXPECT_EQ(sternlauf(TAG_2026_01_15, 86400, 0, 0, 0, 90.5, lauf), KOERPER_BEREICH);
    EXPECT_EQ(lauf.lauf, 7);
}

}  // namespace
