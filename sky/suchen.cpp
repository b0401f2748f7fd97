// Hit tests: which star or constellation label lies under a window pixel.
#include "himmel.h"
#include "projektion.h"

int32_t Himmel::stern_suchen(int32_t x, int32_t y, int32_t r) {
    // Faintest class first: where stars overlap, the faintest wins.
    for (int k = KLASSEN - 1; k >= 0; --k)
        for (int32_t i = 0; i < anzahl[k]; ++i) {
            const int32_t nummer = stern_saetze[k][i].nummer;
            if (!nummer_gueltig(nummer) || berechnet[nummer] != 1) continue;
            const PolarPos& p = polar[k][i];
            if (!sichtbar_quadrat(p.abstand, gesichtsfeld)) continue;
            const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, gesichtsfeld, r));
            const int32_t sx = r + v.dx;
            const int32_t sy = r - v.dy;
            if (sx - 1 <= x && x <= sx + 1 && sy - 1 <= y && y <= sy + 1) {
                wahl_klasse = k;
                wahl_index = i;
                return nummer;
            }
        }
    wahl_klasse = -1;
    wahl_index = -1;
    return -1;
}

int32_t Himmel::sternbild_suchen(int32_t x, int32_t y, int32_t r, const Schildplan& plan) {
    // The box reaches 16 pixels either side of the label's anchor, 8 above
    // and 2 below it; the anchor sits one pixel above a star's position.
    for (int32_t i = 0; i < sternbild_anzahl; ++i) {
        const Schildversatz& schild = plan.sternbilder[i];
        if (schild.weg) continue;
        const PolarPos p = polar_berechnen(sternbilder[i].ort);
        if (!sichtbar_quadrat(p.abstand, gesichtsfeld)) continue;
        const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, gesichtsfeld, r));
        const int32_t sx = r + v.dx + schild.dx;
        const int32_t sy = r - v.dy - 1 + schild.dy;
        if (sx - 16 <= x && x <= sx + 16 && sy - 8 <= y && y <= sy + 2) {
            wahl_sternbild = i;
            return i;
        }
    }
    wahl_sternbild = -1;
    return -1;
}
