#include "zeigen/sternbild_klick.h"

#include "farben.h"
#include "namen.h"
#include "zeichnen/zeichenplan.h"

int32_t sternbild_klick(int32_t x, int32_t y, const Kartenbereich& f, DIB* karte_bild,
                        const Karteninhalt& inhalt) {
    Himmel& himmel = inhalt.himmel;
    const int32_t r = f.breite / 2;
    const int32_t b = himmel.sternbild_suchen(x - 2, y, r);
    if (b < 0) return -1;
    if (himmel.sternbild_umschalten(b)) return STUFE_NAMEN;
    // Colour 0 has the engine draw the just-switched-off constellation's
    // designations too, over the ones on the canvas.
    if (karte_bild && sichtbar(inhalt.werte, STERNBILDER))
        stern_kennungen(himmel, karte_bild->dc, karte_bild, inhalt.schriften.text,
                        inhalt.schriften.symbol, r, 0);
    return STUFE_ABSCHLUSS;
}
