// What a picture of the chart is drawn from besides its drawing target: the
// sky with its current view, the three fonts, the layer settings, the
// caption and the Sun, the Moon and the planets of the chart's moment. Whoever draws a chart (the main window, the command line, the
// screen saver) owns all of it and lends it, for one call, to the drawing.
#pragma once

#include "darstellung.h"
#include "font.h"
#include "himmel.h"
#include "koerper.h"

struct Beschriftung;  // karte/beschriftung.h

struct Schriften {
    Font& text;       // "Arial", 14 pixels on the screen
    Font& sternbild;  // the underlined copy of text, 16 pixels: constellation names
    Font& symbol;     // "Symbol", 14 pixels: the Greek letters
};

struct Karteninhalt {
    Himmel& himmel;
    Schriften schriften;
    const Darstellung& werte;  // layer intensities and colours
    // The caption at the top and bottom edge of the chart ("" none): the
    // star chart's banner while the saver's settings are edited
    // (schoner/modus.h); the saver has none.
    const char* kartentext = "";
    // The bodies of the chart's moment (karte/koerperstand.h); null: none
    // (an instant they cannot be computed for).
    const Koerperlage* koerper = nullptr;
    // Where the screen's labels stand, kept from the placement to the label
    // layers across the stages of its drawing and read by the label click;
    // null: the labels at their own places. An output drawn in one go
    // places them in a plan of its own (karte/kartenzeichnung.h).
    Beschriftung* beschriftung = nullptr;
    // The screen's dots per inch the chart is drawn for (DPI_NORMAL..
    // DPI_GROESSTE, gdi/skaliert.h): its star discs, lines, label distances
    // and pointing tolerances grow with it; the fonts are made at it by
    // their owner (kartenschriften.h). A printer or a vector file keeps its
    // own sizes whatever this says.
    int32_t dpi = 96;
};
