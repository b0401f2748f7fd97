// The texts of the panel's read-only value fields. Angles are shown in whole
// units and minutes, rounded to the shown precision, with the sign of the
// whole value: -0.50 degrees reads "-00° 30'", never "+00° 30'".
#pragma once

#include <cstddef>

// Hours as "+19h 54.0'" (sign, two-digit hours, minutes to a tenth).
void rekt_text(char* ziel, size_t groesse, double stunden);

// Degrees as "+39° 20'" (sign, two-digit degrees, whole minutes).
void dekl_text(char* ziel, size_t groesse, double grad);

// A field of view in radians as " 37°": whole degrees, truncated.
void feld_text(char* ziel, size_t groesse, double radiant);
