#include "zeichnen/zeichenplan.h"

#include "farben.h"

namespace {

class Plan {
public:
    explicit Plan(const Darstellung& werte) : werte(werte) {}

    void dazu(Zeichnung was, int32_t von = 0, int32_t bis = 0) {
        stufe.auftrag[stufe.anzahl++] = {was, von, bis};
    }
    void falls(Ebene ebene, Zeichnung was) {
        if (sichtbar(werte, ebene)) dazu(was);
    }
    Zeichenstufe weiter(int32_t naechste, uint32_t verzoegerung) {
        stufe.naechste = naechste;
        stufe.verzoegerung = verzoegerung;
        stufe.ausgeben = true;
        return stufe;
    }

    const Darstellung& werte;
    Zeichenstufe stufe{};
};

}  // namespace

Zeichenstufe zeichenstufe(int32_t schritt, const Darstellung& werte) {
    Plan p(werte);
    if (schritt == STUFE_ANFANG) {
        p.dazu(Zeichnung::BERECHNET_LOESCHEN);
        p.falls(HILFSLINIEN, Zeichnung::UEBERSICHT_GITTER);
        p.falls(STERNBILDER, Zeichnung::UEBERSICHT_FIGUREN);
        p.falls(HILFSLINIEN, Zeichnung::KARTE_GITTER);
        p.falls(STERNBILDER, Zeichnung::KARTE_FIGUREN);
        p.dazu(Zeichnung::UEBERSICHT_GESTIRNE, 0, 59);
        p.dazu(Zeichnung::KARTE_GESTIRNE, 0, 59);
        p.dazu(Zeichnung::MARKEN);
        return p.weiter(60, 250);
    }
    if (schritt > 0 && schritt < STUFE_ABSCHLUSS) {
        p.dazu(Zeichnung::KARTE_GESTIRNE, schritt, schritt + 4);
        return p.weiter(schritt + 5, 1);
    }
    if (schritt == STUFE_ABSCHLUSS) {
        p.falls(HILFSLINIEN, Zeichnung::KARTE_GITTER);
        p.falls(HILFSLINIEN, Zeichnung::UEBERSICHT_GITTER);
        return p.weiter(STUFE_FIGUREN, 1);
    }
    if (schritt == STUFE_FIGUREN) {
        p.dazu(Zeichnung::UEBERSICHT_GESTIRNE, 0, 65);
        p.falls(STERNBILDER, Zeichnung::KARTE_FIGUREN);
        return p.weiter(STUFE_NAMEN, 1);
    }
    if (schritt == STUFE_NAMEN) {
        p.falls(STERNBILDNAMEN, Zeichnung::STERNBILD_NAMEN);
        p.falls(STERNNAMEN, Zeichnung::STERN_NAMEN);
        p.falls(STERNBILDER, Zeichnung::UEBERSICHT_FIGUREN);
        p.falls(STERNBILDER, Zeichnung::STERN_KENNUNGEN);
        p.dazu(Zeichnung::UEBERSICHT_GESTIRNE, 0, 99);
        p.dazu(Zeichnung::KARTE_GESTIRNE, 0, 99);
        p.dazu(Zeichnung::MARKEN);
        return p.weiter(STUFE_RUHE, 1000);
    }
    // Idle (or a stage that does not exist): the timer keeps ticking.
    Zeichenstufe ruhe{};
    ruhe.naechste = schritt;
    ruhe.verzoegerung = 1000;
    return ruhe;
}
