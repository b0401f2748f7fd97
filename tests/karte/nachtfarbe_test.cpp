#include <gtest/gtest.h>

#include <cstdint>

#include "nachtfarbe.h"

namespace {

uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

// Red only, as bright as the colour's luminance: white at the night's
// brightest, black black, green brighter than red brighter than blue.
TEST(Nachtfarbe, RotNachHelligkeit) {
    const struct {
        uint32_t farbe;
        uint32_t nacht;
    } faelle[] = {
        {rgb(255, 255, 255), NACHT_ROT_MAX},
        {rgb(0, 0, 0), 0},
        {rgb(255, 0, 0), 62},    // 0.299 * 208
        {rgb(0, 255, 0), 122},   // 0.587 * 208
        {rgb(0, 0, 255), 24},    // 0.114 * 208
        {rgb(0, 0, 64), 6},      // the chart's dark blue background: nearly black
        {rgb(128, 128, 128), 104},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.nacht, nachtfarbe(f.farbe)) << std::hex << f.farbe;
}

// Every colour: no green, no blue, never above the brightest star's red, and
// a brighter colour never darker at night.
TEST(Nachtfarbe, NieGruenOderBlauNieHellerAlsWeiss) {
    for (uint32_t r = 0; r < 256; r += 5) {
        for (uint32_t g = 0; g < 256; g += 5) {
            for (uint32_t b = 0; b < 256; b += 5) {
                const uint32_t n = nachtfarbe(rgb(r, g, b) | 0xFF000000u);  // high byte ignored
                ASSERT_EQ(n & 0xFFFF00u, 0u) << r << "," << g << "," << b;
                ASSERT_LE(n, static_cast<uint32_t>(NACHT_ROT_MAX));
                ASSERT_LE(n, nachtfarbe(rgb(r + 1 < 256 ? r + 1 : r, g, b)));
            }
        }
    }
}

}  // namespace
