#include "bedienfeld/mausrad.h"

#include <windows.h>

Radschritte rad_schritte(int32_t& rest, int32_t delta, uint32_t zeilen) {
    // A turn the other way forgets what the last direction left.
    if ((rest > 0 && delta < 0) || (rest < 0 && delta > 0)) rest = 0;
    const int64_t summe = static_cast<int64_t>(rest) + delta;
    const int64_t kerben = summe / WHEEL_DELTA;  // toward zero: the rest keeps the sign
    rest = static_cast<int32_t>(summe - kerben * WHEEL_DELTA);
    const bool vor = kerben > 0;
    const int64_t betrag = vor ? kerben : -kerben;
    if (zeilen == WHEEL_PAGESCROLL)
        return {vor ? SB_PAGERIGHT : SB_PAGELEFT, static_cast<int32_t>(betrag > 100 ? 100 : betrag)};
    // More steps than any bar has are no use; the bound keeps the product small.
    const int64_t schritte = betrag * (zeilen > 100 ? 100 : zeilen);
    return {vor ? SB_LINERIGHT : SB_LINELEFT, static_cast<int32_t>(schritte > 1000 ? 1000 : schritte)};
}

int32_t rad_wert(const Leistenregel& r, int32_t wert, const Radschritte& s) {
    for (int32_t i = 0; i < s.anzahl; ++i) {
        const int32_t vorher = wert;
        leisten_schritt(r, s.art, 0, wert);
        if (wert == vorher) break;  // at the limit
    }
    return wert;
}
