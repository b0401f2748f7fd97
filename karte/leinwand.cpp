#include "leinwand.h"

#include <windows.h>

#include "farben.h"
#include "gestirne.h"  // KARTEN_TEXT_FARBE
#include "koerperbild.h"
#include "nachtfarbe.h"

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
    for (int32_t k = 0; k < KOERPER_ANZAHL; ++k) bild.farbe_setzen(INDEX_KOERPER + k, farbwert(KOERPER_FARBEN[k]));
    bild.farbe_setzen(INDEX_MOND_NACHT, farbwert(MOND_NACHT));
    bild.farbe_setzen(INDEX_FELD, 0xC0C0C0);
    bild.farbe_setzen(INDEX_FREI, 0xFF00FF);
}

void farbtabelle_schirm(DIB& bild, const Darstellung& werte) {
    schirm_farben_setzen(bild, werte);
    bild.farbe_setzen(INDEX_KARTENTEXT, KARTEN_TEXT_FARBE);
}

void farbtabelle_schwarz_weiss(DIB& bild) {
    bild.farbe_setzen(INDEX_HINTERGRUND, 0xFFFFFF);
    for (int32_t i = 1; i < 256; ++i) bild.farbe_setzen(i, 0x000000);
    // The Moon's unlit part stays white: only its lit part is drawn.
    bild.farbe_setzen(INDEX_MOND_NACHT, 0xFFFFFF);
}

void farbtabelle_nacht(DIB& bild) {
    for (int32_t i = 0; i < 256; ++i) bild.farbe_setzen(i, nachtfarbe(bild.farbe(i)));
}

int32_t leinwand_erzeugen(DIB& bild, int32_t breite, int32_t hoehe) {
    const int32_t ergebnis = bild.erzeugen(breite, hoehe, 8, 0, 0);
    if (bild.dc) SelectObject(bild.dc, GetStockObject(SYSTEM_FONT));
    return ergebnis;
}

int32_t flaechen_leinwand(DIB& bild, int32_t breite, int32_t hoehe, const Kartenquadrat& quadrat,
                          const Darstellung& werte) {
    if (bild.erzeugen(breite, hoehe, 8, quadrat.versatz_x, quadrat.versatz_y) != 0 || !bild.dc)
        return -1;
    SelectObject(bild.dc, GetStockObject(SYSTEM_FONT));
    schirm_farben_setzen(bild, werte);
    SetBkColor(bild.dc, farbwert(werte.hintergrund));
    return 0;
}
