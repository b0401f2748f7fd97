// What a picture of the chart is drawn from besides the canvas: the sky with
// its current view, the main window's three fonts and the layer settings.
// The main window owns all of it and lends it, for one call, to the popup,
// the label click and the outputs.
#pragma once

#include "darstellung.h"
#include "font.h"
#include "himmel.h"

struct Schriften {
    Font& text;       // "Arial", 14 pixels on the screen
    Font& sternbild;  // the underlined copy of text, 16 pixels: constellation names
    Font& symbol;     // "Symbol", 14 pixels: the Greek letters
};

struct Karteninhalt {
    Himmel& himmel;
    Schriften schriften;
    const Darstellung& werte;  // layer intensities and colours
};
