// Position and size of a window: set on the native window (the Z order never
// changes), read as rectangles with inclusive corners.
#include "fenster.h"

namespace {

const UINT NUR_MASSE = SWP_NOZORDER | SWP_NOACTIVATE;

// A native rectangle (right and bottom outside) as inclusive corners.
void einschliessend(RECT& rect) {
    --rect.right;
    --rect.bottom;
}

}  // namespace

void Fenster::masse_abs(int32_t x, int32_t y, int32_t breite, int32_t hoehe) {
    if (hwnd) SetWindowPos(hwnd, nullptr, x, y, breite, hoehe, NUR_MASSE);
}

void Fenster::masse_abs(const RECT& rect) {
    masse_abs(rect.left, rect.top, rect.right - rect.left + 1, rect.bottom - rect.top + 1);
}

void Fenster::masse_rect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    masse_abs(x1, y1, x2 - x1, y2 - y1);
}

void Fenster::pos_abs(int32_t x, int32_t y) {
    if (hwnd) SetWindowPos(hwnd, nullptr, x, y, 0, 0, NUR_MASSE | SWP_NOSIZE);
}

void Fenster::pos_rel(int32_t dx, int32_t dy) {
    if (!hwnd) return;
    // The current position in the coordinates of the parent's client area
    // (the screen for a top-level window).
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(hwnd, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    pos_abs(r.left + dx, r.top + dy);
}

void Fenster::groesse_abs(int32_t breite, int32_t hoehe) {
    if (hwnd) SetWindowPos(hwnd, nullptr, 0, 0, breite, hoehe, NUR_MASSE | SWP_NOMOVE);
}

void Fenster::groesse_rel(int32_t db, int32_t dh) {
    if (hwnd) groesse_abs(br() + db, ho() + dh);
}

void Fenster::masse(RECT& rect) {
    get_window_rect(rect);
    einschliessend(rect);
}

int32_t Fenster::x() {
    RECT r;
    masse(r);
    return r.left;
}

int32_t Fenster::y() {
    RECT r;
    masse(r);
    return r.top;
}

int32_t Fenster::br() {
    RECT r;
    masse(r);
    return r.right - r.left + 1;
}

int32_t Fenster::ho() {
    RECT r;
    masse(r);
    return r.bottom - r.top + 1;
}

void Fenster::masse_client(RECT& rect) {
    get_client_rect(rect);
    einschliessend(rect);
}

int32_t Fenster::br_client() {
    RECT r;
    masse_client(r);
    return r.right - r.left + 1;
}

int32_t Fenster::ho_client() {
    RECT r;
    masse_client(r);
    return r.bottom - r.top + 1;
}

void Fenster::masse_orig(RECT& rect) {
    rect = RECT{x_, y_, x_ + breite - 1, y_ + hoehe - 1};
}
