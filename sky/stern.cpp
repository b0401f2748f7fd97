#include "stern.h"

int32_t klasse_von(int32_t helligkeit) {
    const int32_t k = (helligkeit + 200) / 10;  // C++ division truncates toward zero
    if (k < 0) return 0;
    if (k > KLASSEN - 1) return KLASSEN - 1;
    return k;
}
