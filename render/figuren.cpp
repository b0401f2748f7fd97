#include "figuren.h"

#include "gdi_objekt.h"
#include "stern_lage.h"

namespace {

constexpr int DRUCK_STIFT_BREITE = 2;  // printer device units

// The offsets of one end of a figure line, or false when it lies behind the
// hemisphere (or names no loaded star).
bool ende_lage(Himmel& himmel, int32_t klasse, int32_t index, Massstab massstab, int32_t r,
               Versatz& v) {
    if (!stern_vorhanden(himmel, klasse, index)) return false;
    const PolarPos& p = stern_polar(himmel, klasse, index);
    if (!sichtbar_halbkugel(p.abstand)) return false;
    v = versatz_auf(massstab, himmel, p, r);
    return true;
}

// Every figure line whose two ends lie in the hemisphere. Star b is only
// looked at when star a passed, so no position is computed that no line needs.
void figuren_zeichnen(Himmel& himmel, const Strich& ziel, Massstab massstab, int32_t r) {
    for (int32_t s = 0; s < himmel.sternbild_anzahl; ++s) {
        const SternbildSatz& satz = himmel.sternbilder[s];
        for (int32_t l = 0; l < satz.linien_anzahl; ++l) {
            const Linie& linie = satz.linien[l];
            Versatz a{}, b{};
            if (ende_lage(himmel, linie.klasse_a, linie.index_a, massstab, r, a) &&
                ende_lage(himmel, linie.klasse_b, linie.index_b, massstab, r, b))
                strich(ziel, r, a, b);
        }
    }
}

}  // namespace

void karte_figuren(Himmel& himmel, HDC dc, DIB* bild, int32_t r, int32_t dpi) {
    if (bild)
        figuren_zeichnen(himmel, Strich{bild, dc, FIGUREN_INDEX, skaliert(1, dpi_begrenzt(dpi))},
                         Massstab::karte, r);
}

void uebersicht_figuren(Himmel& himmel, HDC dc, DIB* bild, int32_t r, int32_t dpi) {
    if (bild)
        figuren_zeichnen(himmel, Strich{bild, dc, FIGUREN_INDEX, skaliert(1, dpi_begrenzt(dpi))},
                         Massstab::uebersicht, r);
}

void druck_figuren(Himmel& himmel, HDC dc, int32_t r, uint32_t farbe) {
    GdiObjekt stift(CreatePen(PS_SOLID, DRUCK_STIFT_BREITE, farbe));
    Auswahl wahl(dc, stift.handle());
    figuren_zeichnen(himmel, Strich{nullptr, dc, FIGUREN_INDEX}, Massstab::karte, r);
}

void sternbild_namen(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe,
                     const Schildplan& plan) {
    SetTextColor(dc, farbe);
    SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    SelectObject(dc, schrift.handle());
    for (int32_t s = 0; s < himmel.sternbild_anzahl; ++s) {
        const SternbildSatz& satz = himmel.sternbilder[s];
        const Schildversatz& schild = plan.sternbilder[s];
        if (!satz.name || schild.weg) continue;
        const PolarPos p = himmel.polar_berechnen(satz.ort);
        const Versatz v = versatz_auf(Massstab::karte, himmel, p, r);
        text_aus(dc, r + v.dx + schild.dx, r - v.dy + schild.dy, satz.name);
    }
}
