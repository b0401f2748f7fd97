#include "stern_lage.h"

#include <cstdlib>

bool stern_vorhanden(const Himmel& himmel, int32_t klasse, int32_t index) {
    return klasse >= 0 && klasse < KLASSEN && index >= 0 && index < himmel.anzahl[klasse] &&
           himmel.stern_saetze[klasse] && himmel.vektoren[klasse] && himmel.polar[klasse];
}

const PolarPos& stern_polar(Himmel& himmel, int32_t klasse, int32_t index) {
    PolarPos& p = himmel.polar[klasse][index];
    const int32_t nummer = himmel.stern_saetze[klasse][index].nummer;
    if (!nummer_gueltig(nummer)) {
        p = himmel.polar_berechnen(himmel.vektoren[klasse][index]);
    } else if (!himmel.berechnet[nummer]) {
        p = himmel.polar_berechnen(himmel.vektoren[klasse][index]);
        himmel.berechnet[nummer] = 1;
    }
    return p;
}

Versatz versatz_auf(Massstab massstab, const Himmel& himmel, const PolarPos& p, int32_t r) {
    const double s = massstab == Massstab::karte
                         ? kartenmassstab(p.abstand, himmel.gesichtsfeld, r)
                         : uebersichtsmassstab(p.abstand, r);
    return versatz(p.winkel, s);
}

void strich(const Strich& ziel, int32_t r, Versatz a, Versatz b) {
    if (ziel.bild) {
        // A thick line as parallel hairlines, moved across the line's run:
        // up and down along a flat line, sideways along a steep one.
        const bool flach = std::abs(b.dx - a.dx) >= std::abs(b.dy - a.dy);
        for (int32_t i = -(ziel.breite / 2); i < ziel.breite - ziel.breite / 2; ++i) {
            const int32_t x = flach ? 0 : i, z = flach ? i : 0;
            ziel.bild->linie(r + a.dx + x, r + a.dy + z, r + b.dx + x, r + b.dy + z, ziel.index);
        }
    } else {
        MoveToEx(ziel.dc, r + a.dx, r - a.dy, nullptr);
        LineTo(ziel.dc, r + b.dx, r - b.dy);
    }
}
