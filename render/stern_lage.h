// Where the engine puts a star or a point of the sky: polar positions under
// the once-per-drawing contract of the berechnet flags, and pixel offsets on
// the chart and overview scales.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dib.h"
#include "himmel.h"
#include "projektion.h"

// True when (klasse, index) names a loaded star; figure lines carry class -1
// for stars that were not found, and nothing from a file indexes unchecked.
bool stern_vorhanden(const Himmel& himmel, int32_t klasse, int32_t index);

// The star's polar position for the current view, computed into polar only
// while its berechnet flag is 0 (and the flag then set); a star whose number
// cannot index berechnet is computed afresh every time.
const PolarPos& stern_polar(Himmel& himmel, int32_t klasse, int32_t index);

// Calls tun(satz, polar) for every star of magnitude class k (0..99) in file
// order, with its position computed for this drawing.
template <typename Tun>
void fuer_sterne_der_klasse(Himmel& himmel, int32_t k, Tun tun) {
    if (!stern_vorhanden(himmel, k, 0)) return;
    for (int32_t i = 0; i < himmel.anzahl[k]; ++i)
        tun(himmel.stern_saetze[k][i], stern_polar(himmel, k, i));
}

enum class Massstab { karte, uebersicht };

// Offsets of a polar position on a chart or overview of radius r (pixels).
Versatz versatz_auf(Massstab massstab, const Himmel& himmel, const PolarPos& p, int32_t r);

// One segment of a layer's lines: into a canvas as a pixel line of the
// layer's colour index, breite pixels thick across its run (a hairline at 96
// dots per inch, skaliert(1, dpi) on the screen); or, without a canvas,
// through dc with its current pen.
struct Strich {
    DIB* bild;
    HDC dc;
    int32_t index;
    int32_t breite = 1;
};
void strich(const Strich& ziel, int32_t r, Versatz a, Versatz b);
