// The colour of a star by its spectral class and magnitude: colour-table
// indices on the panes (10 x family + brightness step) and the fill colour of
// a printed star.
#pragma once

#include <cstdint>

// Families 1..7 for the spectral classes O, B, A, F, G, K, M (upper case
// only); 0 for any other letter.
int32_t farbfamilie(char spektrum);

// Index on the chart: family base, one step per whole magnitude from 5.50
// (helligkeit = magnitude x 100).
int32_t karten_farbindex(char spektrum, int32_t helligkeit);
// Index on the overview: one step per whole magnitude from 5.00.
int32_t uebersicht_farbindex(char spektrum, int32_t helligkeit);

// Fill colour 0x00BBGGRR of a printed star.
uint32_t druck_farbe(char spektrum);
