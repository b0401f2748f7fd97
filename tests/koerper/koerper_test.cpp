// The bodies' own checks: the ranges they refuse, the bright limb's direction,
// polar day and night, and days of other lengths than 24 hours.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "kalender.h"
#include "koerper.h"
#include "tageslauf.h"

namespace {

constexpr double GRAD = 3.14159265358979323846 / 180.0;

// The time scales at hh:00 UTC on a date.
Zeitskalen um(int32_t jahr, int32_t monat, int32_t tag, int32_t stunde = 0) {
    const int64_t utc = tage_seit_1970(Datum{jahr, monat, tag}) * 86400 + stunde * 3600;
    Zeitskalen skalen{};
    EXPECT_EQ(zeitskalen_aus_utc(utc, skalen), ZEIT_OK);
    return skalen;
}

// skalen moved on by sekunden.
Zeitskalen spaeter(Zeitskalen skalen, double sekunden) {
    skalen.ut1_2 += sekunden / 86400.0;
    skalen.tt_2 += sekunden / 86400.0;
    return skalen;
}

// Angle between two places (hours, degrees), degrees.
double trennung(double rekt1, double dekl1, double rekt2, double dekl2) {
    const double a1 = rekt1 * 15.0 * GRAD, d1 = dekl1 * GRAD, a2 = rekt2 * 15.0 * GRAD,
                 d2 = dekl2 * GRAD;
    return std::acos(std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(a1 - a2)) /
           GRAD;
}

TEST(Koerper, UngueltigeEingabenAendernNichts) {
    const double orte[][2] = {{90.5, 0.0}, {-90.5, 0.0}, {0.0, 180.5}, {0.0, -180.5},
                              {NAN, 0.0},  {0.0, NAN}};
    Koerperlage lage;
    std::memset(&lage, 0x5A, sizeof lage);
    Koerperlage vorher = lage;
    for (const auto& o : orte) {
        EXPECT_EQ(koerper_berechnen(um(2025, 9, 24), o[0], o[1], lage), KOERPER_BEREICH);
        EXPECT_EQ(std::memcmp(&lage, &vorher, sizeof lage), 0);
        Tageslauf lauf{};
        EXPECT_EQ(tageslauf(um(2025, 9, 24), 86400.0, o[0], o[1], SONNE, lauf), KOERPER_BEREICH);
    }
    Tageslauf lauf{};
    for (double laenge : {0.0, 3599.0, 172801.0, double{NAN}})
        EXPECT_EQ(tageslauf(um(2025, 9, 24), laenge, 48.0, 11.0, MOND, lauf), KOERPER_BEREICH);
    for (int32_t art : {-1, static_cast<int32_t>(KOERPER_ANZAHL)})
        EXPECT_EQ(tageslauf(um(2025, 9, 24), 86400.0, 48.0, 11.0, art, lauf), KOERPER_BEREICH);
    EXPECT_STREQ(koerper_name(SONNE), "Sonne");
    EXPECT_STREQ(koerper_name(NEPTUN), "Neptun");
    EXPECT_STREQ(koerper_name(KOERPER_ANZAHL), "");
    EXPECT_STREQ(koerper_name(-1), "");
}

// From the body's centre a small step along the bright limb's position angle
// (north through east) must come nearer to the Sun: a sign or an east-west
// slip turns the Moon's lit side away from the Sun.
TEST(Koerper, HellerRandZeigtZurSonne) {
    for (double tag = 0.0; tag < 29.5; tag += 1.3) {
        Koerperlage lage;
        ASSERT_EQ(koerper_berechnen(spaeter(um(2025, 9, 24), tag * 86400.0), 48.14, 11.58, lage), KOERPER_OK);
        const Koerper& sonne = lage.koerper[SONNE];
        for (int32_t art : {MOND, MERKUR, VENUS, MARS}) {
            const Koerper& k = lage.koerper[art];
            const double pw = k.hellrand * GRAD, schritt = 0.5 * GRAD;
            const double d = k.dekl * GRAD;
            const double dekl = std::asin(std::sin(d) * std::cos(schritt) +
                                          std::cos(d) * std::sin(schritt) * std::cos(pw));
            const double rekt = k.rekt * 15.0 * GRAD +
                                std::atan2(std::sin(pw) * std::sin(schritt) * std::cos(d),
                                           std::cos(schritt) - std::sin(d) * std::sin(dekl));
            EXPECT_LT(trennung(rekt / GRAD / 15.0, dekl / GRAD, sonne.rekt, sonne.dekl),
                      trennung(k.rekt, k.dekl, sonne.rekt, sonne.dekl) - 0.45)
                << koerper_name(art) << " day " << tag;
            EXPECT_GE(k.beleuchtet, 0.0);
            EXPECT_LE(k.beleuchtet, 1.0);
        }
        // The Moon's disc is 29.4' to 33.5' seen from the Earth's centre; from
        // the surface up to half a minute less (low) or more (high).
        EXPECT_GT(lage.koerper[MOND].durchmesser, 28.8 / 60.0);
        EXPECT_LT(lage.koerper[MOND].durchmesser, 34.2 / 60.0);
    }
}

// Polar day and polar night at 80 degrees on the solstices, the other way
// round in the south; the Sun culminates on both.
TEST(Koerper, PolartagUndPolarnacht) {
    struct Fall {
        int32_t monat;
        double breite;
        int32_t lauf;
    } faelle[] = {{6, 80.0, LAUF_ZIRKUMPOLAR},
                  {12, 80.0, LAUF_UNTER_HORIZONT},
                  {6, -80.0, LAUF_UNTER_HORIZONT},
                  {12, -80.0, LAUF_ZIRKUMPOLAR}};
    for (const Fall& f : faelle) {
        Tageslauf lauf;
        ASSERT_EQ(tageslauf(um(2026, f.monat, 21), 86400.0, f.breite, 0.0, SONNE, lauf), KOERPER_OK);
        EXPECT_EQ(lauf.lauf, f.lauf) << f.breite << " in month " << f.monat;
        EXPECT_EQ(lauf.hat_aufgang + lauf.hat_untergang, 0);
        EXPECT_EQ(lauf.hat_kulmination, 1);
        EXPECT_NEAR(lauf.kulmination, 12.0 * 3600.0, 600.0);  // noon at 0 E, +-equation of time
    }
}

// A day with an hour more (clocks set back) holds a moonrise in that hour
// that a 24-hour day from the same start misses; the events before are the
// same.
TEST(Koerper, TagMitFuenfundzwanzigStunden) {
    Tageslauf lauf;
    ASSERT_EQ(tageslauf(um(2026, 10, 25), 86400.0, 48.14, 11.58, MOND, lauf), KOERPER_OK);
    ASSERT_EQ(lauf.hat_aufgang, 1);
    // Start so that this moonrise comes 1000 s after 24 hours; the one before
    // lies about 50 minutes earlier in the day, before the start.
    const Zeitskalen start = spaeter(um(2026, 10, 25), lauf.aufgang - 87400.0);
    Tageslauf kurz, lang;
    ASSERT_EQ(tageslauf(start, 86400.0, 48.14, 11.58, MOND, kurz), KOERPER_OK);
    ASSERT_EQ(tageslauf(start, 90000.0, 48.14, 11.58, MOND, lang), KOERPER_OK);
    EXPECT_EQ(kurz.hat_aufgang, 0);
    EXPECT_EQ(kurz.lauf, LAUF_AUF_UNTER);
    ASSERT_EQ(lang.hat_aufgang, 1);
    EXPECT_NEAR(lang.aufgang, 87400.0, 2.0);
    ASSERT_EQ(kurz.hat_untergang, 1);
    EXPECT_NEAR(kurz.untergang, lang.untergang, 1.0);
}

}  // namespace
