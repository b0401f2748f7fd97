// Shared by the loader fuzz targets: the fuzz input as a file, and a walk over
// a loaded sky that checks its invariants and exercises views, hit tests and
// texts, so that bad data that loads is used as well.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Himmel;

// Writes the bytes to this process's own temporary file; returns its path.
std::string als_datei(const uint8_t* data, size_t size, const char* name);

// Traps when a loaded star or constellation breaks an invariant that the
// engine relies on; then draws nothing but computes what a drawing would.
void himmel_pruefen(Himmel& h);
