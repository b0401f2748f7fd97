#include "quadrat.h"

Kartenquadrat kartenquadrat(int32_t breite, int32_t hoehe) {
    if (hoehe < breite) return {hoehe / 2, (breite - hoehe) / 2, 0};
    return {breite / 2, 0, (hoehe - breite) / 2};
}

Schrifthoehen schrift_hoehen(int vorschau) { return vorschau ? VORSCHAU_SCHRIFT : VOLLE_SCHRIFT; }
