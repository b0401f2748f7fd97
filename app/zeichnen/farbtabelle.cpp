#include "zeichnen/farbtabelle.h"


void farbtabelle_schirm(DIB& bild, const Darstellung& werte) {
    schirm_farben_setzen(bild, werte);
    bild.farbe_setzen(INDEX_KARTENTEXT, KARTEN_TEXT_FARBE);
}

void farbtabelle_schwarz_weiss(DIB& bild) {
    bild.farbe_setzen(INDEX_HINTERGRUND, 0xFFFFFF);
    for (int32_t i = 1; i < 256; ++i) bild.farbe_setzen(i, 0x000000);
}
