// Shared set-up of the window tests: a fresh Instanz with registered classes
// for every test, and a message pump that always ends.
#pragma once

#include "instanz.h"

#include <gtest/gtest.h>
#include <windows.h>

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
