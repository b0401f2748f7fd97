// The star file loader on arbitrary bytes, loaded twice into one sky (the
// second load must free the first), then a constellation file over it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "himmel.h"
#include "himmel_pruefen.h"

namespace {
// Two constellations over star numbers 1 to 4, so that some figures resolve.
const char FIGUREN[] =
    "Ori;Orion;Orion;5.5;2\r\n\x01\x00\x02\x00\x02\x00\x03\x00\x00\x00\x00\x00\r\n"
    "Tau;Taurus;Stier;4.5;15\r\n\x03\x00\x04\x00\xff\xff\x00\x00\r\n";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string sterne = als_datei(data, size, "sterne");
    static const std::string figuren = als_datei(reinterpret_cast<const uint8_t*>(FIGUREN),
                                                 sizeof FIGUREN - 1, "figuren");
    Himmel h;
    if (h.stern_datei_laden(sterne.c_str()) != 0) __builtin_trap();
    if (h.sternbild_datei_laden(figuren.c_str()) != 0) __builtin_trap();
    if (h.stern_datei_laden(sterne.c_str()) != 0) __builtin_trap();
    himmel_pruefen(h);
    if (h.sternbild_datei_laden(figuren.c_str()) != 0) __builtin_trap();
    himmel_pruefen(h);
    return 0;
}
