#include "zeichnen/plan_ausfuehren.h"

#include <cstring>

#include "farben.h"
#include "figuren.h"
#include "gestirne.h"
#include "gitter.h"
#include "namen.h"
#include "schirm_farben.h"

int32_t leinwand_erzeugen(DIB& bild, int32_t breite, int32_t hoehe) {
    const int32_t ergebnis = bild.erzeugen(breite, hoehe, 8, 0, 0);
    if (bild.dc) SelectObject(bild.dc, GetStockObject(SYSTEM_FONT));
    return ergebnis;
}

void auftrag_zeichnen(const Zeichenauftrag& a, const Karteninhalt& k, const Leinwaende& l) {
    DIB* ue = l.uebersicht && l.uebersicht->dc ? l.uebersicht : nullptr;
    DIB* ka = l.karte && l.karte->dc ? l.karte : nullptr;
    const int32_t r_ue = l.r_uebersicht;
    const int32_t r_ka = l.r_karte;
    Himmel& h = k.himmel;
    const Font& text = k.schriften.text;
    const Font& bild = k.schriften.sternbild;
    const Font& sym = k.schriften.symbol;
    auto farbe = [&](Ebene e) { return skalierte_farbe(k.werte, e); };
    switch (a.was) {
        case Zeichnung::BERECHNET_LOESCHEN:
            std::memset(h.berechnet, 0, sizeof h.berechnet);
            break;
        case Zeichnung::UEBERSICHT_GITTER:
            if (ue) uebersicht_gitter(h, ue->dc, ue, text, sym, r_ue, farbe(HILFSLINIEN));
            break;
        case Zeichnung::UEBERSICHT_FIGUREN:
            if (ue) uebersicht_figuren(h, ue->dc, ue, bild, sym, r_ue, farbe(STERNBILDER));
            break;
        case Zeichnung::UEBERSICHT_GESTIRNE:
            if (ue) uebersicht_gestirne(h, ue->dc, ue, text, sym, r_ue, a.von, a.bis);
            break;
        case Zeichnung::KARTE_GITTER:
            if (ka) karte_gitter(h, ka->dc, ka, text, sym, r_ka, farbe(HILFSLINIEN));
            break;
        case Zeichnung::KARTE_FIGUREN:
            if (ka) karte_figuren(h, ka->dc, ka, bild, sym, r_ka, farbe(STERNBILDER));
            break;
        case Zeichnung::KARTE_GESTIRNE:
            if (ka) karte_gestirne(h, ka->dc, ka, text, sym, r_ka, a.von, a.bis);
            break;
        case Zeichnung::STERNBILD_NAMEN:
            if (ka) sternbild_namen(h, ka->dc, ka, bild, sym, r_ka, farbe(STERNBILDNAMEN));
            break;
        case Zeichnung::STERN_NAMEN:
            if (ka) stern_namen(h, ka->dc, ka, text, sym, r_ka, farbe(STERNNAMEN));
            break;
        case Zeichnung::STERN_KENNUNGEN:
            if (ka) stern_kennungen(h, ka->dc, ka, text, sym, r_ka, farbe(STERNBILDER));
            break;
        case Zeichnung::MARKEN:
            break;
    }
}

void karte_ganz_zeichnen(DIB& karte, int32_t r, const Karteninhalt& inhalt) {
    karte.fuellen(INDEX_HINTERGRUND);
    const Leinwaende nur_karte{nullptr, 0, &karte, r};
    // The plan ends every pass at rest; the bound only guards against a plan
    // that would not.
    int32_t schritt = STUFE_ANFANG;
    for (int32_t n = 0; n < 100 && schritt != STUFE_RUHE; ++n) {
        const Zeichenstufe stufe = zeichenstufe(schritt, inhalt.werte);
        for (int32_t i = 0; i < stufe.anzahl; ++i) auftrag_zeichnen(stufe.auftrag[i], inhalt, nur_karte);
        schritt = stufe.naechste;
    }
}
