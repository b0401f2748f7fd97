// The colour-table indices of a chart canvas, one for each layer and mark
// that is drawn by index: what the engine writes into a canvas's pixels and
// what the colour tables (karte/leinwand.h) give a colour. One write to an
// entry recolours everything drawn with it.
#pragma once

#include <cstdint>

constexpr int32_t INDEX_HINTERGRUND = 0;
// 10 x family (1..7 for O, B, A, F, G, K, M) + brightness step 0..9: the
// stars (render/sternfarben.h).
constexpr int32_t GITTER_INDEX = 96;     // the coordinate grid's lines
constexpr int32_t INDEX_FELD = 100;      // the field-of-view square on the overview
constexpr int32_t FIGUREN_INDEX = 128;   // the constellation figures' lines
constexpr int32_t INDEX_BILDNAMEN = 129; // the constellation names
constexpr int32_t INDEX_STERNNAMEN = 130;
// The Sun, the Moon and the planets: INDEX_KOERPER + their KoerperArt
// (0..8), and the Moon's unlit part.
constexpr int32_t INDEX_KOERPER = 140;
constexpr int32_t INDEX_MOND_NACHT = 149;
constexpr int32_t INDEX_KARTENTEXT = 254;  // the chart caption
constexpr int32_t INDEX_FREI = 255;        // drawn by no layer
