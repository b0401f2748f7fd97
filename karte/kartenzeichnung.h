// The layer description (karte/schichten.h) walked: one layer on one target,
// and an output's order of layers, each with the colours the output gives
// the layers and drawn only while its layer of the settings is on.
#pragma once

#include <cstddef>
#include <cstdint>

#include "kartenbild.h"
#include "schichten.h"

// The colour of each settings layer as an output draws it (0x00BBGGRR).
struct Schichtfarben {
    uint32_t farbe[EBENEN];
};
// The screen's: each layer's colour times its intensity (settings/farben.h).
Schichtfarben schirm_schichtfarben(const Darstellung& werte);

// What an output gives every layer besides the target and the picture's
// inputs.
struct Ausgabeart {
    Leinwand leinwand;        // which of a row's functions draws
    Schichtfarben farben;
    bool auswahl_verbergen;   // the designations without the mouse's selection (karte/schichten.h)
    Druckstil druckstil;      // the printed stars' fill
};

// The layer on the target with klassen (star layers); nothing when the row
// has no function for the kind of target.
void schicht_zeichnen(Schicht schicht, const Ziel& ziel, const Karteninhalt& inhalt,
                      const Ausgabeart& art, Klassen klassen);

// Every layer of folge that is on at inhalt.werte, in order, with all
// magnitude classes; the labels in a plan of the call's own (folge places
// them with Schicht::SCHILDER).
void folge_zeichnen(const Schicht* folge, size_t anzahl, const Ziel& ziel,
                    const Karteninhalt& inhalt, const Ausgabeart& art);
template <size_t N>
void folge_zeichnen(const Schicht (&folge)[N], const Ziel& ziel, const Karteninhalt& inhalt,
                    const Ausgabeart& art) {
    folge_zeichnen(folge, N, ziel, inhalt, art);
}
