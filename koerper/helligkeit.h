// Visual magnitudes of the bodies from their geometry.
#pragma once

#include <cstdint>

#include "ephemeride.h"

// The V magnitude of body art at place ort (its Sun and observer distances),
// phasenwinkel (degrees 0..180) and Julian year jahr (2000.0 = J2000; only
// Neptune's brightness changed with time).
double helligkeit(int32_t art, const Ort& ort, double phasenwinkel, double jahr);
