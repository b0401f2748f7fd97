// The shipped zones file, data/Zonen.dat, read for a test.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>

#include "zonen.h"

// Reads the shipped file into zonen; a file that is missing or refused ends
// the calling test (wrap the call in ASSERT_NO_FATAL_FAILURE).
inline void gelieferte_zonen_lesen(Zonen& zonen) {
    FILE* datei = std::fopen(VARNIS_TEST_DATA "/Zonen.dat", "rb");
    ASSERT_NE(datei, nullptr);
    const int32_t ergebnis = zonen_lesen(datei, zonen);
    std::fclose(datei);
    ASSERT_EQ(ergebnis, ZEIT_OK);
}
