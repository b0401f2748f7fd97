// Shared set-up of the window tests: a fresh Instanz with registered classes
// for every test, and a message pump that always ends.
#pragma once

#include "farbgebung.h"
#include "instanz.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

class FensterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Handles waiting messages (through the dialogs' keyboard filter) for a
    // few short rounds, so that posted input, painting and the window
    // system's own events have arrived.
    void pumpen(int runden = 5);

    Instanz* instanz = nullptr;
};

// A top-level dialog of the given client size, without frame or caption.
constexpr DWORD NUR_FLAECHE = WS_POPUP | WS_VISIBLE;
constexpr DWORD KIND = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

// A colour scheme of dim reds on black (face, field, text 160, shadow,
// light, disabled text).
constexpr COLORREF rot(int32_t r) { return RGB(r, 0, 0); }
constexpr Farbgebung ROT{rot(0), rot(28), rot(160), rot(56), rot(80), rot(88)};

// Expects every pixel (0x00RRGGBB) red with green and blue at most an
// eighth of it; the number of pixels in ROT's text colour, -1 at the first
// that is not red.
int32_t nur_rot(const std::vector<uint32_t>& pixel, const char* was);
