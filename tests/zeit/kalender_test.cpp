#include <gtest/gtest.h>

#include "kalender.h"

namespace {

// Every day of the range there and back, with the weekday advancing by one
// and the day of the year counting up: catches an off-by-one at any month,
// leap day or century.
TEST(Kalender, JederTagDesBereichsHinUndZurueck) {
    int64_t tage = tage_seit_1970(Datum{JAHR_MIN, 1, 1});
    int32_t tag_davor = wochentag(Datum{JAHR_MIN, 1, 1}) + 6;
    for (int32_t jahr = JAHR_MIN; jahr <= JAHR_MAX; ++jahr) {
        int32_t im_jahr = 0;
        for (int32_t monat = 1; monat <= 12; ++monat) {
            for (int32_t tag = 1; tag <= tage_im_monat(jahr, monat); ++tag, ++tage) {
                const Datum d{jahr, monat, tag};
                ASSERT_EQ(tage_seit_1970(d), tage);
                const Datum z = datum_aus_tagen(tage);
                ASSERT_TRUE(z.jahr == jahr && z.monat == monat && z.tag == tag) << tage;
                ASSERT_EQ(wochentag(d), (tag_davor + 1) % 7);
                tag_davor = wochentag(d);
                ASSERT_EQ(tag_im_jahr(d), ++im_jahr);
                Datum aus_tag{};
                ASSERT_EQ(datum_aus_tag_im_jahr(jahr, im_jahr, aus_tag), ZEIT_OK);
                ASSERT_EQ(tage_seit_1970(aus_tag), tage);
            }
        }
        Datum d{};
        EXPECT_EQ(datum_aus_tag_im_jahr(jahr, im_jahr + 1, d), ZEIT_UNMOEGLICH);
    }
}

TEST(Kalender, FesteTage) {
    EXPECT_EQ(tage_seit_1970(Datum{1970, 1, 1}), 0);
    EXPECT_EQ(tage_seit_1970(Datum{2000, 3, 1}), 11017);
    EXPECT_EQ(wochentag(Datum{2026, 12, 15}), 1);  // a Tuesday
    EXPECT_EQ(wochentag(Datum{1800, 1, 1}), 2);    // a Wednesday
    EXPECT_EQ(tage_im_monat(2100, 2), 28);
    EXPECT_EQ(tage_im_monat(2000, 2), 29);
    EXPECT_EQ(tage_im_monat(2026, 0), 0);
}

}  // namespace
