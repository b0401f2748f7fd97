// When a fixed point of the sky (a star, a constellation's label point)
// rises and sets at a place on one civil day, by the convention of the
// bodies' day (koerper/tageslauf.h): its centre 34' below the geometric
// horizon. The point is the catalogue's J2000 direction, the horizon that of
// the zenith the chart is centred on (zeit/himmelszeit.h), so the times
// belong to the chart as drawn. Portable.
#pragma once

#include <cstdint>

#include "tageslauf.h"

// The day that begins at anfang (UTC seconds) and lasts tageslaenge seconds
// (3600..172800), for the direction rekt (hours), dekl (degrees) at breite
// (degrees north, -90..90), laenge (degrees east, -180..180). The altitude is
// sampled every 10 minutes and a crossing placed between two samples
// linearly (the error stays below a minute of time); no culmination.
// KOERPER_OK and lauf filled; KOERPER_BEREICH for a value out of range or an
// instant outside the time scales' years (lauf unchanged).
int32_t sternlauf(int64_t anfang, double tageslaenge, double breite, double laenge, double rekt,
                  double dekl, Tageslauf& lauf);
