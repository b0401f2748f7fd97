// Shared by the loader fuzz targets: the fuzz input as a file, and a walk over
// a loaded sky that checks its invariants and exercises views, hit tests and
// texts, so that bad data that loads is used as well.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class Himmel;

// The bytes as a read-only stream in memory (no file on disk), with a buffer
// of its own: stdio would take 4 KB from the heap for each stream, which cost
// more than the loading.
class Speicherdatei {
public:
    Speicherdatei(const uint8_t* data, size_t size);
    ~Speicherdatei();
    Speicherdatei(const Speicherdatei&) = delete;
    Speicherdatei& operator=(const Speicherdatei&) = delete;

    // The stream, at its start.
    std::FILE* von_vorn();

private:
    char puffer_[256];
    std::FILE* datei_;
};

// Traps when a loaded star or constellation breaks an invariant that the
// engine relies on.
void invarianten_pruefen(const Himmel& h);

// The invariants, then five views of what a drawing would compute (nothing
// is drawn): positions, hit tests and texts.
void himmel_pruefen(Himmel& h);
