// The fuzz input as a file, for the readers that take one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

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
