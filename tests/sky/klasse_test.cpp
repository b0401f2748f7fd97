#include <gtest/gtest.h>

#include <cmath>

#include "stern.h"
#include "vektor.h"

TEST(Klasse, MagnitudeMapsToClass) {
    const struct { int helligkeit, klasse; } faelle[] = {
        {-300, 0}, {-209, 0}, {-191, 0}, {-190, 1}, {-146, 5}, {0, 20},
        {650, 85}, {789, 98}, {790, 99}, {999, 99}, {32767, 99}, {-32768, 0},
    };
    for (const auto& f : faelle) EXPECT_EQ(klasse_von(f.helligkeit), f.klasse) << f.helligkeit;
}

TEST(Einheitsvektor, CardinalDirections) {
    const Vektor3 v6 = einheitsvektor(6.0, 0.0);
    EXPECT_NEAR(v6.x, 0.0, 1e-6);
    EXPECT_NEAR(v6.y, 1.0, 1e-6);
    EXPECT_NEAR(v6.z, 0.0, 1e-6);
    for (double ra : {0.0, 7.5, 13.2}) {
        const Vektor3 pol = einheitsvektor(ra, 90.0);
        EXPECT_NEAR(pol.z, 1.0, 1e-6);
        EXPECT_NEAR(std::hypot(pol.x, pol.y), 0.0, 1e-6);
    }
}
