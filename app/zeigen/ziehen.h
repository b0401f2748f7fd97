// Moving the view with the mouse, as pure geometry: whether a press is a
// click or a drag, where a drag of the chart turns the view, and which point
// of the sky lies under a pixel of the overview. The results are values of
// the panel's view bars, which the main window hands to the bars' own rules
// (bedienfeld/leistenregel.h), so the lists, the moment and the place follow
// as they do for the bars.
#pragma once

#include <cstdint>

#include "himmelsmitte.h"

// The view as the bars hold it: right ascension in hundredths of an hour
// (0..2399), declination in hundredths of a degree (-8999..8999).
struct Blickwerte {
    int32_t rekt, dekl;
};

// Whether a press has become a drag: the pointer has moved more than the
// system's drag distance (SM_CXDRAG, SM_CYDRAG: pixels either side of the
// press point) on either axis. (dx, dy) is the pointer's offset from the
// press in pixels; a press that stays within the distance is a click.
bool ist_ziehen(int32_t dx, int32_t dy, int32_t grenze_x, int32_t grenze_y);

// The view start moved by d_rekt hours and d_dekl degrees, rounded to the
// bars' hundredths: the right ascension around the clock into 0..2399, the
// declination held to the bar's limits.
Blickwerte blick_verschoben(const Blickwerte& start, double d_rekt, double d_dekl);

// The view after the chart was dragged by (dx, dy) pixels (right, down)
// since the press, when it stood at start; gesichtsfeld (radians) spans the
// 2r pixels of the chart's side. The sky follows the pointer: a drag to the
// right brings the east (larger right ascension) to the middle, a drag down
// the north. Along the declination a pixel is the chart's scale; along the
// right ascension the scale over the cosine of the declination, held to at
// least 0.1 (about 84 degrees), where near the pole a pixel would otherwise
// turn the sky by hours.
Blickwerte blick_gezogen(const Blickwerte& start, double gesichtsfeld, int32_t r, int32_t dx,
                         int32_t dy);

// The point of the sky under pixel (x, y) of the overview of radius r (the
// centre at (r, r), y counted down, as the hit tests count it) when the
// overview is centred on mitte (hours, degrees): the hemisphere fills the
// circle of radius r, north up and east left. false outside the circle
// (beyond the horizon), and punkt is then not set.
bool uebersicht_punkt(const Himmelsmitte& mitte, int32_t r, int32_t x, int32_t y,
                      Himmelsmitte& punkt);
