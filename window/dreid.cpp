// The library's sunken frame of edit fields, list boxes, combo boxes and
// drawing surfaces: four one-pixel lines per side in shades of the button
// face, drawn in window coordinates (end points excluded, as by LineTo).
#include "kontroll.h"

#include "farbgebung.h"

HPEN Kontroll_F::h_pen_hell = nullptr;
HPEN Kontroll_F::h_pen_mittel = nullptr;
HPEN Kontroll_F::h_pen_dunkel = nullptr;
HPEN Kontroll_F::h_pen_fenster = nullptr;

namespace {

// Each channel moved halfway to 255, rounded down.
COLORREF aufgehellt(COLORREF c) {
    auto halb = [](BYTE k) { return static_cast<BYTE>(k + (255 - k) / 2); };
    return RGB(halb(GetRValue(c)), halb(GetGValue(c)), halb(GetBValue(c)));
}

void loeschen(HPEN& pen) {
    if (pen) DeleteObject(pen);
    pen = nullptr;
}

void zug(HDC dc, HGDIOBJ pen, POINT a, POINT b, POINT c) {
    SelectObject(dc, pen);
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
    LineTo(dc, c.x, c.y);
}

}  // namespace

void Kontroll_F::dreiD_freigeben() {
    loeschen(h_pen_hell);
    loeschen(h_pen_mittel);
    loeschen(h_pen_dunkel);
    loeschen(h_pen_fenster);
}

void Kontroll_F::dreiD_init() {
    dreiD_freigeben();
    const Farbgebung* f = farbgebung();
    const COLORREF flaeche = f ? f->flaeche : GetSysColor(COLOR_BTNFACE);
    h_pen_hell = CreatePen(PS_SOLID, 1, f ? f->hell : aufgehellt(flaeche));
    h_pen_mittel = CreatePen(PS_SOLID, 1, flaeche);
    h_pen_dunkel = CreatePen(PS_SOLID, 1, f ? f->schatten : GetSysColor(COLOR_BTNSHADOW));
    h_pen_fenster = CreatePen(PS_SOLID, 1, f ? f->feld : GetSysColor(COLOR_WINDOW));
}

void Kontroll_F::dreiD_zeichnen(HDC dc, int32_t b, int32_t h, int innen) {
    if (!h_pen_hell) dreiD_init();
    HGDIOBJ alt = SelectObject(dc, h_pen_fenster);
    if (innen) {
        zug(dc, h_pen_fenster, {2, h - 3}, {2, 2}, {b - 3, 2});
        zug(dc, h_pen_fenster, {2, h - 3}, {b - 3, h - 3}, {b - 3, 1});
    }
    zug(dc, GetStockObject(BLACK_PEN), {1, h - 2}, {1, 1}, {b - 2, 1});
    zug(dc, h_pen_mittel, {1, h - 2}, {b - 2, h - 2}, {b - 2, 0});
    zug(dc, h_pen_dunkel, {0, h - 2}, {0, 0}, {b - 1, 0});
    zug(dc, h_pen_hell, {0, h - 1}, {b - 1, h - 1}, {b - 1, -1});
    SelectObject(dc, alt);
}
