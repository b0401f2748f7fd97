// The constellation file loader on arbitrary bytes, over a small catalogue
// kept for the whole run: the constellations and the views of them; then an
// empty file in their place, which must free every name and line. So nothing
// of an input stays behind, and the fuzzer need not look for leaks after
// every run.
#include <cstddef>
#include <cstdint>

#include "himmel.h"
#include "himmel_pruefen.h"
#include "speicherdatei.h"
#include "pruefe.h"

namespace {
// Stars 1 to 4 in three magnitude classes, one with a proper name.
const char STERNE[] =
    "\x01\x00  1alf Ori\x00\x05\x37\x0a\x03\x00\x07\x1a\x05\x32\x00M" "Beteigeuze;\r\n"
    "\x02\x00  2bet Ori\x00\x05\x14\x20\x01\x80\x08\x0b\x0b\x0c\x00" "B\r\n"
    "\x03\x00  1    Tau\x00\x04\x23\x34\x00\x00\x10\x1f\x03\x9b\x01K\r\n"
    "\x04\x00          \x00\x00\x00\x00\x00\x00\x00\x00\x00\xe8\x03G;\r\n";
static_assert(sizeof STERNE - 1 == 4 * 24 + 13 + 2 + 2 + 3, "four whole records");

Himmel& katalog() {
    static Himmel* h = [] {
        Himmel* neu = new Himmel;
        Speicherdatei sterne(reinterpret_cast<const uint8_t*>(STERNE), sizeof STERNE - 1);
        neu->sterne_lesen(sterne.von_vorn());
        return neu;
    }();
    return *h;
}
const uint8_t NICHTS = 0;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Himmel& h = katalog();
    Speicherdatei figuren(data, size);
    h.sternbilder_lesen(figuren.von_vorn());
    himmel_pruefen(h);

    static Speicherdatei leer(&NICHTS, 0);
    h.sternbilder_lesen(leer.von_vorn());
    invarianten_pruefen(h);
    pruefe(h.sternbild_anzahl == 0 && h.sternbilder == nullptr);
    return 0;
}
