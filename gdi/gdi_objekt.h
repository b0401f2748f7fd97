// Guards for drawing-context objects the engine creates and selects, so that
// every pen and brush is deselected and deleted on every path.
#pragma once

#include <windows.h>

#include <cstring>
#include <utility>

// Owns a created pen or brush and deletes it; a moved-in object replaces
// (and deletes) the one held before.
class GdiObjekt {
public:
    explicit GdiObjekt(HGDIOBJ objekt) : h(objekt) {}
    ~GdiObjekt() { if (h) DeleteObject(h); }
    GdiObjekt(const GdiObjekt&) = delete;
    GdiObjekt& operator=(const GdiObjekt&) = delete;
    GdiObjekt& operator=(GdiObjekt&& anderes) noexcept {
        std::swap(h, anderes.h);
        return *this;
    }
    HGDIOBJ handle() const { return h; }

private:
    HGDIOBJ h;
};

// Selects an object into a drawing context and puts the previous one back.
// Declared after the GdiObjekt it selects, so it is undone first.
class Auswahl {
public:
    Auswahl(HDC dc, HGDIOBJ objekt) : dc(dc), alt(SelectObject(dc, objekt)) {}
    ~Auswahl() { SelectObject(dc, alt); }
    Auswahl(const Auswahl&) = delete;
    Auswahl& operator=(const Auswahl&) = delete;

private:
    HDC dc;
    HGDIOBJ alt;
};

// A NUL-terminated text at (x, y) with the drawing context's current
// alignment, colour and font.
inline void text_aus(HDC dc, int x, int y, const char* text) {
    TextOutA(dc, x, y, text, static_cast<int>(strlen(text)));
}
