// The search on arbitrary typed text over the shipped catalogue: a find
// names a loaded object, its text is ended, valid UTF-8 and within its
// buffer; the suggestions stay within their count, each a loaded object,
// and the whole find comes first among them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "himmelssuche.h"
#include "koerper.h"
#include "pruefe.h"
#include "utf8.h"

namespace {

const Himmel& himmel() {
    static Himmel h;
    static const bool geladen = h.stern_datei_laden(VARNIS_DATEN "/VARNIS.DAT") == 0 &&
                                h.sternbild_datei_laden(VARNIS_DATEN "/STBILDER.DAT") == 0;
    pruefe(geladen);
    return h;
}

void fund_pruefen(const Himmel& h, const Fund& f) {
    switch (f.art) {
    case Fundart::KEINER: return;
    case Fundart::STERN:
        pruefe(f.klasse >= 0 && f.klasse < KLASSEN && f.index >= 0 && f.index < h.anzahl[f.klasse]);
        break;
    case Fundart::STERNBILD: pruefe(f.index >= 0 && f.index < h.sternbild_anzahl); break;
    case Fundart::KOERPER: pruefe(f.index >= 0 && f.index < KOERPER_ANZAHL); break;
    }
    const size_t laenge = strnlen(f.text, FUND_TEXT);
    pruefe(laenge > 0 && laenge < static_cast<size_t>(FUND_TEXT));
    uint32_t zeichen;
    for (size_t i = 0, n; i < laenge; i += n) {
        n = utf8_zeichen(f.text, laenge, i, zeichen);
        pruefe(n > 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Himmel& h = himmel();
    const std::string text(reinterpret_cast<const char*>(data), size);  // stops at a NUL
    const Fund ganz = himmel_finden(h, text.c_str());
    fund_pruefen(h, ganz);
    Fund funde[6];
    const int32_t n = himmel_vorschlaege(h, text.c_str(), funde, 6);
    pruefe(n >= 0 && n <= 6);
    for (int32_t i = 0; i < n; ++i) fund_pruefen(h, funde[i]);
    if (ganz.art != Fundart::KEINER)
        pruefe(n > 0 && funde[0].art == ganz.art && funde[0].index == ganz.index && funde[0].klasse == ganz.klasse);
    return 0;
}
