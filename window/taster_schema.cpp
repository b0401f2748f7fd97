// A push button in the colour scheme: the system draws push buttons in its
// own face colour whatever WM_CTLCOLORBTN answers, so while a scheme holds
// the button is owner-drawn and draws itself as the scheme's raised button.
#include "taster_kf.h"

#include "farbgebung.h"
#include "schema_zeichnen.h"

HWND Taster_KF::oeffnen(int zeigen) {
    const bool neu = !hwnd;
    Kontroll_F::oeffnen(zeigen);
    // Made while a scheme holds: owner-drawn from the start.
    if (neu && hwnd && farbgebung()) farbgebung_gewechselt();
    return hwnd;
}

void Taster_KF::farbgebung_gewechselt() {
    if (!hwnd) return;
    const DWORD s = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const DWORD art = s & BS_TYPEMASK;
    if (farbgebung() && (art == BS_PUSHBUTTON || art == BS_DEFPUSHBUTTON)) {
        system_art = art;
        im_schema = true;
        setstyle((s & ~BS_TYPEMASK) | BS_OWNERDRAW, 1);
    } else if (!farbgebung() && im_schema) {
        im_schema = false;
        setstyle((s & ~BS_TYPEMASK) | system_art, 1);
    }
}

LRESULT Taster_KF::wm_drawitem(WPARAM id, DRAWITEMSTRUCT* e) {
    const Farbgebung* f = farbgebung();
    if (!e || e->CtlType != ODT_BUTTON || e->hwndItem != hwnd || !f) return Kontroll_F::wm_drawitem(id, e);
    const bool gedrueckt = (e->itemState & ODS_SELECTED) != 0;
    schema_knopf(e->hDC, e->rcItem, gedrueckt, *f);
    char text[128] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    RECT r = e->rcItem;
    if (gedrueckt) OffsetRect(&r, 1, 1);
    const int alter_modus = SetBkMode(e->hDC, TRANSPARENT);
    const COLORREF alte_farbe = SetTextColor(e->hDC, (e->itemState & ODS_DISABLED) ? f->grau : f->text);
    DrawTextA(e->hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(e->hDC, alte_farbe);
    SetBkMode(e->hDC, alter_modus);
    // The focus as a frame in the scheme: the system's dotted one inverts.
    if (e->itemState & ODS_FOCUS) {
        schema_rahmen(e->hDC, {e->rcItem.left + 3, e->rcItem.top + 3, e->rcItem.right - 3, e->rcItem.bottom - 3}, f->grau);
    }
    return TRUE;
}
