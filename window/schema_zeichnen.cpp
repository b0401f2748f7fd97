#include "schema_zeichnen.h"

#include <cstdint>

void schema_fuellen(HDC dc, const RECT& r, COLORREF c) {
    SetBkColor(dc, c);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
}

void schema_knopf(HDC dc, const RECT& r, bool gedrueckt, const Farbgebung& f) {
    if (r.right - r.left < 3 || r.bottom - r.top < 3) return;
    const RECT innen{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (gedrueckt) {
        schema_fuellen(dc, r, f.schatten);
        schema_fuellen(dc, innen, f.feld);
        return;
    }
    schema_fuellen(dc, r, f.flaeche);
    schema_fuellen(dc, {r.left, r.top, r.right - 1, r.bottom - 1}, f.hell);
    schema_fuellen(dc, innen, f.schatten);
}

void schema_pfeil(HDC dc, const RECT& r, bool senkrecht, bool vor, bool gedrueckt, COLORREF c) {
    const int32_t b = r.right - r.left, h = r.bottom - r.top;
    const int32_t hoehe = ((senkrecht ? b : h) + 2) / 4;  // the triangle's depth
    const int32_t d = gedrueckt ? 1 : 0;
    const int32_t mx = r.left + b / 2 + d, my = r.top + h / 2 + d;
    // One-pixel strips, strip i from the tip 2i+1 pixels wide.
    for (int32_t i = 0; i < hoehe; ++i) {
        const int32_t tiefe = (vor ? i : hoehe - 1 - i) - hoehe / 2;
        RECT s = senkrecht ? RECT{mx - i, my + tiefe, mx + i + 1, my + tiefe + 1}
                           : RECT{mx + tiefe, my - i, mx + tiefe + 1, my + i + 1};
        schema_fuellen(dc, s, c);
    }
}

void schema_rahmen(HDC dc, const RECT& r, COLORREF c) {
    schema_fuellen(dc, {r.left, r.top, r.right, r.top + 1}, c);
    schema_fuellen(dc, {r.left, r.bottom - 1, r.right, r.bottom}, c);
    schema_fuellen(dc, {r.left, r.top, r.left + 1, r.bottom}, c);
    schema_fuellen(dc, {r.right - 1, r.top, r.right, r.bottom}, c);
}

void schema_vertieft(HDC dc, const RECT& r, const Farbgebung& f) {
    // Each ring: its right and bottom first, then left and top over the corners.
    const RECT innen{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    schema_rahmen(dc, r, f.hell);
    schema_fuellen(dc, {r.left, r.top, r.right - 1, r.top + 1}, f.schatten);
    schema_fuellen(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, f.schatten);
    schema_rahmen(dc, innen, f.flaeche);
}
