// The hover popup's picture: the data of the selected star or constellation.
#pragma once

#include <windows.h>

#include <cstdint>

#include "himmel.h"
#include "kartenbild.h"
#include "skaliert.h"
#include "zeigen/koerper_zeilen.h"
#include "zeigen/info_lage.h"

// The popup's picture on dc (client area flaeche): the lines of the selected
// star (INFO_STERN), constellation (INFO_STERNBILD) or of a body
// (INFO_KOERPER: koerper), 20 pixels apart, the star's values at the tab
// stops 55, 95 and 123, a body's at 85, the Greek letter in the Symbol font.
// The text and Symbol fonts are 16 pixels high meanwhile. Pixels at 96
// dots per inch, scaled to the screen's dpi.
void info_zeichnen(HDC dc, const RECT& flaeche, int32_t art, const Himmel& himmel,
                   const Schriften& schriften, const Koerperzeilen& koerper,
                   int32_t dpi = DPI_NORMAL);
