#include "vektor.h"

#include <cmath>

Vektor3 einheitsvektor(double rekt, double dekl) {
    // Extended precision for the trigonometry, float32 for storage.
    const long double a = rekt * (1.0 / 12.0) * PI;
    const long double t = (90.0 - dekl) * (1.0 / 180.0) * PI;
    return Vektor3{static_cast<float>(cosl(a) * sinl(t)),
                   static_cast<float>(sinl(a) * sinl(t)),
                   static_cast<float>(cosl(t))};
}
