// The stages of the chart drawing: which layer operations one timer step
// runs, in which order, and when the next step comes. Stage 0 draws the
// bright stars (magnitude classes 0..59) and the lines at once; stages
// 60, 65, ... 95 add the fainter classes five at a time; stages 100..102 put
// the grid, the figures and the labels on top and redraw the stars over
// them. A layer whose intensity is 0 is left out.
#pragma once

#include <cstdint>

#include "darstellung.h"

constexpr int32_t STUFE_RUHE = -1;      // idle: the timer only ticks
constexpr int32_t STUFE_ANFANG = 0;
constexpr int32_t STUFE_ABSCHLUSS = 100;  // grid
constexpr int32_t STUFE_FIGUREN = 101;
constexpr int32_t STUFE_NAMEN = 102;

enum class Zeichnung : int32_t {
    BERECHNET_LOESCHEN,   // the sky's per-star flags: positions are computed anew
    UEBERSICHT_GITTER,
    UEBERSICHT_FIGUREN,
    UEBERSICHT_GESTIRNE,  // with a magnitude class range
    KARTE_GITTER,
    KARTE_FIGUREN,
    KARTE_GESTIRNE,       // with a magnitude class range
    STERNBILD_NAMEN,      // the rest on the chart only
    STERN_NAMEN,
    STERN_KENNUNGEN,
    MARKEN,               // field-of-view square and horizon on the overview
};

struct Zeichenauftrag {
    Zeichnung was;
    int32_t von, bis;  // magnitude classes of the star layers, 0 otherwise
};

constexpr int32_t MAX_AUFTRAEGE = 8;

struct Zeichenstufe {
    int32_t anzahl;
    Zeichenauftrag auftrag[MAX_AUFTRAEGE];
    int32_t naechste;       // the stage after this one
    uint32_t verzoegerung;  // milliseconds until the next step
    bool ausgeben;          // copy the canvases to the panes after the step
};

// The step for stage schritt with the layer intensities of werte.
Zeichenstufe zeichenstufe(int32_t schritt, const Darstellung& werte);
