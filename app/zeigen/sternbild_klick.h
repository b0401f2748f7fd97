// The click on a constellation's label in the chart, which switches the
// highlighting of that constellation (its stars' designations).
#pragma once

#include <cstdint>

#include "dib.h"
#include "kartenbild.h"
#include "zeigen/info_lage.h"

// The click at pane pixel (x, y): switches the highlighting of the
// constellation label there. The stage the drawing cycle continues from:
// 102 when it is highlighted now (its designations are drawn), 100 when it
// is plain again (with Sternbilder on, its designations are first painted
// over in colour 0 on karte_bild); -1 when no label was hit.
int32_t sternbild_klick(int32_t x, int32_t y, const Kartenbereich& flaeche, DIB* karte_bild,
                        const Karteninhalt& inhalt);
