// Pointing at the chart pane: the hover popup with the data of the star or
// constellation under the mouse (where it opens, when it is shown and
// hidden, which cursor the pane shows, what it says) and the click on a
// constellation label that switches its highlighting.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "himmel.h"
#include "karteninhalt.h"

// Timers of the main window that show and hide the popup, and their delays.
constexpr UINT_PTR ZEITGEBER_INFO_ZEIGEN = 2;
constexpr UINT_PTR ZEITGEBER_INFO_VERBERGEN = 3;
constexpr UINT INFO_VERZOEGERUNG_MS = 500;
constexpr UINT INFO_SCHLUSS_MS = 10;

enum Info_Art : int32_t { INFO_STERN = 1, INFO_STERNBILD = 2 };

// The chart pane as the pointing rules see it.
struct Kartenflaeche {
    int32_t breite, hoehe;  // drawing size: client width and height - 2; the radius is breite / 2
    int32_t links, oben;    // the pane's outer top-left corner in main-window client coordinates
};
Kartenflaeche kartenflaeche(HWND karte, HWND hauptfenster);

// Position (main-window client coordinates) and size of the popup.
struct Info_Lage {
    int32_t x, y, breite, hoehe;
};
// The popup of art for the mouse at (x, y) in the pane: beside the mouse,
// 15 pixels off, toward the pane's centre, so it covers neither the pointed
// object nor leaves the pane (star 170 x 122, constellation 160 x 62).
Info_Lage info_lage(int32_t art, int32_t x, int32_t y, const Kartenflaeche& flaeche);

// The hit tests of the chart, at pane pixels within the chart of radius r:
// a star number (above 0) or constellation index (0 or more), else -1. Each
// selects what it found for the texts of the popup.
class Treffer {
public:
    virtual ~Treffer() = default;
    virtual int32_t stern(int32_t x, int32_t y, int32_t r) = 0;
    virtual int32_t sternbild(int32_t x, int32_t y, int32_t r) = 0;
};
class Himmel_Treffer final : public Treffer {
public:
    explicit Himmel_Treffer(Himmel& himmel) : himmel(himmel) {}
    int32_t stern(int32_t x, int32_t y, int32_t r) override { return himmel.stern_suchen(x, y, r); }
    int32_t sternbild(int32_t x, int32_t y, int32_t r) override {
        return himmel.sternbild_suchen(x, y, r);
    }

private:
    Himmel& himmel;
};

enum class Zeiger { BLEIBT, STERN, STERNBILD };
// ZEIGEN: stop the hiding timer, (re)start the showing one with 500 ms;
// VERBERGEN: stop the showing timer, start the hiding one with 10 ms.
enum class Zeitgeber { BLEIBT, ZEIGEN, VERBERGEN };
struct Maus_Folge {
    Zeiger zeiger;
    Zeitgeber zeitgeber;
};

// The hover state: the star and constellation under the mouse at the last
// move (-1 none), so resting on one object shows its popup once, and the
// art and place of the next popup.
class Info_Anzeige {
public:
    // karte_maus: a mouse move to pane pixel (x, y).
    Maus_Folge karte_maus(int32_t x, int32_t y, const Kartenflaeche& flaeche, Treffer& treffer);
    int32_t art() const { return art_; }
    const Info_Lage& lage() const { return lage_; }

private:
    Zeitgeber neues_objekt(int32_t art, int32_t x, int32_t y, const Kartenflaeche& flaeche);

    int32_t stern = -1;
    int32_t sternbild = -1;
    int32_t art_ = INFO_STERN;
    Info_Lage lage_{0, 0, 100, 100};
};

// Sets the cursor and the timers of hauptfenster as folge says.
void folge_ausfuehren(HWND hauptfenster, const Maus_Folge& folge, HCURSOR cursor_stern,
                      HCURSOR cursor_sternbild);
// Timer 2: stops it, moves and sizes the popup, shows it on top of the panes
// without activating it and has it repaint without erasing.
void info_zeigen(HWND hauptfenster, HWND info, const Info_Lage& lage);
// Timer 3: stops it and hides the popup.
void info_verbergen(HWND hauptfenster, HWND info);

// The popup's picture on dc (client area flaeche): the lines of the selected
// star (INFO_STERN) or constellation (INFO_STERNBILD), 20 pixels apart, the
// star's values at the tab stops 55, 95 and 123, the Greek letter in the
// Symbol font. The text and Symbol fonts are 16 pixels high meanwhile.
void info_zeichnen(HDC dc, const RECT& flaeche, int32_t art, const Himmel& himmel,
                   const Schriften& schriften);

// karte_klick at pane pixel (x, y): switches the highlighting of the
// constellation label there. The stage the drawing cycle continues from:
// 102 when it is highlighted now (its designations are drawn), 100 when it
// is plain again (with Sternbilder on, its designations are first painted
// over in colour 0 on karte_bild); -1 when no label was hit.
int32_t karte_klick(int32_t x, int32_t y, const Kartenflaeche& flaeche, DIB* karte_bild,
                    const Karteninhalt& inhalt);
