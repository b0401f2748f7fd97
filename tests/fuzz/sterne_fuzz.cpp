// The star file loader on arbitrary bytes: the catalogue, a constellation file
// resolved over it and the views of it; then an empty catalogue in its place,
// which must free every star and leave every figure line unresolved. One sky
// serves the whole run: each input leaves it with no stars and the same
// constellations, so nothing of an input stays behind and the fuzzer need not
// look for leaks after every run.
#include <cstddef>
#include <cstdint>

#include "himmel.h"
#include "himmel_pruefen.h"
#include "speicherdatei.h"

namespace {
// A constellation over star numbers 1 to 4, so that its lines resolve where
// the catalogue has those stars.
const char FIGUREN[] =
    "Ori;Orion;Orion;5.5;2\r\n"
    "\x01\x00\x02\x00\x02\x00\x03\x00\x03\x00\x04\x00\x00\x00\x00\x00\r\n";
const uint8_t NICHTS = 0;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Himmel h;
    static Speicherdatei figuren(reinterpret_cast<const uint8_t*>(FIGUREN), sizeof FIGUREN - 1);
    static Speicherdatei leer(&NICHTS, 0);
    Speicherdatei sterne(data, size);
    h.sterne_lesen(sterne.von_vorn());
    h.sternbilder_lesen(figuren.von_vorn());
    himmel_pruefen(h);
    h.sterne_lesen(leer.von_vorn());
    invarianten_pruefen(h);
    return 0;
}
