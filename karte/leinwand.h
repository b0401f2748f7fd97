// A chart canvas and its colour tables, set up alike for the star chart's
// panes, the command line's bitmap, the desktop picture and the screen
// saver's frame.
//
// The screen scheme shows the user's layer colours dimmed by their
// intensities, so a change of intensity recolours what is already drawn; the
// black-on-white scheme is for export: the background white, everything drawn
// black. The indices are those of render/farbindizes.h.
#pragma once

#include <cstdint>

#include "darstellung.h"
#include "dib.h"
#include "farbindizes.h"
#include "quadrat.h"

// Background, the seven star families in ten steps, the four layers (their
// colour times intensity, the background colour while a layer is off), the
// Sun, the Moon and the planets (their own colours, karte/koerperbild.h), the
// field-of-view square and entry INDEX_FREI. The caption's entry is left as
// it is: the screen saver draws no caption.
void schirm_farben_setzen(DIB& bild, const Darstellung& werte);

// schirm_farben_setzen and the caption's entry INDEX_KARTENTEXT in
// KARTEN_TEXT_FARBE: the star chart's screen scheme. Reads only the colours
// and the intensities of werte.
void farbtabelle_schirm(DIB& bild, const Darstellung& werte);

// Index 0 white, indices 1..255 black but the Moon's unlit part, white.
void farbtabelle_schwarz_weiss(DIB& bild);

// Every entry of the canvas's table as its night colour (karte/nachtfarbe.h):
// the night scheme of whatever table the canvas holds.
void farbtabelle_nacht(DIB& bild);

// A pane's canvas of breite x hoehe pixels at 8 bits, with the system font
// selected into its context. 0 done, -1 not made (as DIB::erzeugen).
int32_t leinwand_erzeugen(DIB& bild, int32_t breite, int32_t hoehe);

// The radius the engine draws with on a pane's canvas breite pixels wide:
// half of the width less the 2 pixels that the pane's border takes from its
// window.
constexpr int32_t leinwand_radius(int32_t breite) { return (breite - 2) / 2; }

// A canvas of breite x hoehe pixels whose chart is the centred square quadrat
// (the drawing origin at its corner), with the system font, the screen
// colours of schirm_farben_setzen and the background colour as the text
// background: the screen saver's frame and the desktop picture. 0 done, -1
// no canvas or no drawing context.
int32_t flaechen_leinwand(DIB& bild, int32_t breite, int32_t hoehe, const Kartenquadrat& quadrat,
                          const Darstellung& werte);
