// How the panel's controls move the moment: the half-month entries and their
// days, the right-ascension bar asking for the moment that puts its sidereal
// time overhead, the hour and day steps over a change of the clocks and the
// ends of the calendar, and the clock's moment at a place.
#include <gtest/gtest.h>

#include <cmath>

#include "bedienfeld/momentregeln.h"
#include "bedienfeld/orte.h"
#include "ortszeit.h"

namespace {

TEST(Halbmonat, NaechsterEintragUndSeinTag) {
    const struct {
        int32_t monat, tag, halbmonat;
    } faelle[] = {
        {1, 1, 0},  {1, 7, 0},   {1, 8, 1},   {1, 22, 1},  {1, 23, 2},
        {2, 29, 4}, {12, 15, 23}, {12, 22, 23}, {12, 23, 0}, {12, 31, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f.halbmonat, halbmonat_des_tages(f.monat, f.tag)) << f.tag << "." << f.monat;
    // Every entry's own day shows that entry.
    for (int32_t h = 0; h < 24; ++h) {
        const Datum d = datum_des_halbmonats(2027, h);
        EXPECT_EQ(2027, d.jahr);
        EXPECT_EQ(h, halbmonat_des_tages(d.monat, d.tag)) << h;
    }
}

class MomentRegeln : public ::testing::Test {
protected:
    void SetUp() override {
        if (zonen_laden(VARNIS_TEST_DATA, zonen) != ZEIT_OK) GTEST_SKIP() << "no Zonen.dat";
        zone = zonen.zone_des_orts("M\xFCnchen");
        ASSERT_GE(zone, 0);
    }
    Moment in_muenchen(Datum d, Uhrzeit z) const { return {d, z, {48.14, 11.58, zone}}; }
    double sternzeit(const Moment& m) const {
        Himmelslage lage{};
        EXPECT_EQ(ZEIT_OK, himmelslage(zonen, m, lage));
        return lage.sternzeit;
    }
    Zonen zonen;
    int32_t zone = -1;
};

// Hours apart on the 24-hour circle.
double abstand(double a, double b) {
    return std::fabs(std::fmod(a - b + 36.0, 24.0) - 12.0);
}

TEST_F(MomentRegeln, LeisteSetztUhrzeitOderTag) {
    const struct {
        Datum datum;
        Uhrzeit zeit;
        double soll;   // the bar's sidereal time, hours
        int32_t fest;  // 1: the date stays, the time follows; 2: the time stays, the day follows
    } faelle[] = {
        {{2026, 12, 15}, {22, 0}, 3.5, 1},  {{2026, 12, 15}, {22, 0}, 23.9, 1},
        {{2026, 7, 1}, {22, 0}, 18.0, 1},   {{2026, 12, 15}, {22, 0}, 12.0, 2},
        {{2026, 12, 15}, {22, 0}, 0.1, 2},  {{2026, 7, 1}, {3, 30}, 6.0, 2},
    };
    for (const auto& f : faelle) {
        Moment m = in_muenchen(f.datum, f.zeit);
        ASSERT_EQ(ZEIT_OK, moment_nach_sternzeit(zonen, m, f.soll, f.fest)) << f.soll;
        if (f.fest == 1) {
            EXPECT_EQ(f.datum.monat, m.datum.monat);
            EXPECT_EQ(f.datum.tag, m.datum.tag);
            // To the minute: a minute of civil time is 1.0027 minutes of sidereal time.
            EXPECT_LT(abstand(f.soll, sternzeit(m)), 0.6 * 1.0028 / 60) << f.soll;
        } else {
            EXPECT_EQ(f.zeit.stunde, m.zeit.stunde);
            EXPECT_EQ(f.zeit.minute, m.zeit.minute);
            EXPECT_EQ(f.datum.jahr, m.datum.jahr);
            // To the day: one day moves the sky by 3 min 56 s, so the nearest
            // day is within 2 min; the hour the clocks jump in spring and
            // autumn can leave a sidereal time unreached by up to half an hour.
            EXPECT_LT(abstand(f.soll, sternzeit(m)), 0.51) << f.soll;
        }
    }
}

TEST_F(MomentRegeln, SchritteUeberDieZeitumstellungUndDieGrenzen) {
    const struct {
        Datum datum;
        Uhrzeit zeit;
        int32_t stunden, tage;
        int32_t ergebnis;
        Datum datum_danach;
        Uhrzeit zeit_danach;
    } faelle[] = {
        // The clocks go ahead at 2:00 on 29 March 2026: one hour after 1:30 is 3:30.
        {{2026, 3, 29}, {1, 30}, 1, 0, ZEIT_OK, {2026, 3, 29}, {3, 30}},
        {{2026, 3, 29}, {3, 30}, -1, 0, ZEIT_OK, {2026, 3, 29}, {1, 30}},
        {{2026, 12, 31}, {23, 30}, 1, 0, ZEIT_OK, {2027, 1, 1}, {0, 30}},
        {{2026, 12, 31}, {22, 0}, 0, 1, ZEIT_OK, {2027, 1, 1}, {22, 0}},
        {{2024, 3, 1}, {22, 0}, 0, -1, ZEIT_OK, {2024, 2, 29}, {22, 0}},
        {{2200, 12, 31}, {22, 0}, 0, 1, ZEIT_BEREICH, {2200, 12, 31}, {22, 0}},
        {{1800, 1, 1}, {12, 0}, 0, -1, ZEIT_BEREICH, {1800, 1, 1}, {12, 0}},
    };
    for (const auto& f : faelle) {
        Moment m = in_muenchen(f.datum, f.zeit);
        EXPECT_EQ(f.ergebnis, moment_schritt(zonen, m, f.stunden, f.tage));
        const std::string wo = std::to_string(f.datum.jahr) + "-" + std::to_string(f.datum.monat) + "-" +
                               std::to_string(f.datum.tag) + " " + std::to_string(f.stunden) + "h " +
                               std::to_string(f.tage) + "d";
        EXPECT_EQ(f.datum_danach.jahr, m.datum.jahr) << wo;
        EXPECT_EQ(f.datum_danach.monat, m.datum.monat) << wo;
        EXPECT_EQ(f.datum_danach.tag, m.datum.tag) << wo;
        EXPECT_EQ(f.zeit_danach.stunde, m.zeit.stunde) << wo;
        EXPECT_EQ(f.zeit_danach.minute, m.zeit.minute) << wo;
    }
}

TEST_F(MomentRegeln, UhrZeigtDieOrtszeit) {
    const struct {
        int64_t utc;
        Datum datum;
        Uhrzeit zeit;
    } faelle[] = {
        {1781524800, {2026, 6, 15}, {14, 0}},   // 12:00 UTC in summer: 14:00 MESZ
        {1797368400, {2026, 12, 15}, {22, 0}},  // 21:00 UTC in winter: 22:00 MEZ
        {1797368400 + 59, {2026, 12, 15}, {22, 0}},
    };
    for (const auto& f : faelle) {
        Moment m = in_muenchen({2000, 1, 1}, {0, 0});
        ASSERT_EQ(ZEIT_OK, moment_der_uhr(zonen, f.utc, m));
        EXPECT_EQ(f.datum.monat, m.datum.monat) << f.utc;
        EXPECT_EQ(f.datum.tag, m.datum.tag) << f.utc;
        EXPECT_EQ(f.zeit.stunde, m.zeit.stunde) << f.utc;
        EXPECT_EQ(f.zeit.minute, m.zeit.minute) << f.utc;
    }
}

}  // namespace
