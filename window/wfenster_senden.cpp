#include "wfenster.h"

// Sending or posting a message to the own window.

LRESULT wFenster::sm_close(int post) {
    return senden(WM_CLOSE, 0, 0, post);
}

LRESULT wFenster::sm_destroy(int post) {
    return senden(WM_DESTROY, 0, 0, post);
}

LRESULT wFenster::sm_erasebkgnd(HDC dc, int post) {
    return senden(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, post);
}

LRESULT wFenster::sm_getfont(int post) {
    return senden(WM_GETFONT, 0, 0, post);
}

LRESULT wFenster::sm_paint(int post) {
    return senden(WM_PAINT, 0, 0, post);
}

LRESULT wFenster::sm_setfont(HFONT font, int neu_zeichnen, int post) {
    return senden(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(neu_zeichnen ? 1 : 0, 0), post);
}

LRESULT wFenster::sm_setredraw(int ein, int post) {
    return senden(WM_SETREDRAW, ein ? 1 : 0, 0, post);
}

LRESULT wFenster::sm_settext(const char* text, int post) {
    return senden(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), post);
}

LRESULT wFenster::sm_showwindow(int zeigen, int status, int post) {
    return senden(WM_SHOWWINDOW, zeigen ? 1 : 0, status, post);
}

LRESULT wFenster::sm_command(uint16_t id, LPARAM kontrolle, uint16_t code, int post) {
    return senden(WM_COMMAND, MAKEWPARAM(id, code), kontrolle, post);
}

LRESULT wFenster::sm_create(CREATESTRUCTA* daten, int post) {
    return senden(WM_CREATE, 0, reinterpret_cast<LPARAM>(daten), post);
}

LRESULT wFenster::sm_ctlcolorbtn(HDC dc, HWND kontrolle, int post) {
    return senden(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle), post);
}

LRESULT wFenster::sm_ctlcolordlg(HDC dc, HWND kontrolle, int post) {
    return senden(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle), post);
}

LRESULT wFenster::sm_ctlcoloredit(HDC dc, HWND kontrolle, int post) {
    return senden(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle), post);
}

LRESULT wFenster::sm_ctlcolorlistbox(HDC dc, HWND kontrolle, int post) {
    return senden(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle), post);
}

LRESULT wFenster::sm_ctlcolormsgbox(HDC dc, HWND kontrolle, int post) {
    return senden(WM_CTLCOLORMSGBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle), post);
}

LRESULT wFenster::sm_ctlcolorscrollbar(HDC dc, HWND kontrolle, int post) {
    return senden(WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle), post);
}

LRESULT wFenster::sm_ctlcolorstatic(HDC dc, HWND kontrolle, int post) {
    return senden(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle), post);
}

LRESULT wFenster::sm_hscroll(uint16_t art, int16_t pos, HWND leiste, int post) {
    return senden(WM_HSCROLL, MAKEWPARAM(art, pos), reinterpret_cast<LPARAM>(leiste), post);
}

LRESULT wFenster::sm_vscroll(uint16_t art, int16_t pos, HWND leiste, int post) {
    return senden(WM_VSCROLL, MAKEWPARAM(art, pos), reinterpret_cast<LPARAM>(leiste), post);
}
