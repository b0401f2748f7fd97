// The drawing plan carried out: what one job of a stage draws on the
// overview and chart canvases, and the chart canvas drawn through every
// stage at once, as the main window's drawing cycle leaves it at rest.
#pragma once

#include <cstdint>

#include "dib.h"
#include "kartenbild.h"
#include "leinwand.h"  // leinwand_erzeugen, leinwand_radius
#include "zeichnen/zeichenplan.h"

// The canvases of one drawing, each with the radius its pane gives it; an
// absent canvas (null) is not drawn on.
struct Leinwaende {
    DIB* uebersicht;
    int32_t r_uebersicht;
    DIB* karte;
    int32_t r_karte;
};

// One job in the layers' colours scaled by their intensities. MARKEN draws
// nothing here: the field-of-view square and the horizon belong to the main
// window's overview pane.
void auftrag_zeichnen(const Zeichenauftrag& auftrag, const Karteninhalt& inhalt,
                      const Leinwaende& leinwaende);

// Paints the chart canvas's labels over in colour 0 where inhalt's plan put
// them, each label layer that is on: before the labels are placed anew over
// a chart that stands (a constellation's designations switched, a layer
// switched), so that no label stays behind at its old place. With colour 0
// the designations of the selected constellation are painted over too
// (karte/schichten.h). The drawing then continues from STUFE_ABSCHLUSS,
// which draws the grid, the figures, the labels and the stars again.
void beschriftung_loeschen(DIB& karte, int32_t r, const Karteninhalt& inhalt);

// Fills karte with the background and runs every stage from STUFE_ANFANG
// until the plan comes to rest, with the chart's jobs only: the same pixels
// as the chart pane's canvas after a full drawing cycle.
void karte_ganz_zeichnen(DIB& karte, int32_t r, const Karteninhalt& inhalt);
