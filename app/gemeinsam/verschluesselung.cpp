#include "gemeinsam/verschluesselung.h"

namespace verschluesselung {

namespace {

// Unscrambles one record at satz, which has platz bytes up to the block's end.
// Returns the record's size, or 0 when it does not check.
size_t satz_entschluesseln(char* satz, size_t platz, int32_t nummer) {
    if (platz < KOPF + 1) return 0;
    uint32_t z = anfang(nummer);
    mischen(satz, KOPF, z);
    const size_t l = static_cast<uint8_t>(satz[0]) | static_cast<size_t>(static_cast<uint8_t>(satz[1])) << 8;
    const uint16_t p = static_cast<uint16_t>(static_cast<uint8_t>(satz[2]) | static_cast<uint8_t>(satz[3]) << 8);
    if (l > platz - KOPF - 1) return 0;
    mischen(satz + KOPF, l, z);
    if (satz[KOPF + l] != 0 || pruefsumme(satz + KOPF, l, nummer) != p) return 0;
    return KOPF + l + 1;
}

}  // namespace

int32_t entschluesseln(char* block, size_t groesse, const char** texte, int32_t anzahl) {
    size_t pos = 0;
    int32_t i = 0;
    for (; i < anzahl; ++i) {
        const size_t satz = satz_entschluesseln(block + pos, groesse - pos, i);
        if (satz == 0) break;
        texte[i] = block + pos + KOPF;
        pos += satz;
    }
    if (i == anzahl && pos == groesse) return 0;
    for (int32_t k = 0; k < anzahl; ++k) texte[k] = "";
    return -1;
}

}  // namespace verschluesselung
