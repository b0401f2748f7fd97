#include "wfenster.h"

// Default handlers: each message goes back, encoded as the system expects it,
// to the default processing of the class.

LRESULT wFenster::wm_char(WPARAM code, LPARAM daten) {
    return standard(WM_CHAR, code, daten);
}

LRESULT wFenster::wm_close() {
    return standard(WM_CLOSE, 0, 0);
}

LRESULT wFenster::wm_destroy() {
    return standard(WM_DESTROY, 0, 0);
}

LRESULT wFenster::wm_drawitem(WPARAM id, DRAWITEMSTRUCT* element) {
    return standard(WM_DRAWITEM, id, reinterpret_cast<LPARAM>(element));
}

LRESULT wFenster::wm_keydown(WPARAM code, LPARAM daten) {
    return standard(WM_KEYDOWN, code, daten);
}

LRESULT wFenster::wm_keyup(WPARAM code, LPARAM daten) {
    return standard(WM_KEYUP, code, daten);
}

LRESULT wFenster::wm_killfocus(HWND neu) {
    return standard(WM_KILLFOCUS, reinterpret_cast<WPARAM>(neu), 0);
}

LRESULT wFenster::wm_lbuttondblclk(WPARAM flags, uint16_t x, uint16_t y) {
    return standard(WM_LBUTTONDBLCLK, flags, MAKELPARAM(x, y));
}

LRESULT wFenster::wm_lbuttondown(WPARAM flags, uint16_t x, uint16_t y) {
    return standard(WM_LBUTTONDOWN, flags, MAKELPARAM(x, y));
}

LRESULT wFenster::wm_dpichanged(uint16_t dpi, RECT* vorschlag) {
    // The resolution is the same on both axes.
    return standard(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(vorschlag));
}

LRESULT wFenster::wm_lbuttonup(WPARAM flags, uint16_t x, uint16_t y) {
    return standard(WM_LBUTTONUP, flags, MAKELPARAM(x, y));
}

LRESULT wFenster::wm_measureitem(WPARAM id, MEASUREITEMSTRUCT* element) {
    return standard(WM_MEASUREITEM, id, reinterpret_cast<LPARAM>(element));
}

LRESULT wFenster::wm_mousemove(WPARAM flags, uint16_t x, uint16_t y) {
    return standard(WM_MOUSEMOVE, flags, MAKELPARAM(x, y));
}

LRESULT wFenster::wm_rbuttondown(WPARAM flags, uint16_t x, uint16_t y) {
    return standard(WM_RBUTTONDOWN, flags, MAKELPARAM(x, y));
}

LRESULT wFenster::wm_rbuttonup(WPARAM flags, uint16_t x, uint16_t y) {
    return standard(WM_RBUTTONUP, flags, MAKELPARAM(x, y));
}

LRESULT wFenster::wm_nchittest(int16_t x, int16_t y) {
    return standard(WM_NCHITTEST, 0, MAKELPARAM(x, y));
}

LRESULT wFenster::wm_nccalcsize(WPARAM alle, LPARAM daten) {
    return standard(WM_NCCALCSIZE, alle, daten);
}

LRESULT wFenster::wm_ncpaint(HRGN bereich) {
    return standard(WM_NCPAINT, reinterpret_cast<WPARAM>(bereich), 0);
}

LRESULT wFenster::wm_paint() {
    return standard(WM_PAINT, 0, 0);
}

LRESULT wFenster::wm_queryendsession(WPARAM reserviert, LPARAM art) {
    return standard(WM_QUERYENDSESSION, reserviert, art);
}

LRESULT wFenster::wm_quit(WPARAM code) {
    return standard(WM_QUIT, code, 0);
}

LRESULT wFenster::wm_setcursor(WPARAM fenster, uint16_t treffer, uint16_t maus_mldg) {
    return standard(WM_SETCURSOR, fenster, MAKELPARAM(treffer, maus_mldg));
}

LRESULT wFenster::wm_setfocus(HWND alt) {
    return standard(WM_SETFOCUS, reinterpret_cast<WPARAM>(alt), 0);
}

LRESULT wFenster::wm_setfont(WPARAM font, uint16_t neu_zeichnen) {
    return standard(WM_SETFONT, font, MAKELPARAM(neu_zeichnen, 0));
}

LRESULT wFenster::wm_settext(const char* text) {
    return standard(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

LRESULT wFenster::wm_size(WPARAM art, uint16_t breite, uint16_t hoehe) {
    return standard(WM_SIZE, art, MAKELPARAM(breite, hoehe));
}

LRESULT wFenster::wm_syscolorchange() {
    return standard(WM_SYSCOLORCHANGE, 0, 0);
}

LRESULT wFenster::wm_syscommand(WPARAM befehl, LPARAM pos) {
    return standard(WM_SYSCOMMAND, befehl, pos);
}

LRESULT wFenster::wm_timer(WPARAM nummer, LPARAM proz) {
    return standard(WM_TIMER, nummer, proz);
}

LRESULT wFenster::wm_user(WPARAM w, LPARAM l) {
    return standard(WM_USER, w, l);
}

LRESULT wFenster::wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert) {
    return standard(WM_ACTIVATE, MAKEWPARAM(zustand, minimiert), anderes);
}

LRESULT wFenster::wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) {
    return standard(WM_COMMAND, MAKEWPARAM(id, code), kontrolle);
}

LRESULT wFenster::wm_ctlcolorbtn(WPARAM dc, LPARAM kontrolle) {
    return standard(WM_CTLCOLORBTN, dc, kontrolle);
}

LRESULT wFenster::wm_ctlcolordlg(WPARAM dc, LPARAM kontrolle) {
    return standard(WM_CTLCOLORDLG, dc, kontrolle);
}

LRESULT wFenster::wm_ctlcoloredit(WPARAM dc, LPARAM kontrolle) {
    return standard(WM_CTLCOLOREDIT, dc, kontrolle);
}

LRESULT wFenster::wm_ctlcolorlistbox(WPARAM dc, LPARAM kontrolle) {
    return standard(WM_CTLCOLORLISTBOX, dc, kontrolle);
}

LRESULT wFenster::wm_ctlcolormsgbox(WPARAM dc, LPARAM kontrolle) {
    return standard(WM_CTLCOLORMSGBOX, dc, kontrolle);
}

LRESULT wFenster::wm_ctlcolorscrollbar(WPARAM dc, LPARAM kontrolle) {
    return standard(WM_CTLCOLORSCROLLBAR, dc, kontrolle);
}

LRESULT wFenster::wm_ctlcolorstatic(WPARAM dc, LPARAM kontrolle) {
    return standard(WM_CTLCOLORSTATIC, dc, kontrolle);
}

LRESULT wFenster::wm_hscroll(uint16_t art, int16_t pos, LPARAM leiste) {
    return standard(WM_HSCROLL, MAKEWPARAM(art, pos), leiste);
}

LRESULT wFenster::wm_vscroll(uint16_t art, int16_t pos, LPARAM leiste) {
    return standard(WM_VSCROLL, MAKEWPARAM(art, pos), leiste);
}
