// The click on a constellation's label in the chart, which switches the
// highlighting of that constellation (its stars' designations).
#pragma once

#include <cstdint>

#include "dib.h"
#include "kartenbild.h"
#include "zeigen/info_lage.h"

// The click at pane pixel (x, y): switches the highlighting of the
// constellation label there (found where inhalt's plan put it). The labels
// are placed anew with the designations that come or go, so the old ones
// are first painted over on karte_bild (zeichnen/plan_ausfuehren.h, with
// Sternbilder on also the designations that go). The stage the drawing
// cycle continues from: 100; -1 when no label was hit.
int32_t sternbild_klick(int32_t x, int32_t y, const Kartenbereich& flaeche, DIB* karte_bild,
                        const Karteninhalt& inhalt);
