// The items of a drop-down list, drawn by the control itself so that the
// selection can take the colour scheme's colours instead of the system's
// blue highlight. Without a scheme they are drawn as the system draws an
// item that is not owner-drawn (eintragsfarben.h), the text one pixel in.
#include "combobox_kf.h"

#include "eintragsfarben.h"
#include "farbgebung.h"
#include "schema_rand.h"
#include "schema_zeichnen.h"

#include <cstring>

HWND Combobox_KF::oeffnen(int zeigen) {
    const bool liste = (stil & 3) == CBS_DROPDOWNLIST;
    const bool neu = !hwnd;
    if (neu && liste && !(stil & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) {
        stil |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        eigene_eintraege = true;
    }
    Kontroll_F::oeffnen(zeigen);
    // The list that drops down is the system's window: its border and
    // scroll bar in the scheme too.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (neu && eigene_eintraege && hwnd && GetComboBoxInfo(hwnd, &info)) schema_rand_uebernehmen(info.hwndList);
    return hwnd;
}

LRESULT Combobox_KF::wm_setfont(WPARAM font, uint16_t neu_zeichnen) {
    const LRESULT ergebnis = Kontroll_F::wm_setfont(font, neu_zeichnen);
    const int32_t hoehe = eigene_eintraege && hwnd ? zeilenhoehe(hwnd, reinterpret_cast<HFONT>(font)) : 0;
    if (hoehe > 0) senden(CB_SETITEMHEIGHT, 0, hoehe, 0);
    return ergebnis;
}

LRESULT Combobox_KF::wm_drawitem(WPARAM id, DRAWITEMSTRUCT* e) {
    if (!e || e->CtlType != ODT_COMBOBOX || e->hwndItem != hwnd) return Kontroll_F::wm_drawitem(id, e);
    Eintragsfarben farben(*e);
    char text[256] = "";
    if (e->itemID != static_cast<UINT>(-1) && getlbtext(static_cast<int32_t>(e->itemID), text, sizeof text) < 0) {
        text[0] = 0;
    }
    // The field shows its text a pixel lower than the list does.
    const int32_t unten = (e->itemState & ODS_COMBOBOXEDIT) ? 1 : 0;
    ExtTextOutA(e->hDC, e->rcItem.left + 1, e->rcItem.top + unten, ETO_OPAQUE | ETO_CLIPPED,
                &e->rcItem, text, static_cast<UINT>(strlen(text)), nullptr);
    farben.fokus();
    return TRUE;
}

LRESULT Combobox_KF::wm_paint() {
    const Farbgebung* f = farbgebung();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!f || !GetComboBoxInfo(hwnd, &info)) return Kontroll_F::wm_paint();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    // Painted off the screen first, so that the system's button never shows.
    HDC speicher = CreateCompatibleDC(dc);
    HBITMAP bild = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HGDIOBJ alt = SelectObject(speicher, bild);
    standard(WM_PAINT, reinterpret_cast<WPARAM>(speicher), 0);
    schema_vertieft(speicher, r, *f);
    const bool gedrueckt = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    schema_knopf(speicher, info.rcButton, gedrueckt, *f);
    schema_pfeil(speicher, info.rcButton, true, false, gedrueckt, IsWindowEnabled(hwnd) ? f->text : f->grau);
    BitBlt(dc, 0, 0, r.right, r.bottom, speicher, 0, 0, SRCCOPY);
    SelectObject(speicher, alt);
    DeleteObject(bild);
    DeleteDC(speicher);
    EndPaint(hwnd, &ps);
    return 0;
}
