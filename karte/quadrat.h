// Where a chart stands and how big its letters are, the same for the screen
// saver's window, the desktop picture and the star chart's panes: the centred
// square, the font heights of a full chart and of the saver's preview, and
// the stored declination read as the view's centre. Portable.
#pragma once

#include <cstdint>

// The chart square of side 2 x radius centred in an area of breite x hoehe
// pixels (the saver's client area, the screen of the desktop picture): its
// distance from the left and from the top edge.
struct Kartenquadrat {
    int32_t radius, versatz_x, versatz_y;
};
Kartenquadrat kartenquadrat(int32_t breite, int32_t hoehe);

// Font heights in pixels for the star labels (and the caption), the
// constellation names and the Greek letters.
struct Schrifthoehen {
    int32_t text, sternbild, symbol;
};
// A full chart: 14, 16 and 14 pixels.
constexpr Schrifthoehen VOLLE_SCHRIFT{14, 16, 14};
// The saver's preview: tiny letters for a tiny chart.
constexpr Schrifthoehen VORSCHAU_SCHRIFT{4, 6, 4};
Schrifthoehen schrift_hoehen(int vorschau);

// The declination of the view's centre in degrees from the settings files'
// "Dek" (hundredths of a degree, negated: the declination bar's position).
inline double ansicht_deklination(int32_t dek) { return -dek / 100.0; }
