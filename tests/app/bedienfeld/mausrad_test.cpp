// The mouse wheel as steps of the field-of-view bar: notches, the user's
// lines per notch, fine wheels whose deltas add up, a turn back, the limits.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>

#include "bedienfeld/leistenregel.h"
#include "bedienfeld/mausrad.h"

namespace {

TEST(Mausrad, KerbenMalZeilenJeKerbeOderSeiten) {
    struct Fall {
        int32_t delta;
        uint32_t zeilen;
        int32_t art, anzahl, rest;
    };
    const Fall faelle[] = {
        {120, 3, SB_LINERIGHT, 3, 0},   // forward: toward the smaller field
        {-120, 3, SB_LINELEFT, 3, 0},
        {240, 1, SB_LINERIGHT, 2, 0},
        {-360, 5, SB_LINELEFT, 15, 0},
        {120, WHEEL_PAGESCROLL, SB_PAGERIGHT, 1, 0},
        {-240, WHEEL_PAGESCROLL, SB_PAGELEFT, 2, 0},
        {40, 3, SB_LINELEFT, 0, 40},    // a fine wheel's part of a notch: nothing yet
        {-200, 3, SB_LINELEFT, 3, -80},
        {120, 0, SB_LINERIGHT, 0, 0},   // the wheel switched off
        // Absurd values stay bounded and do not overflow.
        {INT_MAX, UINT_MAX - 1, SB_LINERIGHT, 1000, INT_MAX % 120},
        {INT_MIN, WHEEL_PAGESCROLL, SB_PAGELEFT, 100, INT_MIN % 120},
    };
    for (const Fall& f : faelle) {
        int32_t rest = 0;
        const Radschritte s = rad_schritte(rest, f.delta, f.zeilen);
        EXPECT_EQ(f.anzahl, s.anzahl) << f.delta << " " << f.zeilen;
        if (f.anzahl > 0) {
            EXPECT_EQ(f.art, s.art) << f.delta << " " << f.zeilen;
        }
        EXPECT_EQ(f.rest, rest) << f.delta << " " << f.zeilen;
    }
}

TEST(Mausrad, FeineSchritteSummierenSichEineUmkehrVergisstDenRest) {
    int32_t rest = 0;
    int32_t linien = 0;
    for (int i = 0; i < 12; ++i) linien += rad_schritte(rest, 30, 3).anzahl;  // 3 notches in 12
    EXPECT_EQ(9, linien);
    EXPECT_EQ(0, rest);
    EXPECT_EQ(0, rad_schritte(rest, 100, 3).anzahl);
    // Turned back: the 100 forward do not eat the first notch back.
    const Radschritte zurueck = rad_schritte(rest, -120, 3);
    EXPECT_EQ(SB_LINELEFT, zurueck.art);
    EXPECT_EQ(3, zurueck.anzahl);
    EXPECT_EQ(0, rest);
}

TEST(Mausrad, WertFolgtDerRegelDerLeisteBisZuIhrenGrenzen) {
    struct Fall {
        Radschritte schritte;
        int32_t wert, neu;
    };
    const Fall faelle[] = {
        {{SB_LINERIGHT, 3}, 60, 57},    // forward: 3 degrees less field
        {{SB_LINELEFT, 3}, 60, 63},
        {{SB_PAGERIGHT, 1}, 60, 50},
        {{SB_LINERIGHT, 3}, 4, 3},      // held at the smallest field
        {{SB_LINELEFT, 1000}, 100, 180},
        {{SB_LINERIGHT, 0}, 60, 60},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.neu, rad_wert(FELD_REGEL, f.wert, f.schritte))
            << f.schritte.art << " x" << f.schritte.anzahl << " at " << f.wert;
    }
}

}  // namespace
