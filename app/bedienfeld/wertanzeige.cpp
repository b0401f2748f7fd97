#include "bedienfeld/wertanzeige.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "vektor.h"

namespace {

// |wert| in units of 1/teile, rounded. Shown values stay far below the int32
// range (24 h are 14400 tenths of a minute); a larger magnitude or NaN shows 0.
int32_t in_teilen(double wert, int32_t teile) {
    const double t = std::fabs(wert) * teile;
    return t < 1.0e9 ? static_cast<int32_t>(std::lround(t)) : 0;
}

// The sign of the value itself, not of its whole units, which are 0 for
// every value between -1 and 1.
char vorzeichen(double wert, int32_t teile) { return wert < 0 && teile != 0 ? '-' : '+'; }

}  // namespace

void rekt_text(char* ziel, size_t groesse, double stunden) {
    const int32_t zehntel = in_teilen(stunden, 600);  // tenths of a minute
    snprintf(ziel, groesse, "%c%02dh %02d.%d'", vorzeichen(stunden, zehntel), zehntel / 600,
             zehntel % 600 / 10, zehntel % 10);
}

void dekl_text(char* ziel, size_t groesse, double grad) {
    const int32_t minuten = in_teilen(grad, 60);
    snprintf(ziel, groesse, "%c%02d° %02d'", vorzeichen(grad, minuten), minuten / 60,
             minuten % 60);
}

void feld_text(char* ziel, size_t groesse, double radiant) {
    // The field of view is set in whole degrees and comes back through
    // radians a hair below them; the margin keeps 37 from reading 36.
    const double grad = radiant * 180.0 / PI + 1e-7;
    const int32_t ganz = std::fabs(grad) < 1.0e9 ? static_cast<int32_t>(grad) : 0;
    snprintf(ziel, groesse, "% 3d°", ganz);
}
