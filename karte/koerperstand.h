// The Sun, the Moon and the planets of the instant a chart shows, computed
// once per instant and place: a chart is drawn many times at one moment (the
// screen's stages, the popup, every output of the menu, the saver's frames
// within a minute). Portable.
#pragma once

#include <cstdint>

#include "koerper.h"
#include "moment.h"

class Koerperstand {
public:
    // The bodies at utc (UTC seconds since 1970) seen from breite (degrees
    // north) and laenge (degrees east); null when the instant lies outside
    // the time scales' years or the place outside its ranges. Computed anew
    // only when utc, breite or laenge differ from the last call's.
    const Koerperlage* bei(int64_t utc, double breite, double laenge);

private:
    bool berechnet = false;  // for utc_, breite_, laenge_ (successfully or not)
    bool gueltig = false;
    int64_t utc_ = 0;
    double breite_ = 0, laenge_ = 0;
    Koerperlage lage{};
};

// The bodies of moment (its civil date and time at its place, its zone one
// of zonen) from stand; null as Koerperstand::bei, or for a moment that
// names no instant.
const Koerperlage* koerper_des_moments(Koerperstand& stand, const Zonen& zonen, const Moment& moment);
