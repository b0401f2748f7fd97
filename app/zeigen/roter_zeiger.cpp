#include "zeigen/roter_zeiger.h"

#include <cstdint>
#include <vector>

#include "gdi_objekt.h"

namespace {

// A 32-bit bitmap's header, top row first.
BITMAPINFO kopf_32(int32_t breite, int32_t hoehe) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = breite;
    bi.bmiHeader.biHeight = -hoehe;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

// The AND and XOR halves of a monochrome cursor's mask, one 32-bit value
// per pixel (0 black, else white), top row first: 2 * hoehe rows.
bool maske_lesen(HBITMAP maske, int32_t breite, int32_t hoehe, std::vector<uint32_t>& pixel) {
    BITMAPINFO bi = kopf_32(breite, 2 * hoehe);
    pixel.assign(static_cast<size_t>(breite) * 2 * hoehe, 0);
    HDC dc = GetDC(nullptr);
    const int zeilen = GetDIBits(dc, maske, 0, static_cast<UINT>(2 * hoehe), pixel.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return zeilen == 2 * hoehe;
}

}  // namespace

HCURSOR roter_zeiger(HCURSOR einfarbig, COLORREF rot) {
    ICONINFO info{};
    if (!einfarbig || !GetIconInfo(einfarbig, &info)) return nullptr;
    GdiObjekt maske(info.hbmMask), farbig(info.hbmColor);
    BITMAP b{};
    if (info.hbmColor || !GetObjectA(info.hbmMask, sizeof b, &b) || b.bmWidth <= 0 || b.bmHeight < 2) return nullptr;
    const int32_t breite = b.bmWidth, hoehe = b.bmHeight / 2;
    std::vector<uint32_t> halb;
    if (!maske_lesen(info.hbmMask, breite, hoehe, halb)) return nullptr;

    // Colour: white of the XOR half where the AND half is black becomes red;
    // where the AND half is white the XOR half stays (0 leaves the screen,
    // white inverts it). The AND half is the new cursor's mask as it was.
    const COLORREF rot_dib = RGB(GetBValue(rot), GetGValue(rot), GetRValue(rot));  // DIB order
    std::vector<uint32_t> farbe(static_cast<size_t>(breite) * hoehe);
    const size_t n = farbe.size();
    for (size_t i = 0; i < n; ++i) {
        const bool und = (halb[i] & 0xFFFFFF) != 0, exklusiv = (halb[n + i] & 0xFFFFFF) != 0;
        farbe[i] = !exklusiv ? 0 : und ? 0xFFFFFF : rot_dib;
    }
    const BITMAPINFO bi = kopf_32(breite, hoehe);
    HDC dc = GetDC(nullptr);
    GdiObjekt bild(CreateDIBitmap(dc, &bi.bmiHeader, CBM_INIT, farbe.data(), &bi, DIB_RGB_COLORS));
    ReleaseDC(nullptr, dc);
    GdiObjekt und_maske(CreateBitmap(breite, hoehe, 1, 1, nullptr));
    if (!bild.handle() || !und_maske.handle()) return nullptr;
    // The AND half as the new mask: its rows copied from the old mask's top.
    HDC quelle = CreateCompatibleDC(nullptr), ziel = CreateCompatibleDC(nullptr);
    HGDIOBJ alt_quelle = SelectObject(quelle, info.hbmMask), alt_ziel = SelectObject(ziel, und_maske.handle());
    BitBlt(ziel, 0, 0, breite, hoehe, quelle, 0, 0, SRCCOPY);
    SelectObject(quelle, alt_quelle);
    SelectObject(ziel, alt_ziel);
    DeleteDC(quelle);
    DeleteDC(ziel);
    ICONINFO neu{FALSE, info.xHotspot, info.yHotspot, static_cast<HBITMAP>(und_maske.handle()),
                 static_cast<HBITMAP>(bild.handle())};
    return CreateIconIndirect(&neu);  // copies both bitmaps
}

RoteZeiger::~RoteZeiger() { vergessen(); }

void RoteZeiger::vergessen() {
    if (stern) DestroyCursor(stern);
    if (sternbild) DestroyCursor(sternbild);
    stern = sternbild = nullptr;
}

void RoteZeiger::machen(HCURSOR stern_einfarbig, HCURSOR sternbild_einfarbig, COLORREF rot) {
    if (!stern) stern = roter_zeiger(stern_einfarbig, rot);
    if (!sternbild) sternbild = roter_zeiger(sternbild_einfarbig, rot);
}
