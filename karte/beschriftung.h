// The placement of a chart's labels for one target (karte/schilder.h): the
// star names, the designations, the constellation names and the names of the
// Sun, the Moon and the planets of the layers that are on, measured in the
// target's fonts on its drawing context, placed once per chart and target;
// the label layers then draw from the plan (Beschriftung::plan).
//
// What goes first: the bodies and the stars by their magnitude, each star's
// disc after its own labels (which keep clear of it by their places around
// it) and before every fainter star's labels; a star's name before its
// designation. The constellation names rank as a star of magnitude 2.0
// (STERNBILD_RANG): the first-magnitude stars and their names are the
// chart's landmarks and keep their places before them, but a constellation's
// name, one per figure and the handle of the label click, goes before the
// many fainter stars' labels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "kartenbild.h"
#include "schilder.h"

constexpr int32_t STERNBILD_RANG = 200;  // magnitude x 100

// The plan and the placement's storage, kept from one chart to the next.
struct Beschriftung {
    Schildplan plan{};
    Schildraster raster;
    std::vector<Schildeintrag> eintraege;
    std::vector<Schildeintrag> scheiben;  // the stars' discs, collected with their labels
};

// Places the labels of inhalt's layers that are on (inhalt.werte) on the
// target dc of a chart of radius r; druck: a printer's or a metafile's
// context (the stars' and bodies' printed sizes), else a canvas drawn for
// inhalt.dpi (the discs and distances at the screen's dots per inch).
void beschriftung_setzen(Beschriftung& b, HDC dc, bool druck, int32_t r, const Karteninhalt& inhalt);
