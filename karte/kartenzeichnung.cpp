#include "kartenzeichnung.h"

#include <memory>

#include "farben.h"
#include "skaliert.h"

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
    // A canvas is drawn for the screen's dots per inch, a printer at its own.
    Ziel bei_dpi = ziel;
    bei_dpi.dpi = art.leinwand == Leinwand::DRUCK ? DPI_NORMAL : dpi_begrenzt(inhalt.dpi);
    const Schichtaufruf aufruf{inhalt.himmel, bei_dpi,   farbe,         inhalt.schriften,
                               klassen,       inhalt.kartentext ? inhalt.kartentext : "",
                               art.druckstil, art.auswahl_verbergen, inhalt.koerper,
                               inhalt,        inhalt.beschriftung};
    zeichner(aufruf);
}

void folge_zeichnen(const Schicht* folge, size_t anzahl, const Ziel& ziel,
                    const Karteninhalt& inhalt, const Ausgabeart& art) {
    // An output drawn in one go places its labels in a plan of its own,
    // for its own target, whatever plan the screen keeps.
    const auto eigene = std::make_unique<Beschriftung>();
    Karteninhalt mit_plan = inhalt;
    mit_plan.beschriftung = eigene.get();
    for (size_t i = 0; i < anzahl; ++i) {
        if (schicht_sichtbar(folge[i], inhalt.werte))
            schicht_zeichnen(folge[i], ziel, mit_plan, art, Klassen{0, KLASSEN - 1});
    }
}
