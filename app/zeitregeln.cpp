#include "zeitregeln.h"

#include <cmath>

namespace {

// Into 0..23 for any integer, as repeated adding or subtracting of 24 would.
int32_t umlaufen(int64_t n) {
    const int64_t r = n % 24;
    return static_cast<int32_t>(r < 0 ? r + 24 : r);
}

// Truncated toward zero; values beyond the int64 range cannot arise from a
// right ascension within the scroll bar's range and are cut to 0.
int64_t abgeschnitten(double x) {
    if (!(std::fabs(x) < 9.0e18)) return 0;
    return static_cast<int64_t>(x);
}

}  // namespace

double rekt_aus_datum(int32_t halbmonat, int32_t stunde) {
    return umlaufen(static_cast<int64_t>(halbmonat) + stunde - 17);
}

int32_t halbmonat_aus_rekt(double rektaszension, int32_t stunde) {
    return umlaufen(abgeschnitten(rektaszension - stunde + 17 + 0.5));
}

int32_t stunde_aus_rekt(double rektaszension, int32_t halbmonat) {
    return umlaufen(abgeschnitten(rektaszension - (halbmonat - 17.0)));
}
