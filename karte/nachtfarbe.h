// Night mode: every colour of the star chart program as dim red on black,
// for use beside a telescope, where white or blue light spoils the eyes'
// dark adaptation. One rule turns any screen colour into its night colour,
// so the night scheme is no second copy of the colour tables: the chart's
// and the overview's table, the panel and the popup all go through it.
#pragma once

#include <cstdint>

// The red of full white: the brightest thing the program shows at night (a
// white star of the chart). Dim, as red night lights are.
constexpr int32_t NACHT_ROT_MAX = 208;

// A colour 0x00BBGGRR as night red: its luminance (ITU-R BT.601 weights, so
// that a blue and a yellow star of one magnitude stay equally bright) on the
// red channel up to NACHT_ROT_MAX, no green and no blue. Black stays black.
uint32_t nachtfarbe(uint32_t farbe);
