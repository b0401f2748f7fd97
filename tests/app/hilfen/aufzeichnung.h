// A recording drawing context: an enhanced metafile in memory takes what a
// piece draws, and the tests read it back as one ordered list of drawing
// events, each with the pen, brush, font and colours in force at that moment.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct Ereignis {
    enum Art { LINIE, TEXT, ELLIPSE, FUELLUNG, AUSSCHNITT };
    Art art;
    COLORREF stift;         // lines and outlines
    LONG stift_breite;
    COLORREF pinsel;        // fills
    COLORREF text_farbe;
    COLORREF text_grund;    // the text background colour
    std::string schrift;    // face name of the selected font, "" for a stock font
    LONG schrift_hoehe;
    std::string text;       // Windows-1252
    POINT a, b;             // line from a to b; a is a text's reference point
    RECT rechteck;          // ellipse (as passed), fill, clip rectangle
};

struct Aufzeichnung {
    std::vector<Ereignis> ereignisse;
    std::vector<const Ereignis*> alle(Ereignis::Art art) const;
    // The texts drawn, in order.
    std::vector<std::string> texte() const;
};

// Reads a recorded metafile.
Aufzeichnung auswerten(HENHMETAFILE emf);
// Runs zeichnen on a fresh recording context (the screen as reference
// device) and reads what it recorded.
Aufzeichnung aufzeichnen(const std::function<void(HDC)>& zeichnen);
