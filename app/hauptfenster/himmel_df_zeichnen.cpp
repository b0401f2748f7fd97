// The drawing cycle of the main window: both panes drawn in the stages of
// zeichnen/zeichenplan.h on timer 1; each step draws into the canvases,
// copies them to the panes and arms the next step.
#include <cstring>
#include <initializer_list>

#include "dib_kf.h"
#include "farben.h"
#include "figuren.h"
#include "gemeinsam/meldung.h"
#include "gestirne.h"
#include "gitter.h"
#include "hauptfenster/himmel_df.h"
#include "namen.h"
#include "zeichnen/farbtabelle.h"

namespace {

// The pane's client size less 2 on each axis: what the engine draws into.
SIZE zeichenflaeche(DIB_KF* bereich) {
    RECT c{};
    if (bereich && bereich->hwnd) GetClientRect(bereich->hwnd, &c);
    return SIZE{c.right - 2, c.bottom - 2};
}

}  // namespace

int32_t Himmel_DF::radius(DIB_KF* bereich) { return zeichenflaeche(bereich).cx / 2; }

uint32_t Himmel_DF::ebenen_farbe(Ebene ebene) const { return skalierte_farbe(darstellung, ebene); }

int32_t Himmel_DF::leinwaende_erzeugen() {
    struct Paar {
        DIB_KF* bereich;
        DIB* bild;
    };
    int32_t ergebnis = 0;
    bool ohne_dc = false;
    for (const Paar& p : {Paar{uebersicht.get(), &uebersicht_bild}, Paar{karte.get(), &karte_bild}}) {
        RECT c{};
        if (p.bereich->hwnd) GetClientRect(p.bereich->hwnd, &c);
        ergebnis += p.bild->erzeugen(c.right, c.bottom, 8, 0, 0);
        if (p.bild->dc) {
            SelectObject(p.bild->dc, GetStockObject(SYSTEM_FONT));
        } else {
            ohne_dc = true;
        }
        p.bereich->setze_dib(p.bild);
    }
    if (ergebnis != 0 || ohne_dc) {
        meldung(nullptr, "Nicht genügend Arbeitsspeicher", "Varnis - Fehler", MB_OK);
    }
    return ergebnis;
}

void Himmel_DF::farbtabellen_setzen() {
    farbtabelle_schirm(karte_bild, darstellung);
    farbtabelle_schirm(uebersicht_bild, darstellung);
}

void Himmel_DF::neu_zeichnen() {
    uebersicht_bild.fuellen(INDEX_HINTERGRUND);
    karte_bild.fuellen(INDEX_HINTERGRUND);
    weiter_ab(STUFE_ANFANG);
}

void Himmel_DF::weiter_ab(int32_t stufe) {
    zeichen_schritt = stufe;
    zeitschritt();
}

void Himmel_DF::zeitschritt() {
    // Without a window there is neither a timer nor a pane to draw for; the
    // first size message starts the drawing.
    if (!hwnd) return;
    KillTimer(hwnd, ZEICHEN_TIMER);
    const Zeichenstufe stufe = zeichenstufe(zeichen_schritt, darstellung);
    for (int32_t i = 0; i < stufe.anzahl; ++i) zeichnen(stufe.auftrag[i]);
    zeichen_schritt = stufe.naechste;
    SetTimer(hwnd, ZEICHEN_TIMER, stufe.verzoegerung, nullptr);
    if (stufe.ausgeben) bereiche_ausgeben();
}

void Himmel_DF::bereiche_ausgeben() {
    uebersicht->neu_ausgeben();
    karte->neu_ausgeben();
}

void Himmel_DF::zeichnen(const Zeichenauftrag& a) {
    // An absent canvas (it could not be made) is not drawn on.
    DIB* ue = uebersicht_bild.dc ? &uebersicht_bild : nullptr;
    DIB* ka = karte_bild.dc ? &karte_bild : nullptr;
    const int32_t r_ue = radius(uebersicht.get());
    const int32_t r_ka = radius(karte.get());
    Himmel& h = *himmel;
    const Font& text = schrift_text;
    const Font& bild = schrift_sternbild;
    const Font& sym = schrift_symbol;
    switch (a.was) {
        case Zeichnung::BERECHNET_LOESCHEN:
            std::memset(h.berechnet, 0, sizeof h.berechnet);
            break;
        case Zeichnung::UEBERSICHT_GITTER:
            if (ue) uebersicht_gitter(h, ue->dc, ue, text, sym, r_ue, ebenen_farbe(HILFSLINIEN));
            break;
        case Zeichnung::UEBERSICHT_FIGUREN:
            if (ue) uebersicht_figuren(h, ue->dc, ue, bild, sym, r_ue, ebenen_farbe(STERNBILDER));
            break;
        case Zeichnung::UEBERSICHT_GESTIRNE:
            if (ue) uebersicht_gestirne(h, ue->dc, ue, text, sym, r_ue, a.von, a.bis);
            break;
        case Zeichnung::KARTE_GITTER:
            if (ka) karte_gitter(h, ka->dc, ka, text, sym, r_ka, ebenen_farbe(HILFSLINIEN));
            break;
        case Zeichnung::KARTE_FIGUREN:
            if (ka) karte_figuren(h, ka->dc, ka, bild, sym, r_ka, ebenen_farbe(STERNBILDER));
            break;
        case Zeichnung::KARTE_GESTIRNE:
            if (ka) karte_gestirne(h, ka->dc, ka, text, sym, r_ka, a.von, a.bis);
            break;
        case Zeichnung::STERNBILD_NAMEN:
            if (ka) sternbild_namen(h, ka->dc, ka, bild, sym, r_ka, ebenen_farbe(STERNBILDNAMEN));
            break;
        case Zeichnung::STERN_NAMEN:
            if (ka) stern_namen(h, ka->dc, ka, text, sym, r_ka, ebenen_farbe(STERNNAMEN));
            break;
        case Zeichnung::STERN_KENNUNGEN:
            if (ka) stern_kennungen(h, ka->dc, ka, text, sym, r_ka, ebenen_farbe(STERNBILDER));
            break;
        case Zeichnung::MARKEN:
            if (ue) marken_zeichnen();
            break;
    }
}

void Himmel_DF::marken_zeichnen() {
    // The field of view as a share of the hemisphere's diameter.
    const SIZE f = zeichenflaeche(uebersicht.get());
    const double anteil = himmel->gesichtsfeld / PI;
    const int32_t x1 = static_cast<int32_t>((1 - anteil) * f.cx / 2 + 0.5);
    const int32_t x2 = static_cast<int32_t>((1 + anteil) * f.cx / 2 - 0.5);
    const int32_t y1 = static_cast<int32_t>((1 - anteil) * f.cy / 2 + 0.5);
    const int32_t y2 = static_cast<int32_t>((1 + anteil) * f.cy / 2 - 0.5);
    DIB& b = uebersicht_bild;
    b.linie(x1, y1, x2, y1, INDEX_FELD);
    b.linie(x2, y1, x2, y2, INDEX_FELD);
    b.linie(x2, y2, x1, y2, INDEX_FELD);
    b.linie(x1, y2, x1, y1, INDEX_FELD);
    // The horizon.
    const HGDIOBJ alter_stift = SelectObject(b.dc, GetStockObject(WHITE_PEN));
    const HGDIOBJ alter_pinsel = SelectObject(b.dc, GetStockObject(HOLLOW_BRUSH));
    Ellipse(b.dc, 0, 0, f.cx, f.cy);
    SelectObject(b.dc, alter_pinsel);
    SelectObject(b.dc, alter_stift);
}
