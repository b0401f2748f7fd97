// The constellation file loader on arbitrary bytes, over a small catalogue
// (loaded twice: the second load must free the first's names and lines).
#include <cstddef>
#include <cstdint>
#include <string>

#include "himmel.h"
#include "himmel_pruefen.h"

namespace {
// Stars 1 to 4 in three magnitude classes, one with a proper name.
const char STERNE[] =
    "\x01\x00  1alf Ori\x00\x05\x37\x0a\x03\x00\x07\x1a\x05\x32\x00M" "Beteigeuze;\r\n"
    "\x02\x00  2bet Ori\x00\x05\x14\x20\x01\x80\x08\x0b\x0b\x0c\x00" "B\r\n"
    "\x03\x00  1    Tau\x00\x04\x23\x34\x00\x00\x10\x1f\x03\x9b\x01K\r\n"
    "\x04\x00          \x00\x00\x00\x00\x00\x00\x00\x00\x00\xe8\x03G;\r\n";
static_assert(sizeof STERNE - 1 == 4 * 24 + 13 + 2 + 2 + 3, "four whole records");

Himmel* katalog() {
    static Himmel* h = [] {
        Himmel* neu = new Himmel;
        const std::string pfad = als_datei(reinterpret_cast<const uint8_t*>(STERNE),
                                           sizeof STERNE - 1, "sterne");
        if (neu->stern_datei_laden(pfad.c_str()) != 0) __builtin_trap();
        return neu;
    }();
    return h;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string figuren = als_datei(data, size, "figuren");
    Himmel& h = *katalog();
    for (int mal = 0; mal < 2; ++mal) {
        if (h.sternbild_datei_laden(figuren.c_str()) != 0) __builtin_trap();
        himmel_pruefen(h);
    }
    return 0;
}
