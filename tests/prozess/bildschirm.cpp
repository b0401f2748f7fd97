#include "bildschirm.h"

#include <algorithm>
#include <map>

// The pixels of a window as the screen shows them, 0x00RRGGBB.
std::vector<uint32_t> bildschirm_pixel(HWND fenster) {
    RECT r;
    GetWindowRect(fenster, &r);
    const int breite = r.right - r.left, hoehe = r.bottom - r.top;
    std::vector<uint32_t> pixel;
    if (breite <= 0 || hoehe <= 0) return pixel;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = breite;
    info.bmiHeader.biHeight = -hoehe;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC schirm = GetDC(nullptr);
    HDC speicher = CreateCompatibleDC(schirm);
    void* bits = nullptr;
    HBITMAP bild = CreateDIBSection(schirm, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bild) {
        HGDIOBJ vorher = SelectObject(speicher, bild);
        BitBlt(speicher, 0, 0, breite, hoehe, schirm, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        pixel.assign(p, p + static_cast<size_t>(breite) * hoehe);
        SelectObject(speicher, vorher);
        DeleteObject(bild);
    }
    DeleteDC(speicher);
    ReleaseDC(nullptr, schirm);
    return pixel;
}

bool sieht_nach_karte_aus(const std::vector<uint32_t>& pixel) {
    if (pixel.empty()) return false;
    std::map<uint32_t, size_t> anzahl;
    for (uint32_t p : pixel) ++anzahl[p & 0xFFFFFF];
    size_t hintergrund = 0;
    for (const auto& [farbe, n] : anzahl) hintergrund = std::max(hintergrund, n);
    const size_t andere = pixel.size() - hintergrund;
    return hintergrund * 2 > pixel.size() && andere > 1000 && anzahl.size() >= 5;
}

int32_t helle_pixel(const std::vector<uint32_t>& pixel, int32_t breite, int32_t von, int32_t bis) {
    int32_t n = 0;
    for (int32_t z = std::max(von, 0); z < bis; ++z) {
        for (int32_t x = 0; x < breite; ++x) {
            const size_t i = static_cast<size_t>(z) * breite + x;
            if (i >= pixel.size()) return n;
            const uint32_t p = pixel[i];
            n += (p & 0xFF) >= 0xE0 && ((p >> 8) & 0xFF) >= 0xE0 && ((p >> 16) & 0xFF) >= 0xE0;
        }
    }
    return n;
}
