// The screen colour table of a chart canvas from the settings: background,
// the seven star families in ten brightness steps, the four layers and the
// fixed marks. The caption's entry 254 is left to the caller: the star-chart
// program gives it a colour, the screen saver draws no caption.
#pragma once

#include "dib.h"
#include "darstellung.h"

// Colour-table indices that carry the identity of what is drawn, beside the
// engine's GITTER_INDEX (96) and FIGUREN_INDEX (128).
constexpr int32_t INDEX_HINTERGRUND = 0;
constexpr int32_t INDEX_FELD = 100;  // the field-of-view square on the overview
constexpr int32_t INDEX_BILDNAMEN = 129;
constexpr int32_t INDEX_STERNNAMEN = 130;
constexpr int32_t INDEX_FREI = 255;  // drawn by no layer

void schirm_farben_setzen(DIB& bild, const Darstellung& werte);
