// A recording drawing context: an enhanced metafile in memory takes what a
// piece draws, and the tests read it back as the pens and brushes it made,
// selected and deleted, and as one ordered list of drawing events, each with
// the pen, brush, font, colours and text alignment in force at that moment.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct Ereignis {
    enum Art { LINIE, TEXT, ELLIPSE, VIELECK, FUELLUNG, AUSSCHNITT };
    Art art;
    COLORREF stift;         // lines and outlines
    LONG stift_breite;
    COLORREF pinsel;        // fills
    COLORREF text_farbe;
    COLORREF text_grund;    // the text background colour
    UINT ausrichtung;       // the text alignment (TA_ flags)
    std::string schrift;    // face name of the selected font, "" for a stock font
    LONG schrift_hoehe;
    std::string text;       // Windows-1252
    POINT a, b;             // line from a to b; a is a text's reference point
    RECT rechteck;          // ellipse (as passed), polygon's bounds, fill, clip rectangle
};

struct Aufzeichnung {
    struct Stift {
        DWORD ih;  // handle-table slot
        UINT stil;
        LONG breite;
        COLORREF farbe;
    };
    struct Pinsel {
        DWORD ih;
        COLORREF farbe;
    };
    std::vector<Ereignis> ereignisse;
    std::vector<Stift> stifte;      // pens created, in order
    std::vector<Pinsel> pinsel;     // brushes created, in order
    std::vector<DWORD> gewaehlt;    // EMR_SELECTOBJECT in order (stock objects with the high bit)
    std::vector<DWORD> geloescht;   // EMR_DELETEOBJECT in order

    std::vector<const Ereignis*> alle(Ereignis::Art art) const;
    // The texts drawn, in order.
    std::vector<std::string> texte() const;
    std::vector<const Ereignis*> texte_mit(const std::string& text) const;
    // Pens and brushes created and never deleted.
    std::vector<DWORD> nicht_geloescht() const;
};

// Reads a recorded metafile.
Aufzeichnung auswerten(HENHMETAFILE emf);
// Runs zeichnen on a fresh recording context (the screen as reference
// device) and reads what it recorded.
Aufzeichnung aufzeichnen(const std::function<void(HDC)>& zeichnen);
