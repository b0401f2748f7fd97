// The drawing cycle of the main window: both panes drawn in the stages of
// zeichnen/zeichenplan.h on timer 1; each step draws into the canvases,
// copies them to the panes and arms the next step.
#include <initializer_list>

#include "dib_kf.h"
#include "gemeinsam/meldung.h"
#include "hauptfenster/himmel_df.h"
#include "leinwand.h"
#include "skaliert.h"
#include "zeichnen/plan_ausfuehren.h"

namespace {

// The pane's client rectangle, empty while it has no window.
RECT client(DIB_KF* bereich) {
    RECT c{};
    if (bereich && bereich->hwnd) GetClientRect(bereich->hwnd, &c);
    return c;
}

// The pane's client size less 2 on each axis: what the engine draws into.
SIZE zeichenflaeche(DIB_KF* bereich) {
    const RECT c = client(bereich);
    return SIZE{c.right - 2, c.bottom - 2};
}

}  // namespace

int32_t Himmel_DF::radius(DIB_KF* bereich) { return leinwand_radius(client(bereich).right); }

int32_t Himmel_DF::leinwaende_erzeugen() {
    struct Paar {
        DIB_KF* bereich;
        DIB* bild;
    };
    int32_t ergebnis = 0;
    bool ohne_dc = false;
    for (const Paar& p : {Paar{uebersicht.get(), &uebersicht_bild}, Paar{karte.get(), &karte_bild}}) {
        const RECT c = client(p.bereich);
        ergebnis += leinwand_erzeugen(*p.bild, c.right, c.bottom);
        if (!p.bild->dc) ohne_dc = true;
        p.bereich->setze_dib(p.bild);
    }
    if (ergebnis != 0 || ohne_dc) {
        // As the window has always shown it, without an icon; not in the
        // user-interface table for the reason of the places box
        // (himmel_df_bedienfeld.cpp).
        meldung(nullptr, "Nicht genügend Arbeitsspeicher", "Varnis - Fehler", MB_OK);
    }
    return ergebnis;
}

void Himmel_DF::farbtabellen_setzen() {
    for (DIB* bild : {&karte_bild, &uebersicht_bild}) {
        farbtabelle_schirm(*bild, darstellung);
        if (darstellung.nacht) farbtabelle_nacht(*bild);
    }
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
    if (a.was.schicht == Schicht::MARKEN) {
        if (uebersicht_bild.dc) marken_zeichnen();
        return;
    }
    auftrag_zeichnen(a, inhalt(), {&uebersicht_bild, radius(uebersicht.get()), &karte_bild,
                                   radius(karte.get())});
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
    // Both marks a hairline at 96 dots per inch, as wide inward on a finer screen.
    const int32_t breite = skaliert(1, dpi_);
    for (int32_t i = 0; i < breite; ++i) {
        b.linie(x1 + i, y1 + i, x2 - i, y1 + i, INDEX_FELD);
        b.linie(x2 - i, y1 + i, x2 - i, y2 - i, INDEX_FELD);
        b.linie(x2 - i, y2 - i, x1 + i, y2 - i, INDEX_FELD);
        b.linie(x1 + i, y2 - i, x1 + i, y1 + i, INDEX_FELD);
    }
    // The horizon.
    const HGDIOBJ alter_stift = SelectObject(b.dc, GetStockObject(WHITE_PEN));
    const HGDIOBJ alter_pinsel = SelectObject(b.dc, GetStockObject(HOLLOW_BRUSH));
    for (int32_t i = 0; i < breite; ++i) Ellipse(b.dc, i, i, f.cx - i, f.cy - i);
    SelectObject(b.dc, alter_pinsel);
    SelectObject(b.dc, alter_stift);
    fund_ringe_zeichnen();
}
