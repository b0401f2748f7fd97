// Moving the view with the mouse: dragging the chart, a click in the
// overview and the wheel over the chart. Each hands the view's new values to
// the bars' own notification handling (himmel_df_bedienfeld.cpp), as the
// thumb of the bar would, so the lists, the moment and the place follow.
#include "bedienfeld/leistenregel.h"
#include "bedienfeld/mausrad.h"
#include "bedienfeld/tasten_leiste.h"
#include "dib_kf.h"
#include "hauptfenster/himmel_df.h"

namespace {

// The popup of what the pointer rests on would stand over a moved sky; the
// next move over the chart shows it anew.
void info_weg(Himmel_DF& f) {
    folge_ausfuehren(f.hwnd, {Zeiger::BLEIBT, Zeitgeber::VERBERGEN}, f.cursor_stern, f.cursor_sternbild);
}

}  // namespace

void Himmel_DF::karte_druecken(int32_t x, int32_t y) {
    maustaste = {true, false, x, y, blick()};
    SetCapture(karte->hwnd);
}

void Himmel_DF::karte_ziehen(int32_t x, int32_t y) {
    const int32_t dx = x - maustaste.x, dy = y - maustaste.y;
    if (!maustaste.zieht &&
        !ist_ziehen(dx, dy, GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)))
        return;
    maustaste.zieht = true;
    // Always from the view at the press, so that no rounding adds up.
    blick_setzen(blick_gezogen(maustaste.start, himmel->gesichtsfeld, radius(karte.get()), dx, dy));
}

void Himmel_DF::karte_loslassen(int32_t x, int32_t y) {
    if (!maustaste.aktiv) return;
    karte_ziehen(x, y);
    const bool klick = !maustaste.zieht;
    maustaste.aktiv = false;  // before the capture goes, whose loss would end it
    ReleaseCapture();
    if (klick) karte_klick(maustaste.x, maustaste.y);
}

void Himmel_DF::karte_abbrechen() { maustaste.aktiv = false; }

void Himmel_DF::karte_rad(int32_t delta) {
    UINT zeilen = 3;  // the system's default when it cannot be asked
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &zeilen, 0);
    const Radschritte schritte = rad_schritte(rad_rest, delta, zeilen);
    const int32_t wert = leisten_wert(FELD_REGEL, feld_leiste->pos());
    const int32_t neu = rad_wert(FELD_REGEL, wert, schritte);
    if (neu == wert || !feld_leiste->hwnd) return;
    info_weg(*this);
    wm_hscroll(SB_THUMBTRACK, static_cast<int16_t>(leisten_position(FELD_REGEL, neu)),
               reinterpret_cast<LPARAM>(feld_leiste->hwnd));
}

void Himmel_DF::uebersicht_klick(int32_t x, int32_t y) {
    const Himmelsmitte mitte{himmel->rektaszension, himmel->deklination};
    Himmelsmitte punkt{};
    if (!uebersicht_punkt(mitte, radius(uebersicht.get()), x, y, punkt)) return;
    // The bars hold the zenith of the moment's date, the sky its place in
    // J2000: the view moves by the difference.
    blick_setzen(blick_verschoben(blick(), punkt.rekt - mitte.rekt, punkt.dekl - mitte.dekl));
}

Blickwerte Himmel_DF::blick() {
    return {leisten_wert(REKT_REGEL, rekt_leiste->pos()), leisten_wert(DEKL_REGEL, dekl_leiste->pos())};
}

void Himmel_DF::blick_setzen(const Blickwerte& werte) {
    if (!rekt_leiste->hwnd || !dekl_leiste->hwnd) return;
    info_weg(*this);
    // The positions fit 16 bits: -2400..0 and -8999..8999.
    wm_hscroll(SB_THUMBTRACK, static_cast<int16_t>(leisten_position(REKT_REGEL, werte.rekt)),
               reinterpret_cast<LPARAM>(rekt_leiste->hwnd));
    wm_vscroll(SB_THUMBTRACK, static_cast<int16_t>(leisten_position(DEKL_REGEL, werte.dekl)),
               reinterpret_cast<LPARAM>(dekl_leiste->hwnd));
}
