#include "beschaedigte_kataloge.h"

#include <cstdint>
#include <cstring>

#include "ini_datei.h"

namespace {

std::string zufall(size_t laenge) {
    std::string b(laenge, '\0');
    uint32_t saat = 1;
    for (char& c : b) {
        saat = saat * 1664525u + 1013904223u;  // a linear congruential sequence
        c = static_cast<char>(saat >> 24);
    }
    return b;
}

// The first record's hour 24 in the star file; in the constellation file
// the first figure item's first star number 10000.
std::string wert_falsch(const char* name, std::string b) {
    if (std::strcmp(name, "VARNIS.DAT") == 0) {
        b[13] = 24;
    } else {
        const size_t posten = b.find('\n') + 1;
        b[posten] = static_cast<char>(10000 & 0xFF);
        b[posten + 1] = static_cast<char>(10000 >> 8);
    }
    return b;
}

}  // namespace

std::vector<BeschaedigteDatei> beschaedigte_kataloge(const char* name) {
    const std::string b = datei_lesen(std::string(VARNIS_TEST_DATA) + "/" + name);
    return {
        {"empty", ""},
        // The start of the first entry again at the end: the file ends inside it.
        {"cut short", b + b.substr(0, 10)},
        {"random bytes", zufall(4096)},
        {"value out of range", wert_falsch(name, b)},
    };
}
