#include "bedienfeld/leistenregel.h"

#include <windows.h>

int32_t leisten_position(const Leistenregel& r, int32_t wert) {
    return r.richtung * begrenzt(r.bereich, wert);
}

bool leisten_schritt(const Leistenregel& r, int32_t art, int32_t daumen, int32_t& wert) {
    // A step toward the left or the top lowers the position.
    int64_t neu = wert;
    switch (art) {
        case SB_LINELEFT: neu -= static_cast<int64_t>(r.richtung) * r.zeile; break;
        case SB_LINERIGHT: neu += static_cast<int64_t>(r.richtung) * r.zeile; break;
        case SB_PAGELEFT: neu -= static_cast<int64_t>(r.richtung) * r.seite; break;
        case SB_PAGERIGHT: neu += static_cast<int64_t>(r.richtung) * r.seite; break;
        case SB_THUMBTRACK:
            neu = static_cast<int64_t>(r.richtung) * daumen;
            if (begrenzt(r.bereich, neu) == wert) return false;
            break;
        default: return false;
    }
    wert = begrenzt(r.bereich, neu);
    return true;
}
