// The two colour schemes of a chart canvas. The screen scheme shows the
// user's layer colours dimmed by their intensities, so a change of intensity
// recolours what is already drawn; the black-on-white scheme is for export:
// the background white, everything drawn black.
#pragma once

#include "darstellung.h"
#include "dib.h"
#include "gestirne.h"       // the caption's colour
#include "schirm_farben.h"  // the indices of the layers

constexpr int32_t INDEX_KARTENTEXT = 254;  // the chart caption, in KARTEN_TEXT_FARBE

// Background, the seven star families in ten steps, the four layers (their
// colour times intensity, the background colour while a layer is off), the
// field-of-view square, the caption and entry 255. Reads only the colours
// and the intensities of werte.
void farbtabelle_schirm(DIB& bild, const Darstellung& werte);

// Index 0 white, indices 1..255 black.
void farbtabelle_schwarz_weiss(DIB& bild);
