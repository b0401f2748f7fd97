// The colours of the chart layers as the settings give them: each layer's
// colour scaled by its intensity. The drawing calls of a layer and its
// colour-table entry use the same value, so a text drawn in that colour
// lands on the layer's entry and dims with it.
#pragma once

#include <cstdint>

#include "darstellung.h"

// 0x00BBGGRR
inline uint32_t farbwert(const Rgb& f) {
    return static_cast<uint32_t>(f.rot & 0xFF) | static_cast<uint32_t>(f.gruen & 0xFF) << 8 |
           static_cast<uint32_t>(f.blau & 0xFF) << 16;
}

// Intensity of a layer as a share, percent / 100: 0.00..1.00 for values read
// from a file, which are bounded (einstellungen_begrenzen); not clamped here.
inline double staerke_anteil(const Darstellung& d, Ebene ebene) {
    return d.staerke_prozent[ebene] / 100.0;
}

// A layer is drawn only when its intensity is above 0.
inline bool sichtbar(const Darstellung& d, Ebene ebene) { return d.staerke_prozent[ebene] > 0; }

// Each channel times the intensity, truncated toward zero, low 8 bits: an
// intensity above 1.00 wraps the channel instead of saturating it.
uint32_t skalierte_farbe(const Darstellung& d, Ebene ebene);

// The colour-table entry of a layer: its scaled colour while it is drawn,
// the background colour while it is off.
uint32_t ebenen_eintrag(const Darstellung& d, Ebene ebene);
