// The stages of the chart drawing: which layer jobs one timer step runs, in
// which order, and when the next step comes. The stages are data of the
// layer description (karte/schichten.h, SCHIRM_STUFEN): stage 0 draws the
// bright stars (magnitude classes 0..59) and the lines at once; stages
// 60, 65, ... 95 add the fainter classes five at a time; stages 100..102 put
// the grid, the figures and the labels on top and redraw the stars over
// them. A layer whose intensity is 0 is left out.
#pragma once

#include <array>
#include <cstdint>

#include "darstellung.h"
#include "schichten.h"

// A job: one layer on one pane's canvas.
struct Zeichnung {
    Schicht schicht;
    Leinwand leinwand;

    constexpr bool operator==(const Zeichnung& z) const {
        return schicht == z.schicht && leinwand == z.leinwand;
    }
    constexpr bool operator!=(const Zeichnung& z) const { return !(*this == z); }

    // The jobs by name, as the stages list them.
    static const Zeichnung BERECHNET_LOESCHEN, SCHILDER_SETZEN, UEBERSICHT_GITTER, UEBERSICHT_FIGUREN,
        UEBERSICHT_GESTIRNE, KARTE_GITTER, KARTE_FIGUREN, KARTE_GESTIRNE, STERNBILD_NAMEN,
        STERN_NAMEN, STERN_KENNUNGEN, UEBERSICHT_KOERPER, KARTE_KOERPER, KOERPER_NAMEN, MARKEN;
};
inline constexpr Zeichnung Zeichnung::BERECHNET_LOESCHEN{Schicht::LAGEN_NEU, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::SCHILDER_SETZEN{Schicht::SCHILDER, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::UEBERSICHT_GITTER{Schicht::GITTER, Leinwand::UEBERSICHT};
inline constexpr Zeichnung Zeichnung::UEBERSICHT_FIGUREN{Schicht::FIGUREN, Leinwand::UEBERSICHT};
inline constexpr Zeichnung Zeichnung::UEBERSICHT_GESTIRNE{Schicht::GESTIRNE, Leinwand::UEBERSICHT};
inline constexpr Zeichnung Zeichnung::KARTE_GITTER{Schicht::GITTER, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::KARTE_FIGUREN{Schicht::FIGUREN, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::KARTE_GESTIRNE{Schicht::GESTIRNE, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::STERNBILD_NAMEN{Schicht::STERNBILDNAMEN, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::STERN_NAMEN{Schicht::STERNNAMEN, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::STERN_KENNUNGEN{Schicht::KENNUNGEN, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::UEBERSICHT_KOERPER{Schicht::KOERPER, Leinwand::UEBERSICHT};
inline constexpr Zeichnung Zeichnung::KARTE_KOERPER{Schicht::KOERPER, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::KOERPER_NAMEN{Schicht::KOERPERNAMEN, Leinwand::KARTE};
inline constexpr Zeichnung Zeichnung::MARKEN{Schicht::MARKEN, Leinwand::UEBERSICHT};

struct Zeichenauftrag {
    Zeichnung was;
    int32_t von, bis;  // magnitude classes of the star layers, 0 otherwise
};

// Room for the longest stage of the description, counted at compile time.
constexpr size_t MEISTE_AUFTRAEGE = meiste_schirmauftraege();

struct Zeichenstufe {
    int32_t anzahl;
    std::array<Zeichenauftrag, MEISTE_AUFTRAEGE> auftrag;
    int32_t naechste;       // the stage after this one
    uint32_t verzoegerung;  // milliseconds until the next step
    bool ausgeben;          // copy the canvases to the panes after the step
};

// The step for stage schritt with the layer intensities of werte.
Zeichenstufe zeichenstufe(int32_t schritt, const Darstellung& werte);
