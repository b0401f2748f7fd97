#include "zeitregeln.h"

#include <cmath>

namespace {

// Into 0..23 for any integer, as repeated adding or subtracting of 24 would.
int32_t umlaufen(int64_t n) {
    const int64_t r = n % 24;
    return static_cast<int32_t>(r < 0 ? r + 24 : r);
}

// Rounded down, also below zero: the hour or half-month that has begun. (Cut
// toward zero, -5.3 would become -5 and name the half-month after the one
// that has begun.) Values beyond the int64 range cannot come from a right
// ascension within the bar's range and count as 0.
int64_t abgerundet(double x) {
    if (!(std::fabs(x) < 9.0e18)) return 0;
    return static_cast<int64_t>(std::floor(x));
}

}  // namespace

double rekt_aus_datum(int32_t halbmonat, int32_t stunde) {
    return umlaufen(static_cast<int64_t>(halbmonat) + stunde - 17);
}

int32_t halbmonat_aus_rekt(double rektaszension, int32_t stunde) {
    return umlaufen(abgerundet(rektaszension - stunde + 17 + 0.5));
}

int32_t stunde_aus_rekt(double rektaszension, int32_t halbmonat) {
    return umlaufen(abgerundet(rektaszension - (halbmonat - 17.0)));
}

void listen_nachfuehren(double rektaszension, int32_t fest, int32_t& halbmonat, int32_t& stunde) {
    if (fest != 1) halbmonat = halbmonat_aus_rekt(rektaszension, stunde);
    if (fest != 2) stunde = stunde_aus_rekt(rektaszension, halbmonat);
}

double sternzeit(int32_t monat, int32_t tag, int32_t stunde, int32_t minute, int32_t sekunde) {
    double t = 2.0 * monat + tag / 15.0 - 17 + stunde + minute / 60.0 + sekunde / 3600.0;
    while (t >= 24) t -= 24;
    while (t < 0) t += 24;
    return t;
}
