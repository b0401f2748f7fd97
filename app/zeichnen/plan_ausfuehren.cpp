#include "zeichnen/plan_ausfuehren.h"

#include <initializer_list>
#include <memory>

#include "beschriftung.h"
#include "kartenzeichnung.h"

void auftrag_zeichnen(const Zeichenauftrag& a, const Karteninhalt& k, const Leinwaende& l) {
    // The screen's designations show the selection as the engine reads it
    // (karte/schichten.h): the label click relies on it.
    const Ausgabeart art{a.was.leinwand, schirm_schichtfarben(k.werte), false, {}};
    const Klassen klassen{a.von, a.bis};
    if (a.was.schicht == Schicht::LAGEN_NEU) {
        schicht_zeichnen(a.was.schicht, Ziel{nullptr, nullptr, 0}, k, art, klassen);
        return;
    }
    const bool uebersicht = a.was.leinwand == Leinwand::UEBERSICHT;
    DIB* bild = uebersicht ? l.uebersicht : l.karte;
    if (!bild || !bild->dc) return;
    const Ziel ziel{bild->dc, bild, uebersicht ? l.r_uebersicht : l.r_karte};
    schicht_zeichnen(a.was.schicht, ziel, k, art, klassen);
}

void beschriftung_loeschen(DIB& karte, int32_t r, const Karteninhalt& inhalt) {
    if (!karte.dc) return;
    const Ausgabeart schwarz{Leinwand::KARTE, Schichtfarben{}, false, {}};
    for (Schicht s : {Schicht::STERNBILDNAMEN, Schicht::STERNNAMEN, Schicht::KENNUNGEN, Schicht::KOERPERNAMEN})
        if (schicht_sichtbar(s, inhalt.werte))
            schicht_zeichnen(s, Ziel{karte.dc, &karte, r}, inhalt, schwarz, Klassen{0, KLASSEN - 1});
}

void karte_ganz_zeichnen(DIB& karte, int32_t r, const Karteninhalt& inhalt) {
    karte.fuellen(INDEX_HINTERGRUND);
    // The labels placed for this canvas, whatever plan the screen keeps.
    const auto eigene = std::make_unique<Beschriftung>();
    Karteninhalt mit_plan = inhalt;
    mit_plan.beschriftung = eigene.get();
    const Leinwaende nur_karte{nullptr, 0, &karte, r};
    // The plan ends every pass at rest; the bound only guards against a plan
    // that would not.
    int32_t schritt = STUFE_ANFANG;
    for (int32_t n = 0; n < 100 && schritt != STUFE_RUHE; ++n) {
        const Zeichenstufe stufe = zeichenstufe(schritt, inhalt.werte);
        for (int32_t i = 0; i < stufe.anzahl; ++i) auftrag_zeichnen(stufe.auftrag[i], mit_plan, nur_karte);
        schritt = stufe.naechste;
    }
}
