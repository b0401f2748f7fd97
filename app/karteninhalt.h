// What the chart's output pieces (popup, desktop picture, printout) share:
// what they draw from, that is the sky with its current view, the main
// window's three fonts and the layer settings (intensities and colours),
// which the main window owns and lends them for one call; and the guards and
// the designation layer they all use.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "einstellungen.h"
#include "font.h"
#include "himmel.h"

struct Schriften {
    Font& text;       // "Arial", 14 pixels on the screen
    Font& sternbild;  // the underlined copy of text, 16 pixels: constellation names
    Font& symbol;     // "Symbol", 14 pixels: the Greek letters
};

struct Karteninhalt {
    Himmel& himmel;
    Schriften schriften;
    const Einstellungen& werte;
};

// Sets a font's height in pixels, its width chosen by the font's own
// proportions, and puts the previous height and width back when the scope
// ends. Both changes re-create the font handle, so whoever selects the font
// into a drawing context must deselect it before this guard ends.
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

// Keeps a drawing context's state (selected objects, colours, clipping) and
// restores it when the scope ends, so the engine's selections of the fonts
// are undone before the fonts change again.
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

// The designations of the highlighted constellations' stars (stern_kennungen)
// in farbe. The engine takes the colour 0 as the request to label the
// selected constellation as well, which only the erasing after a click
// means; black output (a black-on-white printout, a black layer colour)
// must label the highlighted constellations alone, so the selection is
// hidden from the engine for this call.
void kennungen_zeichnen(const Karteninhalt& inhalt, HDC dc, DIB* bild, int32_t r, uint32_t farbe);
