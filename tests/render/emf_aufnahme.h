// A recording drawing context: an enhanced metafile in memory records every
// pen, brush, selection, line, ellipse and text a printer operation makes,
// and the test reads them back.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct Aufnahme {
    struct Stift {
        DWORD ih;
        UINT stil;
        LONG breite;
        COLORREF farbe;
    };
    struct Pinsel {
        DWORD ih;
        COLORREF farbe;
    };
    struct Text {
        std::string text;  // Windows-1252
        POINT bezug;
        UINT ausrichtung;
        COLORREF farbe;
    };
    std::vector<Stift> stifte;
    std::vector<Pinsel> pinsel;
    std::vector<DWORD> gewaehlt;    // EMR_SELECTOBJECT in order (stock objects with the high bit)
    std::vector<DWORD> geloescht;   // EMR_DELETEOBJECT in order
    std::vector<RECT> ellipsen;     // as passed to Ellipse
    std::vector<std::pair<POINT, POINT>> striche;  // MoveToEx point, LineTo point
    std::vector<Text> texte;

    // Created objects that were never deleted.
    std::vector<DWORD> nicht_geloescht() const;
    std::vector<const Text*> texte_mit(const std::string& text) const;
};

// Runs zeichnen on a fresh recording context and returns what it recorded.
Aufnahme aufnehmen(const std::function<void(HDC)>& zeichnen);
