// Hit tests: which star or constellation label lies under a window pixel.
#include "himmel.h"
#include "projektion.h"

int32_t Himmel::stern_suchen(int32_t x, int32_t y, int32_t r, int32_t fang) {
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
            if (sx - fang <= x && x <= sx + fang && sy - fang <= y && y <= sy + fang) {
                wahl_klasse = k;
                wahl_index = i;
                return nummer;
            }
        }
    wahl_klasse = -1;
    wahl_index = -1;
    return -1;
}

int32_t Himmel::sternbild_suchen(int32_t x, int32_t y, int32_t r, const Schildplan& plan,
                                 const Schildfang& fang) {
    // At 96 dots per inch the box reaches 16 pixels either side of the
    // label's point, 9 above and 1 below it (8 above and 2 below an anchor
    // one pixel above the point).
    for (int32_t i = 0; i < sternbild_anzahl; ++i) {
        const Schildversatz& schild = plan.sternbilder[i];
        if (schild.weg) continue;
        const PolarPos p = polar_berechnen(sternbilder[i].ort);
        if (!sichtbar_quadrat(p.abstand, gesichtsfeld)) continue;
        const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, gesichtsfeld, r));
        const int32_t sx = r + v.dx + schild.dx;
        const int32_t sy = r - v.dy + schild.dy;
        if (sx - fang.quer <= x && x <= sx + fang.quer && sy - fang.oben <= y && y <= sy + fang.unten) {
            wahl_sternbild = i;
            return i;
        }
    }
    wahl_sternbild = -1;
    return -1;
}
