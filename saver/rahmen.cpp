#include "rahmen.h"

#include "farben.h"

double sternzeit(int32_t monat, int32_t tag, int32_t stunde, int32_t minute, int32_t sekunde) {
    double t = 2.0 * monat + tag / 15.0 - 17 + stunde + minute / 60.0 + sekunde / 3600.0;
    while (t >= 24) t -= 24;
    while (t < 0) t += 24;
    return t;
}

Kartenflaeche kartenflaeche(int32_t breite, int32_t hoehe) {
    if (hoehe < breite) return {hoehe / 2, (breite - hoehe) / 2, 0};
    return {breite / 2, 0, (hoehe - breite) / 2};
}

int32_t ansicht_gesichtsfeld(int32_t gesichtsfeld, int vorschau) {
    return vorschau && gesichtsfeld > 30 ? 30 : gesichtsfeld;
}

Schrifthoehen schrift_hoehen(int vorschau) {
    return vorschau ? Schrifthoehen{4, 6, 4} : Schrifthoehen{14, 16, 14};
}

int32_t rahmen_schritte(const Darstellung& werte, Schritt (&schritte)[MAX_SCHRITTE]) {
    int32_t n = 0;
    schritte[n++] = STERNE;
    if (sichtbar(werte, HILFSLINIEN)) schritte[n++] = GITTER;
    if (sichtbar(werte, STERNBILDER)) schritte[n++] = FIGUREN;
    if (sichtbar(werte, STERNBILDNAMEN)) schritte[n++] = BILDNAMEN;
    if (sichtbar(werte, STERNNAMEN)) schritte[n++] = NAMEN;
    schritte[n++] = STERNE;
    return n;
}
