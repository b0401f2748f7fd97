// The saver's sky: set up on WM_CREATE from "Kovra.ini" and the catalogue in
// the data directory, one frame per paint, the next paint asked for by a
// one-shot timer 500 ms after each frame. The background is never erased:
// each frame reaches the window in one copy from the off-screen canvas.
#include "himmel_fenster.h"

#include <cstring>
#include <memory>

#include "farben.h"
#include "einstellungen.h"
#include "figuren.h"
#include "gestirne.h"
#include "gitter.h"
#include "himmel_zustand.h"
#include "namen.h"
#include "rahmen.h"
#include "schale.h"
#include "schirm_farben.h"

ScrHimmelZustand scr_himmel;

namespace {

constexpr UINT_PTR RAHMEN_TIMER = 1;
constexpr UINT RAHMEN_ABSTAND_MS = 500;

void schriften_erzeugen(int vorschau) {
    ScrHimmelZustand& s = scr_himmel;
    const Schrifthoehen h = schrift_hoehen(vorschau);
    s.schrift_text = std::make_unique<Font>("Arial", h.text);
    LOGFONTA unterstrichen = s.schrift_text->beschreibung();
    unterstrichen.lfUnderline = 1;
    unterstrichen.lfHeight = h.sternbild;
    unterstrichen.lfWidth = 0;
    s.schrift_sternbild = std::make_unique<Font>(unterstrichen);
    s.schrift_symbol = std::make_unique<Font>("Symbol", h.symbol);
}

void leinwand_erzeugen(HWND fenster) {
    ScrHimmelZustand& s = scr_himmel;
    RECT r{};
    GetClientRect(fenster, &r);
    const Kartenflaeche f = kartenflaeche(r.right, r.bottom);
    s.radius = f.radius;
    s.bild.erzeugen(r.right, r.bottom, 8, f.versatz_x, f.versatz_y);
    if (!s.bild.dc) return;
    SelectObject(s.bild.dc, GetStockObject(SYSTEM_FONT));
    schirm_farben_setzen(s.bild, s.werte);
    SetBkColor(s.bild.dc, farbwert(s.werte.hintergrund));
}

void himmel_laden() {
    ScrHimmelZustand& s = scr_himmel;
    s.himmel = std::make_unique<Himmel>();
    char pfad[330];
    // A missing file leaves those stars or figures out of the picture.
    if (ScrDatenPfad(pfad, sizeof pfad, "Varnis.dat")) s.himmel->stern_datei_laden(pfad);
    if (ScrDatenPfad(pfad, sizeof pfad, "StBilder.dat")) s.himmel->sternbild_datei_laden(pfad);
    s.himmel->setze_rektaszension(s.rektaszension);
    s.himmel->setze_deklination(-s.deklination);
    s.himmel->setze_gesichtsfeld(s.gesichtsfeld);
}

void ScrEinrichten(HWND fenster) {
    ScrHimmelZustand& s = scr_himmel;
    s.fenster = fenster;
    const Einstellungen e = einstellungen_lesen(scr_dateien.ini_pfad, Programm::SCHONER);
    s.werte = e.darstellung;
    s.rektaszension = e.ansicht.rek / 100.0;
    s.deklination = e.ansicht.dek / 100.0;
    s.gesichtsfeld = ansicht_gesichtsfeld(e.ansicht.gesichtsfeld, s.vorschau);
    schriften_erzeugen(s.vorschau);
    leinwand_erzeugen(fenster);
    himmel_laden();
}

void schritt_zeichnen(Schritt schritt) {
    ScrHimmelZustand& s = scr_himmel;
    Himmel& h = *s.himmel;
    const HDC dc = s.bild.dc;
    const Font& text = *s.schrift_text;
    const Font& sternbild = *s.schrift_sternbild;
    const Font& symbol = *s.schrift_symbol;
    switch (schritt) {
        case STERNE:
            karte_gestirne(h, dc, &s.bild, text, symbol, s.radius, 0, KLASSEN - 1);
            break;
        case GITTER:
            karte_gitter(h, dc, &s.bild, text, symbol, s.radius, skalierte_farbe(s.werte, HILFSLINIEN));
            break;
        case FIGUREN:
            karte_figuren(h, dc, &s.bild, sternbild, symbol, s.radius,
                          skalierte_farbe(s.werte, STERNBILDER));
            break;
        case BILDNAMEN:
            sternbild_namen(h, dc, &s.bild, sternbild, symbol, s.radius,
                            skalierte_farbe(s.werte, STERNBILDNAMEN));
            break;
        case NAMEN:
            stern_namen(h, dc, &s.bild, text, symbol, s.radius, skalierte_farbe(s.werte, STERNNAMEN));
            break;
    }
}

void rahmen_zeichnen(HDC ziel) {
    ScrHimmelZustand& s = scr_himmel;
    s.rektaszension = ScrSternzeit();
    s.himmel->setze_rektaszension(s.rektaszension);
    s.bild.fuellen(INDEX_HINTERGRUND);
    std::memset(s.himmel->berechnet, 0, sizeof s.himmel->berechnet);
    Schritt schritte[MAX_SCHRITTE];
    const int32_t n = rahmen_schritte(s.werte, schritte);
    for (int32_t i = 0; i < n; ++i) schritt_zeichnen(schritte[i]);
    s.bild.ausgeben(ziel, 0, 0, 0, 0, -1, -1);
}

void ScrZeichnen(HWND fenster) {
    ScrHimmelZustand& s = scr_himmel;
    PAINTSTRUCT ps;
    const HDC ziel = BeginPaint(fenster, &ps);
    if (!s.angehalten && s.himmel && s.bild.dc) rahmen_zeichnen(ziel);
    EndPaint(fenster, &ps);
    if (!s.angehalten) SetTimer(fenster, RAHMEN_TIMER, RAHMEN_ABSTAND_MS, nullptr);
}

void ScrAbbauen() { scr_himmel.himmel.reset(); }

}  // namespace

void ScrVorschauSetzen(int vorschau) {
    scr_himmel.vorschau = vorschau;
    scr_himmel.angehalten = 0;
}

void ScrAnhalten() { scr_himmel.angehalten = 1; }

LRESULT CALLBACK ScrFensterProz(HWND fenster, UINT nachricht, WPARAM wparam, LPARAM lparam) {
    switch (nachricht) {
        case WM_CREATE:
            ScrEinrichten(fenster);
            break;
        case WM_DESTROY:
            KillTimer(fenster, RAHMEN_TIMER);
            ScrAbbauen();
            break;
        case WM_PAINT:
            ScrZeichnen(fenster);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_TIMER:
            KillTimer(fenster, RAHMEN_TIMER);
            InvalidateRect(fenster, nullptr, FALSE);
            break;
    }
    return ScrGrundProz(fenster, nachricht, wparam, lparam);
}
