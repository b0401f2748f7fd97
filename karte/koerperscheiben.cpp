#include "koerperscheiben.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "gestirne.h"

namespace {

// The overview is small: its brightest discs stay at 3 pixels (at 96 dots
// per inch), a little larger than its brightest stars'.
constexpr int32_t UEBERSICHT_GROESSTER = 3;
// The mouse finds a disc smaller than this (pixels at 96 dots per inch) as
// if it were this large.
constexpr int32_t FANGRADIUS = 3;

// Magnitude x 100 as the star tables count it.
int32_t hundertstel(double helligkeit) {
    return static_cast<int32_t>(std::lround(std::clamp(helligkeit, -100.0, 100.0) * 100));
}

}  // namespace

Koerperscheibe koerperscheibe(const Himmel& himmel, const Koerperlage& lage, int32_t art,
                              Scheibenziel ziel, int32_t r, int32_t dpi) {
    const Koerper& k = lage.koerper[art];
    const int32_t h = hundertstel(k.helligkeit);
    dpi = dpi_begrenzt(dpi);
    // A bright body's pixels beyond the star disc grow with the screen's
    // dots per inch as the disc does (whole pixels: 1 up to 143, 2 from 144).
    const int32_t zugabe = skaliert(1, dpi);
    Koerperscheibe s{};
    switch (ziel) {
        case Scheibenziel::KARTE:
            s.ort = koerperort(himmel, k, Kartenart::KARTE, r);
            s.radius = scheibenradius(k, art, karten_sternradius(h, dpi), zugabe, s.ort.massstab);
            break;
        case Scheibenziel::UEBERSICHT:
            s.ort = koerperort(himmel, k, Kartenart::UEBERSICHT, r);
            s.radius = std::min(skaliert(UEBERSICHT_GROESSTER, dpi),
                                scheibenradius(k, art, uebersicht_sternradius(h, dpi), zugabe, s.ort.massstab));
            break;
        case Scheibenziel::DRUCK:
            // The printed circles grow by 2 printer pixels a magnitude.
            s.ort = koerperort(himmel, k, Kartenart::KARTE, r);
            s.radius = scheibenradius(k, art, druck_sternradius(h), 2, s.ort.massstab);
            break;
    }
    return s;
}

Zeichenfolge zeichenfolge(const Koerperlage& lage) {
    Zeichenfolge f{};
    for (int32_t i = 0; i < KOERPER_ANZAHL; ++i) f.art[i] = i;
    std::stable_sort(std::begin(f.art), std::end(f.art), [&](int32_t a, int32_t b) {
        return lage.koerper[a].abstand > lage.koerper[b].abstand;
    });
    return f;
}

int32_t koerper_suchen(const Himmel& himmel, const Koerperlage& lage, int32_t x, int32_t y,
                       int32_t r, int32_t dpi) {
    const Zeichenfolge folge = zeichenfolge(lage);
    const int32_t fangradius = skaliert(FANGRADIUS, dpi_begrenzt(dpi));
    for (int32_t i = KOERPER_ANZAHL - 1; i >= 0; --i) {
        const int32_t art = folge.art[i];
        const Koerperscheibe s = koerperscheibe(himmel, lage, art, Scheibenziel::KARTE, r, dpi);
        if (!s.ort.im_quadrat) continue;
        const double fang = std::max(s.radius, fangradius);
        if (std::hypot(x - (r + s.ort.dx), y - (r - s.ort.dy)) <= fang) return art;
    }
    return -1;
}
