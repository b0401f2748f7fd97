// The saver's centre by its three cases: a Kovra.ini handed over with the
// moment's rule (the zenith at the place's longitude from universal time), an
// old Kovra.ini (the original clock rule), and none (the zenith at the
// meridian of the computer's time zone).
#include <gtest/gtest.h>

#include <cmath>

#include "himmelsmitte.h"
#include "himmelszeit.h"
#include "zeitregeln.h"
#include "zeitskalen.h"

namespace {

constexpr int64_t WINTER_ABEND = 1797368400;  // 2026-12-15 21:00 UTC: 22:00 in München

double stunden_abstand(double a, double b) { return std::fabs(std::fmod(a - b + 36.0, 24.0) - 12.0); }

TEST(Himmelsmitte, MomentOriginalUndMeridian) {
    // The handed-over moment: München's zenith, not the clock rule's hour.
    const double original = sternzeit(11, 15, 22, 0, 0);
    const Himmelsmitte muenchen = himmelsmitte(true, WINTER_ABEND, 48.14, 11.58, original);
    Zeitskalen skalen{};
    ASSERT_EQ(ZEIT_OK, zeitskalen_aus_utc(WINTER_ABEND, skalen));
    double lst = 0;
    ASSERT_EQ(ZEIT_OK, ::sternzeit(skalen, 11.58, lst));
    // J2000 and the date differ by precession: about 0.4 degrees in 27 years.
    EXPECT_LT(stunden_abstand(lst, muenchen.rekt), 0.05);
    EXPECT_NEAR(48.14, muenchen.dekl, 0.2);
    EXPECT_GT(stunden_abstand(original, muenchen.rekt), 0.5) << "the clock rule is off by more than that";

    // An old Kovra.ini: the clock rule and the stored declination, exactly.
    const Himmelsmitte alt = himmelsmitte(false, WINTER_ABEND, 48.14, 11.58, original);
    EXPECT_DOUBLE_EQ(original, alt.rekt);
    EXPECT_DOUBLE_EQ(48.14, alt.dekl);

    // An instant the moment cannot take falls back to the clock rule.
    const Himmelsmitte ausserhalb = himmelsmitte(true, INT64_C(8000000000000), 48.14, 11.58, original);
    EXPECT_DOUBLE_EQ(original, ausserhalb.rekt);

    // No Kovra.ini: the meridian of the zone, 15 degrees an hour.
    const struct {
        int32_t minuten;
        double laenge;
    } zonen[] = {{60, 15.0}, {0, 0.0}, {-300, -75.0}, {570, 142.5}, {780, 180.0}, {-840, -180.0}};
    for (const auto& z : zonen) EXPECT_DOUBLE_EQ(z.laenge, meridian_laenge(z.minuten)) << z.minuten;
}

}  // namespace
