// A drawing context's state kept for one scope, so that whatever a drawing
// step selects into a borrowed context (the engine selects fonts, pens and
// brushes and sets colours, alignment and clipping) is undone before the
// context's owner or the fonts change again.
#pragma once

#include <windows.h>

class Dc_Zustand {
public:
    explicit Dc_Zustand(HDC dc) : dc(dc), nummer(SaveDC(dc)) {}
    ~Dc_Zustand() {
        if (nummer) RestoreDC(dc, nummer);
    }
    Dc_Zustand(const Dc_Zustand&) = delete;
    Dc_Zustand& operator=(const Dc_Zustand&) = delete;

private:
    HDC dc;
    int nummer;
};
