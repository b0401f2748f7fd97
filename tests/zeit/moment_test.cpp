#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "moment.h"
#include "zeitskalen.h"

namespace {

double abweichung_s(double a, double b) {
    double d = std::fmod(a - b, 24.0);
    d = d > 12.0 ? d - 24.0 : d <= -12.0 ? d + 24.0 : d;
    return std::fabs(d) * 3600.0;
}

class Momente : public ::testing::Test {
protected:
    void SetUp() override {
        FILE* datei = std::fopen(VARNIS_TEST_DATA "/Zonen.dat", "rb");
        ASSERT_NE(datei, nullptr);
        ASSERT_EQ(zonen_lesen(datei, zonen), ZEIT_OK);
        std::fclose(datei);
    }
    Moment ort(const char* name, double breite, double laenge, Datum d, Uhrzeit u) {
        return Moment{d, u, Standort{breite, laenge, zonen.zone_des_orts(name)}};
    }
    double lst(const Moment& m) {
        Himmelslage l{};
        EXPECT_EQ(himmelslage(zonen, m, l), ZEIT_OK);
        return l.sternzeit;
    }
    Zonen zonen;
};

TEST_F(Momente, MuenchenImDezember) {
    const Moment m = ort("M\xfcnchen", 48.14, 11.58, {2026, 12, 15}, {22, 0});
    Himmelslage l{};
    ASSERT_EQ(himmelslage(zonen, m, l), ZEIT_OK);
    EXPECT_EQ(l.utc, 1797368400);  // 21:00 UTC
    // 3h24m26.65s: python3-ephem for the same moment.
    EXPECT_LT(abweichung_s(l.sternzeit, 3.0 + 24.0 / 60 + 26.65 / 3600), 0.1);
    // 27 years of precession move the zenith by about 0.2 degrees.
    EXPECT_NEAR(l.dekl_j2000, 48.14, 0.3);
    EXPECT_LT(abweichung_s(l.rekt_j2000, l.sternzeit), 0.05 * 3600);

    Moment falsch = m;
    falsch.ort.breite = 90.5;
    EXPECT_EQ(himmelslage(zonen, falsch, l), ZEIT_BEREICH);
    falsch = m;
    falsch.datum = {2027, 2, 29};
    EXPECT_EQ(himmelslage(zonen, falsch, l), ZEIT_UNMOEGLICH);
}

// For a sweep of sidereal times on ordinary days and on days clocks change:
// the minute found shows that sidereal time to half a minute, and on a
// 23-hour day a time that does not occur gets an end of the day.
TEST_F(Momente, UhrzeitZurSternzeit) {
    const Moment tage[] = {
        ort("M\xfcnchen", 48.14, 11.58, {2027, 1, 10}, {}), ort("M\xfcnchen", 48.14, 11.58, {2027, 3, 28}, {}),
        ort("M\xfcnchen", 48.14, 11.58, {2027, 10, 31}, {}), ort("Adelaide", -34.93, 138.60, {1850, 4, 4}, {}),
        ort("Honolulu", 21.31, -157.86, {2200, 12, 31}, {}),  ort("Auckland", -36.85, 174.76, {1800, 1, 1}, {}),
    };
    for (const Moment& tag : tage) {
        int32_t verfehlt = 0;
        for (double soll = 0.0; soll < 24.0; soll += 0.173) {
            Uhrzeit u{};
            ASSERT_EQ(uhrzeit_fuer_sternzeit(zonen, tag, soll, u), ZEIT_OK);
            Moment m = tag;
            m.zeit = u;
            if (abweichung_s(lst(m), soll) > 31.0) {
                ++verfehlt;
                // The day's ends, or the ends of the hour repeated (02:59, 03:00).
                const int32_t minute = u.stunde * 60 + u.minute;
                EXPECT_TRUE(minute == 0 || minute == 1439 || minute == 179 || minute == 180)
                    << tag.datum.monat << " " << soll << ": " << u.stunde << ":" << u.minute;
            }
        }
        // Only where clocks change may a sidereal time be missing: on the
        // 23-hour day the hour of it that does not occur, on the 25-hour day
        // the hour that occurs only in the repeated hour's second pass (6 of
        // the 139 steps each).
        const bool wechsel = tag.datum.jahr == 2027 && tag.datum.monat != 1;
        EXPECT_LE(verfehlt, wechsel ? 6 : 0) << tag.datum.jahr << "-" << tag.datum.monat;
    }
}

TEST_F(Momente, TagZurSternzeitIstDerNaechste) {
    const Moment m = ort("Buenos Aires", -34.60, -58.38, {2027, 1, 1}, {21, 30});
    for (double soll = 0.05; soll < 24.0; soll += 1.37) {
        Datum d{};
        ASSERT_EQ(datum_fuer_sternzeit(zonen, m, soll, d), ZEIT_OK);
        EXPECT_EQ(d.jahr, 2027);
        Moment gefunden = m;
        gefunden.datum = d;
        const double a = abweichung_s(lst(gefunden), soll);
        // A day moves the sidereal time by 3 min 56 s: the nearest is within half.
        EXPECT_LT(a, 120.0) << soll;
        for (int32_t schritt : {-1, 1}) {
            Moment nachbar = gefunden;
            nachbar.datum = datum_aus_tagen(tage_seit_1970(d) + schritt);
            if (nachbar.datum.jahr == 2027) {
                EXPECT_GE(abweichung_s(lst(nachbar), soll), a - 1.5);
            }
        }
    }
}

// The time scales: leap seconds from 1972 on, the model outside ERFA's table,
// and no step of more than a few seconds where they meet.
TEST(Zeitskalen, TtMinusUtc) {
    auto tt_minus_utc = [](int64_t utc) {
        Zeitskalen s{};
        EXPECT_EQ(zeitskalen_aus_utc(utc, s), ZEIT_OK);
        return ((s.tt_1 - s.ut1_1) + (s.tt_2 - s.ut1_2)) * 86400.0;
    };
    EXPECT_NEAR(tt_minus_utc(1483228800), 69.184, 1e-4);  // 2017-01-01: 37 leap seconds
    EXPECT_NEAR(tt_minus_utc(63072000), 42.184, 1e-4);    // 1972-01-01: 10
    EXPECT_NEAR(tt_minus_utc(-5364662400), delta_t(1800.0), 0.01);
    EXPECT_NEAR(delta_t(1900.0), -2.79, 0.01);
    EXPECT_NEAR(delta_t(2000.0), 63.86, 0.01);
    EXPECT_NEAR(tt_minus_utc(-315619200 - 1), delta_t(1960.0), 0.01);  // 1959-12-31
    EXPECT_LT(std::fabs(tt_minus_utc(-315619200) - tt_minus_utc(-315619200 - 1)), 2.0);
    EXPECT_LT(std::fabs(tt_minus_utc(1798761600) - tt_minus_utc(1798761600 - 1)), 8.0);  // 2027
    Zeitskalen s{};
    // A day beyond each end of the range: civil dates of the range elsewhere.
    EXPECT_EQ(zeitskalen_aus_utc(-5364662400 - 86400, s), ZEIT_OK);
    EXPECT_EQ(zeitskalen_aus_utc(-5364662400 - 86400 - 1, s), ZEIT_BEREICH);
    EXPECT_EQ(zeitskalen_aus_utc(7289654400 + 86399, s), ZEIT_OK);
    EXPECT_EQ(zeitskalen_aus_utc(7289654400 + 86400, s), ZEIT_BEREICH);
}

}  // namespace
