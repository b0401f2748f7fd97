// Where the hover popup opens: the chart pane as the pointing rules see it,
// and the popup's place beside the mouse.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skaliert.h"

enum Info_Art : int32_t { INFO_STERN = 1, INFO_STERNBILD = 2, INFO_KOERPER = 3 };

// The chart pane as the pointing rules see it.
struct Kartenbereich {
    int32_t breite, hoehe;  // drawing size: client width and height - 2; the radius is breite / 2
    int32_t links, oben;    // the pane's outer top-left corner in main-window client coordinates
    int32_t dpi = DPI_NORMAL;  // the screen's dots per inch: the popup's size and the tolerances grow with it
};
Kartenbereich kartenbereich(HWND karte, HWND hauptfenster, int32_t dpi = DPI_NORMAL);

// Position (main-window client coordinates) and size of the popup.
struct Info_Lage {
    int32_t x, y, breite, hoehe;
};
// The popup of art for the mouse at (x, y) in the pane: beside the mouse,
// 15 pixels off, toward the pane's centre, so it covers neither the pointed
// object nor leaves the pane (star 170 x 122, constellation 160 x 62, the
// Sun, the Moon or a planet 190 x 184); pixels at 96 dots per inch, scaled
// to the pane's dpi.
Info_Lage info_lage(int32_t art, int32_t x, int32_t y, const Kartenbereich& flaeche);
