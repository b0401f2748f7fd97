#include <gtest/gtest.h>

#include "einstellungen.h"
#include "farben.h"

TEST(Farben, LayerColourIsScaledTruncatedAndCutToAByte) {
    const struct {
        Rgb farbe;
        int32_t prozent;
        uint32_t erwartet;
    } faelle[] = {
        {{56, 255, 255}, 100, 0xFFFF38},
        {{56, 255, 255}, 70, 0xB2B227},   // 39.2, 178.5 truncated
        {{255, 243, 255}, 51, 0x827B82},  // 130.05, 123.93
        {{100, 100, 100}, 29, 0x1C1C1C},  // 0.29 is just below 29/100 in binary
        {{255, 255, 255}, 150, 0x7E7E7E}, // 382 wraps to 126: no clamping above 100 %
        {{255, 0, 1}, 0, 0x000000},
        {{255, 0, 0}, 1000000000, 0x000080},  // 2550000000 does not fit 32 bits
    };
    for (const auto& f : faelle) {
        Darstellung e = vorgaben(Programm::STERNKARTE).darstellung;
        e.farbe[STERNNAMEN] = f.farbe;
        e.staerke_prozent[STERNNAMEN] = f.prozent;
        EXPECT_EQ(skalierte_farbe(e, STERNNAMEN), f.erwartet) << f.prozent;
    }
}

TEST(Farben, LayerOffShowsTheBackgroundInItsEntry) {
    Darstellung e = vorgaben(Programm::SCHONER).darstellung;
    e.hintergrund = {1, 2, 3};
    e.staerke_prozent[HILFSLINIEN] = 0;
    EXPECT_FALSE(sichtbar(e, HILFSLINIEN));
    EXPECT_EQ(ebenen_eintrag(e, HILFSLINIEN), 0x030201u);
    EXPECT_TRUE(sichtbar(e, STERNBILDER));
    EXPECT_EQ(ebenen_eintrag(e, STERNBILDER), skalierte_farbe(e, STERNBILDER));
    e.staerke_prozent[STERNBILDER] = -5;
    EXPECT_FALSE(sichtbar(e, STERNBILDER));
}
