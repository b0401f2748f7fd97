#include "zeigen/info_lage.h"

namespace {

constexpr int32_t ABSTAND = 15;  // popup to mouse, pixels

struct Groesse {
    int32_t breite, hoehe;
};
constexpr Groesse STERN_GROESSE{170, 122};
constexpr Groesse STERNBILD_GROESSE{160, 62};
constexpr Groesse KOERPER_GROESSE{190, 184};  // nine lines

Groesse groesse(int32_t art) {
    switch (art) {
        case INFO_STERN: return STERN_GROESSE;
        case INFO_KOERPER: return KOERPER_GROESSE;
        default: return STERNBILD_GROESSE;
    }
}

}  // namespace

Kartenbereich kartenbereich(HWND karte, HWND hauptfenster, int32_t dpi) {
    RECT innen{}, aussen{};
    GetClientRect(karte, &innen);
    GetWindowRect(karte, &aussen);
    POINT ursprung{0, 0};
    ClientToScreen(hauptfenster, &ursprung);
    return {innen.right - 2, innen.bottom - 2, aussen.left - ursprung.x, aussen.top - ursprung.y,
            dpi_begrenzt(dpi)};
}

Info_Lage info_lage(int32_t art, int32_t x, int32_t y, const Kartenbereich& f) {
    const int32_t dpi = dpi_begrenzt(f.dpi);
    const Groesse g{skaliert(groesse(art).breite, dpi), skaliert(groesse(art).hoehe, dpi)};
    const int32_t abstand = skaliert(ABSTAND, dpi);
    const int32_t dx = x < f.breite / 2 ? abstand : -(g.breite + abstand);
    const int32_t dy = y < f.hoehe / 2 ? abstand : -(g.hoehe + abstand);
    return {x + f.links + dx, y + f.oben + dy, g.breite, g.hoehe};
}
