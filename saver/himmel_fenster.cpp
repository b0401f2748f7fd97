// The saver's sky: set up on WM_CREATE from "Kovra.ini" and the catalogue in
// the data directory, one frame per paint, the next paint asked for by a
// one-shot timer 500 ms after each frame; the Sun, the Moon and the planets
// anew at most once a minute. The background is never erased:
// each frame reaches the window in one copy from the off-screen canvas.
#include "himmel_fenster.h"

#include <cstring>
#include <memory>

#include "breit.h"
#include "datei_befund.h"
#include "dc_zustand.h"
#include "dpi.h"
#include "einstellungen.h"
#include "himmel_zustand.h"
#include "hinweis.h"
#include "himmelsmitte.h"
#include "kartenzeichnung.h"
#include "kataloge.h"
#include "leinwand.h"
#include "rahmen.h"
#include "schale.h"
#include "weltzeit.h"

ScrHimmelZustand scr_himmel;

namespace {

constexpr UINT_PTR RAHMEN_TIMER = 1;
constexpr UINT RAHMEN_ABSTAND_MS = 500;

void schriften_erzeugen(int vorschau) {
    scr_himmel.schriften = std::make_unique<Kartenschriften>(schrift_hoehen(vorschau), scr_himmel.dpi);
}

// The chart square centred in the client area, its canvas set up as the
// star chart's desktop picture is (karte/leinwand.h).
void leinwand_erzeugen(HWND fenster) {
    ScrHimmelZustand& s = scr_himmel;
    RECT r{};
    GetClientRect(fenster, &r);
    const Kartenquadrat q = kartenquadrat(r.right, r.bottom);
    s.radius = q.radius;
    flaechen_leinwand(s.bild, r.right, r.bottom, q, s.werte);
}

// One catalogue file of the data directory. A missing or damaged file leaves
// those stars or figures out of the picture; the result says why (-1 missing,
// or a fault of datei_befund.h).
int32_t katalog_laden(const char* name, int32_t (Himmel::*laden)(const char*)) {
    char pfad[PFAD_LAENGE];
    if (!ScrDatenPfad(pfad, sizeof pfad, name)) return -1;
    return (scr_himmel.himmel.get()->*laden)(pfad);
}

// True when the file name is in the data directory, even if it could not be
// opened: the notice then calls it damaged rather than missing.
bool katalog_vorhanden(const char* name) {
    char pfad[PFAD_LAENGE];
    if (!ScrDatenPfad(pfad, sizeof pfad, name)) return false;
    const DWORD art = datei_attribute(pfad);
    return art != INVALID_FILE_ATTRIBUTES && !(art & FILE_ATTRIBUTE_DIRECTORY);
}

void himmel_laden() {
    ScrHimmelZustand& s = scr_himmel;
    s.himmel = std::make_unique<Himmel>();
    // Without the catalogue the picture says why; a missing or damaged
    // figure file leaves the figures out.
    s.hinweis[0] = '\0';
    const int32_t sterne = katalog_laden(STERN_KATALOG, &Himmel::stern_datei_laden);
    if (sterne != 0) {
        const bool beschaedigt = datei_beschaedigt(sterne) || katalog_vorhanden(STERN_KATALOG);
        hinweis_text(beschaedigt ? Datenmangel::KATALOG_BESCHAEDIGT : Datenmangel::KATALOG_FEHLT,
                     STERN_KATALOG, scr_dateien.ini_daten, scr_dateien.daten_verzeichnis,
                     s.hinweis, sizeof s.hinweis);
    }
    katalog_laden(STERNBILD_KATALOG, &Himmel::sternbild_datei_laden);
    s.himmel->setze_rektaszension(s.rektaszension);
    s.himmel->setze_deklination(s.deklination);
    s.himmel->setze_gesichtsfeld(s.gesichtsfeld);
}

// The preview is a child of the settings dialog's picture: it is drawn at
// that host's resolution; the saver itself at its monitor's (over several
// monitors, the one it covers most).
int32_t aufloesung(HWND fenster) {
    const HWND wirt = GetParent(fenster);
    return wirt ? dpi_fenster(wirt) : dpi_monitor(MonitorFromWindow(fenster, MONITOR_DEFAULTTOPRIMARY));
}

void ScrEinrichten(HWND fenster) {
    ScrHimmelZustand& s = scr_himmel;
    s.fenster = fenster;
    s.dpi = aufloesung(fenster);
    const Einstellungen e = einstellungen_lesen(scr_dateien.ini_pfad, Programm::SCHONER);
    s.werte = e.darstellung;
    s.rektaszension = e.ansicht.rek / 100.0;
    s.deklination = ansicht_deklination(e.ansicht.dek);
    // Without Kovra.ini the true sky at the meridian of the computer's time
    // zone; a Kovra.ini without the moment's keys keeps the original rule
    // (reading gives it), one handed over by the program holds rule and place.
    if (datei_attribute(scr_dateien.ini_pfad) == INVALID_FILE_ATTRIBUTES) {
        TIME_ZONE_INFORMATION zone;
        const DWORD art = GetTimeZoneInformation(&zone);
        s.moment = true;
        s.laenge = meridian_laenge(art == TIME_ZONE_ID_INVALID ? 0 : -static_cast<int32_t>(zone.Bias));
    } else {
        s.moment = e.moment.regel == REGEL_MOMENT;
        s.laenge = e.moment.laenge / 100.0;
    }
    s.gesichtsfeld = ansicht_gesichtsfeld(e.ansicht.gesichtsfeld, s.vorschau);
    schriften_erzeugen(s.vorschau);
    leinwand_erzeugen(fenster);
    himmel_laden();
}

// The notice over the middle of the picture, in the chart's text colour,
// wrapped to the width less a margin of a tenth on either side.
void hinweis_zeichnen() {
    ScrHimmelZustand& s = scr_himmel;
    const int32_t breite = s.bild.breite();
    const int32_t hoehe = s.bild.hoehe();
    RECT r{breite / 10, 0, breite - breite / 10, hoehe};
    Dc_Zustand zustand(s.bild.dc);
    SetViewportOrgEx(s.bild.dc, 0, 0, nullptr);  // the canvas's origin is the chart square's
    SelectObject(s.bild.dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextAlign(s.bild.dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);  // the chart's names leave others
    SetBkMode(s.bild.dc, TRANSPARENT);
    SetTextColor(s.bild.dc, RGB(255, 255, 255));
    wchar_t text[sizeof s.hinweis];  // the folders named in it are UTF-8
    text_breit(s.hinweis, text, sizeof s.hinweis);
    const UINT art = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    const int text_hoehe = DrawTextW(s.bild.dc, text, -1, &r, art | DT_CALCRECT);
    r = RECT{breite / 10, (hoehe - text_hoehe) / 2, breite - breite / 10, hoehe};
    DrawTextW(s.bild.dc, text, -1, &r, art);
}

void rahmen_zeichnen(HDC ziel) {
    ScrHimmelZustand& s = scr_himmel;
    const Himmelsmitte mitte = himmelsmitte(s.moment, utc_jetzt(), s.deklination, s.laenge, sternzeit_jetzt());
    s.rektaszension = mitte.rekt;
    s.himmel->setze_mitte(mitte.rekt, mitte.dekl);
    s.bild.fuellen(INDEX_HINTERGRUND);
    lagen_neu(*s.himmel);
    // The saver's order of the layer description, on the canvas functions in
    // the screen's colours; no caption.
    const Ausgabeart art{Leinwand::KARTE, schirm_schichtfarben(s.werte), false, {}};
    // The bodies of the current minute: they move too slowly for more.
    const int64_t minute = utc_jetzt() / 60 * 60;
    const Karteninhalt inhalt{*s.himmel, s.schriften->schriften(), s.werte, "",
                              s.koerperstand.bei(minute, s.deklination, s.laenge), nullptr, s.dpi};
    const Rahmenschichten schichten = rahmen_schichten(s.werte);
    folge_zeichnen(schichten.schicht.data(), schichten.anzahl, Ziel{s.bild.dc, &s.bild, s.radius},
                   inhalt, art);
    if (s.hinweis[0]) hinweis_zeichnen();
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
