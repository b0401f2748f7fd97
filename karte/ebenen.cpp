// The drawing functions of the chart's layers (karte/schichten.h), each on
// the engine's operations for its kind of target.
#include <cstring>

#include "figuren.h"
#include "gestirne.h"
#include "gitter.h"
#include "namen.h"
#include "schichten.h"

void lagen_neu(Himmel& himmel) { std::memset(himmel.berechnet, 0, sizeof himmel.berechnet); }

void schilder_setzen(Beschriftung& b, const Ziel& z, const Karteninhalt& inhalt) {
    beschriftung_setzen(b, z.dc, z.bild == nullptr, z.r, inhalt);
}

void gitter_karte(Himmel& himmel, const Ziel& z, const Font& beschriftung, uint32_t farbe) {
    karte_gitter(himmel, z.dc, z.bild, beschriftung, z.r, farbe, z.dpi);
}

void gitter_uebersicht(Himmel& himmel, const Ziel& z, const Font& beschriftung, uint32_t farbe) {
    uebersicht_gitter(himmel, z.dc, z.bild, beschriftung, z.r, farbe, z.dpi);
}

void gitter_druck(Himmel& himmel, const Ziel& z, const Font& beschriftung, uint32_t farbe) {
    druck_gitter(himmel, z.dc, beschriftung, z.r, farbe);
}

void figuren_karte(Himmel& himmel, const Ziel& z) { karte_figuren(himmel, z.dc, z.bild, z.r, z.dpi); }

void figuren_uebersicht(Himmel& himmel, const Ziel& z) {
    uebersicht_figuren(himmel, z.dc, z.bild, z.r, z.dpi);
}

void figuren_druck(Himmel& himmel, const Ziel& z, uint32_t farbe) {
    druck_figuren(himmel, z.dc, z.r, farbe);
}

void sternbild_namen_zeichnen(Himmel& himmel, const Ziel& z, const Font& schrift, uint32_t farbe,
                              const Schildplan& plan) {
    sternbild_namen(himmel, z.dc, schrift, z.r, farbe, plan);
}

void stern_namen_zeichnen(Himmel& himmel, const Ziel& z, const Font& schrift, uint32_t farbe,
                          const Schildplan& plan) {
    stern_namen(himmel, z.dc, schrift, z.r, farbe, plan, z.dpi);
}

void kennungen_zeichnen(Himmel& himmel, const Ziel& z, const Font& text, const Font& symbol,
                        uint32_t farbe, bool auswahl_verbergen, const Schildplan& plan) {
    const int32_t auswahl = himmel.wahl_sternbild;
    if (auswahl_verbergen) himmel.wahl_sternbild = -1;
    stern_kennungen(himmel, z.dc, text, symbol, z.r, farbe, plan);
    himmel.wahl_sternbild = auswahl;
}

void gestirne_karte(Himmel& himmel, const Ziel& z, Klassen klassen, const Font& kaption,
                    const char* kartentext) {
    karte_gestirne(himmel, z.dc, z.bild, kaption, z.r, klassen.von, klassen.bis, kartentext, z.dpi);
}

void gestirne_uebersicht(Himmel& himmel, const Ziel& z) { uebersicht_gestirne(himmel, z.bild, z.r, z.dpi); }

void gestirne_druck(Himmel& himmel, const Ziel& z, const Druckstil& stil) {
    druck_gestirne(himmel, z.dc, z.r, stil.einfarbig, stil.invertiert, stil.rand_farbe);
}
