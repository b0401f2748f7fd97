#include "farben.h"

namespace {

uint32_t skaliert(int32_t kanal, double s) {
    // Through 64 bits: a stored intensity may be any 32-bit number, and the
    // product must not overflow the conversion before it is cut to a byte.
    return static_cast<uint32_t>(static_cast<int64_t>(kanal * s) & 0xFF);
}

}  // namespace

uint32_t skalierte_farbe(const Darstellung& d, Ebene ebene) {
    const Rgb& f = d.farbe[ebene];
    const double s = staerke_anteil(d, ebene);
    return skaliert(f.rot, s) | skaliert(f.gruen, s) << 8 | skaliert(f.blau, s) << 16;
}

uint32_t ebenen_eintrag(const Darstellung& d, Ebene ebene) {
    return sichtbar(d, ebene) ? skalierte_farbe(d, ebene) : farbwert(d.hintergrund);
}
