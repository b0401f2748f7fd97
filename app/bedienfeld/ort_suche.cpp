#include "bedienfeld/ort_suche.h"

namespace {

int32_t letzter_innerhalb(const int32_t* breiten, int32_t anzahl, int32_t dekl, int32_t toleranz) {
    for (int32_t i = anzahl - 1; i >= 0; --i) {
        const int64_t abstand = static_cast<int64_t>(dekl) - breiten[i];
        if (abstand >= -toleranz && abstand <= toleranz) return i;
    }
    return -1;
}

}  // namespace

int32_t ort_suchen(const int32_t* breiten, int32_t anzahl, int32_t dekl) {
    const int32_t genau = letzter_innerhalb(breiten, anzahl, dekl, 10);
    return genau >= 0 ? genau : letzter_innerhalb(breiten, anzahl, dekl, 100);
}
