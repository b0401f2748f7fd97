#include "schirm_farben.h"

#include "farben.h"
#include "figuren.h"
#include "gitter.h"

namespace {

// Families 1..7 = spectral classes O, B, A, F, G, K, M.
constexpr Rgb FAMILIEN[7] = {
    {224, 240, 255}, {192, 224, 255}, {160, 208, 255}, {255, 255, 255},
    {255, 250, 224}, {255, 224, 196}, {255, 144, 144},
};

// Step j of a family: the base colour divided by 1, 1, 2, 2, ... 5, 5.
Rgb stufe(const Rgb& basis, int32_t j) {
    const int32_t teiler = j / 2 + 1;
    return {basis.rot / teiler, basis.gruen / teiler, basis.blau / teiler};
}

}  // namespace

void schirm_farben_setzen(DIB& bild, const Darstellung& werte) {
    bild.farbe_setzen(INDEX_HINTERGRUND, farbwert(werte.hintergrund));
    for (int32_t f = 1; f <= 7; ++f) {
        for (int32_t j = 0; j < 10; ++j) bild.farbe_setzen(10 * f + j, farbwert(stufe(FAMILIEN[f - 1], j)));
    }
    bild.farbe_setzen(FIGUREN_INDEX, ebenen_eintrag(werte, STERNBILDER));
    bild.farbe_setzen(INDEX_BILDNAMEN, ebenen_eintrag(werte, STERNBILDNAMEN));
    bild.farbe_setzen(INDEX_STERNNAMEN, ebenen_eintrag(werte, STERNNAMEN));
    bild.farbe_setzen(GITTER_INDEX, ebenen_eintrag(werte, HILFSLINIEN));
    bild.farbe_setzen(INDEX_FELD, 0xC0C0C0);
    bild.farbe_setzen(INDEX_FREI, 0xFF00FF);
}
