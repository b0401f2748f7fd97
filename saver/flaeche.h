// Where the full-screen saver lies: over every monitor, the whole virtual
// screen, whose origin is left of or above the primary monitor's when a
// monitor lies there (portable: the metrics are handed in).
#pragma once

// A rectangle in screen coordinates, pixels.
struct Flaeche {
    int x, y, breite, hoehe;
};

// The system's metrics: the virtual screen (SM_XVIRTUALSCREEN,
// SM_YVIRTUALSCREEN, SM_CXVIRTUALSCREEN, SM_CYVIRTUALSCREEN) and the primary
// monitor's size (SM_CXSCREEN, SM_CYSCREEN).
struct Bildschirmmasse {
    Flaeche virtuell;
    int primaer_breite, primaer_hoehe;
};

// The virtual screen; the primary monitor at 0,0 when a system reports no
// virtual screen (a size of 0).
Flaeche schoner_flaeche(const Bildschirmmasse& masse);
