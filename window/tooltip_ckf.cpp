#include "tooltip_ckf.h"

#include "instanz.h"
#include "texte.h"

#include <cstdlib>
#include <cstring>

namespace {

const UINT_PTR VERZOEGERUNG = 1;
const UINT_PTR ANZEIGE = 2;

// 100 milliseconds per character, from 2 to 64 seconds.
uint32_t dauer_fuer(const char* text) {
    const size_t ms = strlen(text) * 100;
    return ms < 2000 ? 2000 : ms > 64000 ? 64000 : static_cast<uint32_t>(ms);
}

}  // namespace

ToolTip_CKF::ToolTip_CKF(Instanz* instanz)
    : Canvas_KF(instanz, STANDARD, STANDARD, STANDARD, STANDARD,
                WS_POPUP | WS_DISABLED | WS_SYSMENU) {
    stil &= ~WS_BORDER;
    an_ = 0;  // never takes input
}

ToolTip_CKF::~ToolTip_CKF() {
    verbergen();
    if (pinsel) DeleteObject(pinsel);
}

int ToolTip_CKF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "ToolTip_CKF") == 0) return 1;
    return nur_diese ? 0 : Canvas_KF::klassen_name_(name, 0);
}

void ToolTip_CKF::zeiger(Fenster* f, POINT p, const char* text, int32_t breite_,
                         uint32_t verzoegerung, uint32_t dauer) {
    if (abs(p.x - pos.x) > 5 || abs(p.y - pos.y) > 5) verbergen();
    if (f != fenster) gezeigt_ = 0;
    else if (gezeigt_) return;
    if (text) {
        text_freigeben(tiptext);
        tiptext = text_kopie(text);
        textbreite_ = breite_ <= 0 || breite_ > 500 ? 500 : breite_;
        anzeigezeit_ = dauer ? dauer : dauer_fuer(text);
        wartezeit_ = verzoegerung ? verzoegerung : 800;
        if (!hwnd) oeffnen(0);
        SetTimer(hwnd, VERZOEGERUNG, wartezeit_, nullptr);
    }
    pos = p;
    fenster = f;
}

void ToolTip_CKF::verbergen() {
    if (hwnd) {
        KillTimer(hwnd, VERZOEGERUNG);
        KillTimer(hwnd, ANZEIGE);
    }
    text_freigeben(tiptext);
    destroy_window();
    gezeigt_ = 0;
}

void ToolTip_CKF::vergessen(Fenster* f) {
    if (f != fenster) return;
    verbergen();
    fenster = nullptr;
}

LRESULT ToolTip_CKF::wm_timer(WPARAM nummer, LPARAM proz) {
    if (nummer == VERZOEGERUNG) zeigen();
    else if (nummer == ANZEIGE) verbergen();
    else return Canvas_KF::wm_timer(nummer, proz);
    return 0;
}

void ToolTip_CKF::zeigen() {
    KillTimer(hwnd, VERZOEGERUNG);
    POINT p;
    RECT r;
    GetCursorPos(&p);
    const HWND ziel = fenster ? fenster->hwnd : nullptr;
    const HWND unter = WindowFromPoint(p);
    if (!tiptext || !ziel || !GetWindowRect(ziel, &r) || !PtInRect(&r, p) ||
        (unter != ziel && unter != GetParent(ziel))) {
        verbergen();
        return;
    }
    RECT mass{0, 0, textbreite_, 400};
    HDC dc = GetDC(nullptr);
    HGDIOBJ alt = SelectObject(dc, instanz->font.handle());
    DrawTextA(dc, tiptext, -1, &mass, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, alt);
    ReleaseDC(nullptr, dc);
    const int32_t b = mass.right + 7;
    int32_t h = mass.bottom + 6;
    // Below and right of the pointer, moved back onto the screen.
    const int32_t schirm_b = GetSystemMetrics(SM_CXSCREEN);
    const int32_t schirm_h = GetSystemMetrics(SM_CYSCREEN);
    int32_t x = p.x + 2, y = p.y + 20;
    if (x + b > schirm_b) x = schirm_b - b;
    if (x < 0) x = 0;
    if (y + h > schirm_h) y = schirm_h - h;
    if (y < 0) y = 0;
    if (y + h > schirm_h) h = schirm_h - y;
    SetWindowPos(hwnd, HWND_TOPMOST, x, y, b, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    SetTimer(hwnd, ANZEIGE, anzeigezeit_, nullptr);
    gezeigt_ = 1;
}

LRESULT ToolTip_CKF::wm_paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    if (!pinsel) pinsel = CreateSolidBrush(RGB(255, 255, 225));
    FillRect(dc, &r, pinsel);
    HGDIOBJ alt = SelectObject(dc, instanz->font.handle());
    SetBkMode(dc, TRANSPARENT);
    InflateRect(&r, -3, -3);
    if (tiptext) DrawTextA(dc, tiptext, -1, &r, DT_WORDBREAK);
    SelectObject(dc, alt);
    EndPaint(hwnd, &ps);
    return 0;
}

int32_t ToolTip_CKF::textbreite() const {
    return textbreite_;
}

uint32_t ToolTip_CKF::wartezeit() const {
    return wartezeit_;
}

uint32_t ToolTip_CKF::anzeigezeit() const {
    return anzeigezeit_;
}

int ToolTip_CKF::gezeigt() const {
    return gezeigt_;
}
