// The fuzz targets' check: a broken expectation ends the run as a crash, so
// that the fuzzer keeps the input, and names the file and line it broke at.
#pragma once

#include <cstdio>

inline void pruefe(bool bedingung, const char* datei = __builtin_FILE(), int zeile = __builtin_LINE()) {
    if (bedingung) return;
    std::fprintf(stderr, "pruefe: %s:%d\n", datei, zeile);
    __builtin_trap();
}
