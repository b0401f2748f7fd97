#include "ausgabe/kennungen.h"

#include "namen.h"

void kennungen_zeichnen(const Karteninhalt& inhalt, HDC dc, DIB* bild, int32_t r, uint32_t farbe) {
    Himmel& himmel = inhalt.himmel;
    const int32_t auswahl = himmel.wahl_sternbild;
    himmel.wahl_sternbild = -1;
    stern_kennungen(himmel, dc, bild, inhalt.schriften.text, inhalt.schriften.symbol, r, farbe);
    himmel.wahl_sternbild = auswahl;
}
