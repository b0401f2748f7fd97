#include "rahmen.h"

int32_t ansicht_gesichtsfeld(int32_t gesichtsfeld, int vorschau) {
    return vorschau && gesichtsfeld > 30 ? 30 : gesichtsfeld;
}

Rahmenschichten rahmen_schichten(const Darstellung& werte) {
    Rahmenschichten r{};
    for (Schicht s : SCHONER_FOLGE)
        if (schicht_sichtbar(s, werte)) r.schicht[r.anzahl++] = s;
    return r;
}
