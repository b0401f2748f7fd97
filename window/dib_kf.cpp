#include "dib_kf.h"

#include "dib.h"

#include <cstring>

DIB_KF::DIB_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
               int32_t hoehe, DWORD stil)
    : Canvas_KF(vater, text, x, y, breite, hoehe, stil) {}

int DIB_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "DIB_KF") == 0) return 1;
    return nur_diese ? 0 : Canvas_KF::klassen_name_(name, 0);
}

DIB* DIB_KF::setze_dib(DIB* neu) {
    if (neu) dib = neu;
    return dib;
}

LRESULT DIB_KF::wm_paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dib) dib->ausgeben(dc, 0, 0, 0, 0, -1, -1);
    EndPaint(hwnd, &ps);
    return 0;
}

void DIB_KF::neu_ausgeben() {
    if (!hwnd || !dib) return;
    HDC dc = GetDC(hwnd);
    dib->ausgeben(dc, 0, 0, 0, 0, -1, -1);
    ReleaseDC(hwnd, dc);
}
