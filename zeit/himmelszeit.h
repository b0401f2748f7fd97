// The sky overhead at a place and instant: the apparent local sidereal time
// and the zenith carried into the catalogue's frame J2000.
#pragma once

#include <cstdint>

#include "ergebnis.h"
#include "zeitskalen.h"

// Apparent local sidereal time (IAU 2006/2000A) at longitude laenge (degrees
// east, -180..180): hours, [0, 24). ZEIT_OK; ZEIT_BEREICH for a longitude out
// of range (stunden unchanged).
int32_t sternzeit(const Zeitskalen& skalen, double laenge, double& stunden);

// The zenith of the date at (breite degrees north -90..90, laenge degrees east
// -180..180): right ascension = apparent local sidereal time, declination =
// latitude in the true equator and equinox of the date, carried by precession
// and nutation (IAU 2006/2000A) into J2000 (the astrometric direction, with no
// aberration; the frame of the star catalogue). rekt hours [0, 24), dekl
// degrees -90..90. ZEIT_OK; ZEIT_BEREICH for a place out of range.
int32_t zenit_j2000(const Zeitskalen& skalen, double breite, double laenge, double& rekt,
                    double& dekl);
