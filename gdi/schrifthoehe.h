// A font's height set for one scope: the popup and the printed page draw
// with the screen fonts at heights of their own and must leave them as they
// found them.
#pragma once

#include <cstdint>

#include "font.h"

// Sets a font's height in pixels, its width chosen by the font's own
// proportions, and puts the previous height and width back when the scope
// ends. Both changes re-create the font handle, so whoever selects the font
// into a drawing context must deselect it before this guard ends (declare
// the guard before a Dc_Zustand, which is then undone first).
class Schrifthoehe {
public:
    Schrifthoehe(Font& font, int32_t hoehe)
        : font(font), alte_hoehe(font.beschreibung().lfHeight),
          alte_breite(font.beschreibung().lfWidth) {
        font.setze_hoehe(hoehe, 0);
    }
    ~Schrifthoehe() { font.setze_hoehe(alte_hoehe, alte_breite); }
    Schrifthoehe(const Schrifthoehe&) = delete;
    Schrifthoehe& operator=(const Schrifthoehe&) = delete;

private:
    Font& font;
    int32_t alte_hoehe;
    int32_t alte_breite;
};
