// The fuzz targets' check: a broken expectation ends the run as a crash, so
// that the fuzzer keeps the input.
#pragma once

inline void pruefe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}
