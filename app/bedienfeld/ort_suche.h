// Which place of the list lies at a declination: the view centre is the
// zenith, so a place whose latitude equals the declination is where the
// chart is seen overhead.
#pragma once

#include <cstdint>

// The index of the last place whose latitude lies within 0.10 degrees of
// dekl, else the last within 1.00 degree, else -1. Latitudes and dekl in
// hundredths of a degree.
int32_t ort_suchen(const int32_t* breiten, int32_t anzahl, int32_t dekl);
