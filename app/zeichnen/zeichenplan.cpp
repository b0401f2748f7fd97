#include "zeichnen/zeichenplan.h"

#include "kartenzeichnung.h"

Zeichenstufe zeichenstufe(int32_t schritt, const Darstellung& werte) {
    Zeichenstufe stufe{};
    for (const Schirmstufe& s : SCHIRM_STUFEN) {
        if (schritt < s.erste || schritt > s.letzte) continue;
        for (size_t i = 0; i < s.anzahl; ++i) {
            const Schirmauftrag& a = s.auftraege[i];
            if (!schicht_sichtbar(a.schicht, werte)) continue;
            const int32_t basis = a.ab_stufe ? schritt : 0;
            // Never beyond the array: it is as long as the longest stage.
            stufe.auftrag.at(static_cast<size_t>(stufe.anzahl++)) =
                Zeichenauftrag{{a.schicht, a.leinwand}, basis + a.klassen.von, basis + a.klassen.bis};
        }
        stufe.naechste = s.naechste_relativ ? schritt + s.naechste : s.naechste;
        stufe.verzoegerung = s.verzoegerung;
        stufe.ausgeben = true;
        return stufe;
    }
    // Idle (or a stage that does not exist): the timer keeps ticking.
    stufe.naechste = schritt;
    stufe.verzoegerung = RUHE_VERZOEGERUNG;
    return stufe;
}
