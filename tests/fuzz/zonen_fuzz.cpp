// The zones file on arbitrary bytes: either refused and empty, or every zone
// has transitions ascending from the table's start with types of its own, and
// offsets and abbreviations in range; then civil time and UTC at each zone
// agree with each other at a few instants inside and outside the table.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "ortszeit.h"
#include "pruefe.h"
#include "speicherdatei.h"
#include "zonen.h"

namespace {

void typ_pruefen(const ZonenTyp& t) {
    pruefe(t.versatz >= -ZONEN_VERSATZ_MAX && t.versatz <= ZONEN_VERSATZ_MAX);
    const size_t n = strnlen(t.abk, sizeof t.abk);
    pruefe(n >= 1 && n <= ZONEN_ABK);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Speicherdatei datei(data, size);
    Zonen zonen;
    if (zonen_lesen(datei.von_vorn(), zonen) != ZEIT_OK) {
        pruefe(zonen.anzahl() == 0);
        return 0;
    }
    for (int32_t i = 0; i < zonen.anzahl(); ++i) {
        const Zone& z = *zonen.zone(i);
        pruefe(z.wechsel >= 1 && z.typen >= 1);
        typ_pruefen(z.regel.normal);
        if (z.regel.mit_sommerzeit) typ_pruefen(z.regel.sommer);
        pruefe(zonen.uebergang(z, 0)->utc == ZONEN_TABELLE_ANFANG);
        for (int32_t w = 0; w < z.wechsel; ++w) {
            const ZonenUebergang& u = *zonen.uebergang(z, w);
            pruefe(u.utc < ZONEN_TABELLE_ENDE && (w == 0 || u.utc > zonen.uebergang(z, w - 1)->utc));
            pruefe(zonen.typ(z, u.typ) != nullptr);
        }
        for (int32_t t = 0; t < z.typen; ++t) typ_pruefen(*zonen.typ(z, t));
        pruefe(zonen.zone_index(z.name) == i);

        // A civil time read back from an instant names that instant or, in
        // a time the clocks repeat or skip, one at most the jump away: up to
        // twice the largest offset where two extreme types meet (also where
        // the rule before 1970 meets the table).
        for (int64_t utc : {int64_t{-5364662400}, int64_t{0}, int64_t{1000000000}, int64_t{4102444800}}) {
            Datum d{};
            Uhrzeit u{};
            ZonenAngabe a{};
            if (ortszeit_aus_utc(zonen, i, utc, d, u, &a) != ZEIT_OK) continue;
            ZonenTyp t{a.versatz, a.sommerzeit, {}};
            std::memcpy(t.abk, a.abk, sizeof t.abk);
            typ_pruefen(t);
            int64_t zurueck = 0;
            pruefe(utc_aus_ortszeit(zonen, i, d, u, zurueck) == ZEIT_OK);
            const int64_t abstand = zurueck - (utc - utc % 60 - (utc % 60 < 0 ? 60 : 0));
            pruefe(abstand >= -2 * ZONEN_VERSATZ_MAX && abstand <= 2 * ZONEN_VERSATZ_MAX);
        }
    }
    return 0;
}
