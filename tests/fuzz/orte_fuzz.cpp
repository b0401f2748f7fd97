// The places file on arbitrary bytes: every place kept has a name (at most 48
// characters, no separator in it) and a latitude of the declination bar's
// range, and there are no more places than lines; then the panel's search
// for the place of a declination, which names a place of the list or none,
// and the command line's search by name, which finds a place's own name at
// that place or before it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bedienfeld/ort_suche.h"
#include "bedienfeld/orte.h"
#include "pruefe.h"
#include "speicherdatei.h"
#include "wertebereich.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Speicherdatei datei(data, size);
    Orte orte;
    orte_lesen(datei.von_vorn(), orte);

    const int32_t n = orte.anzahl();
    const size_t zeilen = 1 + static_cast<size_t>(std::count(data, data + size, '\n'));
    pruefe(n >= 0 && static_cast<size_t>(n) <= zeilen && n <= ORTE_MAX);
    pruefe(orte.ort(-1) == nullptr && orte.ort(n) == nullptr);
    std::vector<int32_t> breiten;
    for (int32_t i = 0; i < n; ++i) {
        const Ort* o = orte.ort(i);
        pruefe(o != nullptr);
        const size_t laenge = strnlen(o->name, sizeof o->name);
        pruefe(laenge > 0 && laenge <= MAX_ORTSNAME);
        pruefe(std::strpbrk(o->name, ";\r\n") == nullptr);
        pruefe(o->breite >= DEKL_BEREICH.minimum && o->breite <= DEKL_BEREICH.maximum);
        breiten.push_back(o->breite);
    }

    int32_t deklinationen[] = {DEKL_BEREICH.minimum, 0, DEKL_BEREICH.maximum, 0};
    if (n > 0) deklinationen[3] = breiten[static_cast<size_t>(n) / 2];
    for (int32_t dekl : deklinationen) {
        const int32_t ort = ort_suchen(breiten.data(), n, dekl);
        pruefe(ort == ort_begrenzt(ort, n));
        if (ort >= 0) pruefe(std::abs(breiten[static_cast<size_t>(ort)] - dekl) <= 100);
    }
    if (n > 0) {
        pruefe(ort_suchen(breiten.data(), n, deklinationen[3]) >= 0);
        const int32_t gefunden = ort_index(orte, orte.ort(n / 2)->name);
        pruefe(gefunden >= 0 && gefunden <= n / 2);
    }
    return 0;
}
