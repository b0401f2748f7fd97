#include "kartenzeichnung.h"

#include "farben.h"

Schichtfarben schirm_schichtfarben(const Darstellung& werte) {
    Schichtfarben f{};
    for (int32_t e = 0; e < EBENEN; ++e) f.farbe[e] = skalierte_farbe(werte, static_cast<Ebene>(e));
    return f;
}

void schicht_zeichnen(Schicht schicht, const Ziel& ziel, const Karteninhalt& inhalt,
                      const Ausgabeart& art, Klassen klassen) {
    const Schichtzeile& zeile = schichtzeile(schicht);
    Schichtzeichner zeichner = nullptr;
    switch (art.leinwand) {
        case Leinwand::KARTE: zeichner = zeile.karte; break;
        case Leinwand::UEBERSICHT: zeichner = zeile.uebersicht; break;
        case Leinwand::DRUCK: zeichner = zeile.druck; break;
    }
    if (!zeichner) return;
    const Ebene ebene = schicht_ebene(schicht);
    const uint32_t farbe = ebene == IMMER ? 0 : art.farben.farbe[ebene];
    const Schichtaufruf aufruf{inhalt.himmel, ziel,      farbe,         inhalt.schriften,
                               klassen,       inhalt.kartentext ? inhalt.kartentext : "",
                               art.druckstil, art.auswahl_verbergen, inhalt.koerper};
    zeichner(aufruf);
}

void folge_zeichnen(const Schicht* folge, size_t anzahl, const Ziel& ziel,
                    const Karteninhalt& inhalt, const Ausgabeart& art) {
    for (size_t i = 0; i < anzahl; ++i) {
        if (schicht_sichtbar(folge[i], inhalt.werte))
            schicht_zeichnen(folge[i], ziel, inhalt, art, Klassen{0, KLASSEN - 1});
    }
}
