// How a chart is coloured: the intensity and colour of each of the four
// layers and the background colour, as the "Anzeige" and "Farben" sections
// of the settings files keep them, whether the Sun, the Moon and the planets
// are drawn, and whether the window is in night mode. Both programs draw from it.
#pragma once

#include <cstdint>

// The four chart layers with an intensity and a colour of their own, in the
// order of the "Anzeige" keys.
enum Ebene : int32_t { STERNBILDER, STERNBILDNAMEN, STERNNAMEN, HILFSLINIEN, EBENEN };

struct Rgb {
    int32_t rot, gruen, blau;  // 0..255 (the low 8 bits of the stored value)
};

struct Darstellung {
    // "Anzeige": intensity of each layer in percent, 0..100 as read
    int32_t staerke_prozent[EBENEN];
    // "Farben"
    Rgb hintergrund;
    Rgb farbe[EBENEN];
    // "Anzeige", key "Planeten": 1 the Sun, the Moon and the planets are
    // drawn, 0 not (a key after the 26 of every version; default 1).
    int32_t koerper;
    // "Anzeige", key "Nachtmodus": 1 the star chart program's window shows
    // everything in dim red on black (karte/nachtfarbe.h), 0 its screen
    // colours (after the 26 too; default 0). The saver never draws in it.
    int32_t nacht;
};
