#include "nachtfarbe.h"

uint32_t nachtfarbe(uint32_t farbe) {
    const uint32_t rot = farbe & 0xFF, gruen = farbe >> 8 & 0xFF, blau = farbe >> 16 & 0xFF;
    const uint32_t helligkeit = 299 * rot + 587 * gruen + 114 * blau;  // 0..255000
    return (helligkeit * NACHT_ROT_MAX + 127500) / 255000;             // rounded
}
