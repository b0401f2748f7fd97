// Pointing at the chart: the chart pane's mouse, the hover popup's paint and
// its two timers reach the main window here and go on to the pointing rules
// of zeigen/.
#include "canvas_kf.h"
#include "dib_kf.h"
#include "hauptfenster/himmel_df.h"
#include "zeigen/info_zeichnen.h"
#include "zeigen/sternbild_klick.h"

void Himmel_DF::karte_maus(int32_t x, int32_t y) {
    Himmel_Treffer treffer(*himmel, koerper_des_moments(koerperstand, zonen, moment), beschriftung->plan,
                           dpi_);
    const Maus_Folge folge =
        info_anzeige.maus_bewegt(x, y, kartenbereich(karte->hwnd, hwnd, dpi_), treffer);
    // In night mode the red cursors, where the system could make them.
    const auto zeiger = [this](HCURSOR rot, HCURSOR einfarbig) { return darstellung.nacht && rot ? rot : einfarbig; };
    folge_ausfuehren(hwnd, folge, zeiger(rote_zeiger.stern, cursor_stern),
                     zeiger(rote_zeiger.sternbild, cursor_sternbild));
}

void Himmel_DF::karte_klick(int32_t x, int32_t y) {
    const int32_t stufe =
        sternbild_klick(x, y, kartenbereich(karte->hwnd, hwnd, dpi_), &karte_bild, inhalt());
    if (stufe >= 0) weiter_ab(stufe);
}

void Himmel_DF::info_darstellen() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(info_fenster->hwnd, &ps);
    RECT flaeche;
    GetClientRect(info_fenster->hwnd, &flaeche);
    if (info_anzeige.vom_fund()) fund_auswaehlen();
    // A body's day is computed now, for the one body the popup shows.
    Koerperzeilen koerper{};
    const Koerperlage* lage = koerper_des_moments(koerperstand, zonen, moment);
    if (info_anzeige.art() == INFO_KOERPER && lage)
        koerper = koerper_zeilen(*lage, info_anzeige.koerper(), zonen, moment);
    info_zeichnen(dc, flaeche, info_anzeige.art(), *himmel, inhalt().schriften, koerper, dpi_);
    EndPaint(info_fenster->hwnd, &ps);
}

void Himmel_DF::info_zeitgeber(UINT_PTR nummer) {
    if (nummer == ZEITGEBER_INFO_ZEIGEN)
        info_zeigen(hwnd, info_fenster->hwnd, info_anzeige.lage());
    else
        info_verbergen(hwnd, info_fenster->hwnd);
}
