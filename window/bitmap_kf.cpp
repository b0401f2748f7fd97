#include "bitmap_kf.h"

#include <cstring>

Bitmap_KF::Bitmap_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                     int32_t hoehe, DWORD stil)
    : Canvas_KF(vater, text, x, y, breite, hoehe, stil) {}

int Bitmap_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Bitmap_KF") == 0) return 1;
    return nur_diese ? 0 : Canvas_KF::klassen_name_(name, 0);
}

void Bitmap_KF::setze_bild(HBITMAP bitmap) {
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
    bild = bitmap;
    const int32_t rand = (stil & WS_BORDER) ? 4 : 0;
    breite = info.bmWidth + rand;
    hoehe = info.bmHeight + rand;
    if (hwnd) {
        groesse_abs(breite, hoehe);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// The frame lies outside the client area, so the picture starts at its origin.
LRESULT Bitmap_KF::wm_paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    BITMAP info;
    if (bild && GetObjectA(bild, sizeof info, &info)) {
        HDC quelle = CreateCompatibleDC(dc);
        HGDIOBJ alt = SelectObject(quelle, bild);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, quelle, 0, 0, SRCCOPY);
        SelectObject(quelle, alt);
        DeleteDC(quelle);
    }
    EndPaint(hwnd, &ps);
    return 0;
}
