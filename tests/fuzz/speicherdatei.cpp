#include "speicherdatei.h"

Speicherdatei::Speicherdatei(const uint8_t* data, size_t size)
    // Read only: the stream never writes into the fuzzer's bytes.
    : datei_(fmemopen(const_cast<uint8_t*>(data), size, "rb")) {
    if (datei_ == nullptr) __builtin_trap();
    std::setvbuf(datei_, puffer_, _IOFBF, sizeof puffer_);
}

Speicherdatei::~Speicherdatei() {
    std::fclose(datei_);
}

std::FILE* Speicherdatei::von_vorn() {
    std::rewind(datei_);
    return datei_;
}
