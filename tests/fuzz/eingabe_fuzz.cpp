// The dialog's and the command line's dates and times on arbitrary text: a
// text taken is a date of the range that exists (a time of the day), and
// written back in the same form it reads as the same; a refused one leaves
// the output unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "eingabe.h"
#include "pruefe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first byte picks the shown year for "TT.MM.", anywhere around the range.
    const int32_t jahr = JAHR_MIN - 10 + data[0] * 2;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);  // stops at a NUL

    Datum d{0, 0, 0};
    const int32_t e = datum_lesen(text.c_str(), jahr, d);
    pruefe(e == ZEIT_OK || e == ZEIT_FORM || e == ZEIT_UNMOEGLICH || e == ZEIT_BEREICH);
    if (e == ZEIT_OK) {
        pruefe(datum_pruefen(d) == ZEIT_OK);
        char wieder[32];
        std::snprintf(wieder, sizeof wieder, "%d.%d.%d", d.tag, d.monat, d.jahr);
        Datum z{};
        pruefe(datum_lesen(wieder, 0, z) == ZEIT_OK && z.jahr == d.jahr && z.monat == d.monat && z.tag == d.tag);
    } else {
        pruefe(d.jahr == 0 && d.monat == 0 && d.tag == 0);
    }

    Uhrzeit u{-1, -1};
    const int32_t f = uhrzeit_lesen(text.c_str(), u);
    pruefe(f == ZEIT_OK || f == ZEIT_FORM || f == ZEIT_UNMOEGLICH);
    if (f == ZEIT_OK) pruefe(uhrzeit_pruefen(u) == ZEIT_OK);
    else pruefe(u.stunde == -1 && u.minute == -1);
    return 0;
}
