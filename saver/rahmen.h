// What one frame of the saver's sky is made of, apart from the drawing: the
// preview's smaller view and the layers a frame draws (portable: also built
// natively, for a fuzz target). The rest is shared with the star chart
// (karte/): the clock rule of the sidereal time (zeitregeln.h), the centred
// chart square and the preview's font heights (quadrat.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "darstellung.h"
#include "quadrat.h"
#include "schichten.h"
#include "zeitregeln.h"

// A preview shows at most 30 degrees, so that its tiny chart is not crowded.
int32_t ansicht_gesichtsfeld(int32_t gesichtsfeld, int vorschau);

// The layers of one frame: SCHONER_FOLGE of the layer description
// (karte/schichten.h) without the layers that are off at werte.
struct Rahmenschichten {
    std::array<Schicht, std::size(SCHONER_FOLGE)> schicht;  // as long as the order itself
    size_t anzahl;
};
Rahmenschichten rahmen_schichten(const Darstellung& werte);
