// The saver's command line on arbitrary bytes, up to the first NUL as the
// system hands it over: one of the five modes, a handle of 32 significant
// bits, the foreground window only for a configuration without a number.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "befehlszeile.h"
#include "pruefe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Exactly as long as the text and its NUL, so that reading past it is caught.
    const std::unique_ptr<char[]> zeile(new char[size + 1]);
    std::memcpy(zeile.get(), data, size);
    zeile[size] = '\0';
    const ScrBefehl b = ScrBefehlZerlegen(zeile.get());
    pruefe(b.modus >= KEIN && b.modus <= EINSTELLEN);
    pruefe(b.eltern == static_cast<int32_t>(b.eltern));
    pruefe(b.vordergrund == 0 || (b.vordergrund == 1 && b.modus == EINSTELLEN && b.eltern == 0));
    pruefe(b.eltern == 0 || b.modus == VORSCHAU || b.modus == EINSTELLEN || b.modus == PASSWORT);
    return 0;
}
