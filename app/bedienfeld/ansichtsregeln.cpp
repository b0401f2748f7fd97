#include "bedienfeld/ansichtsregeln.h"

#include "bedienfeld/leistenregel.h"
#include "bedienfeld/zeitregeln.h"

namespace {

// In 64 bits, so that a negated value from a file cannot overflow.
int32_t gehalten(int64_t wert, int32_t minimum, int32_t maximum) {
    return static_cast<int32_t>(wert < minimum ? minimum : wert > maximum ? maximum : wert);
}

int32_t gehalten(int64_t wert, const Leistenregel& r) { return gehalten(wert, r.minimum, r.maximum); }

}  // namespace

Einstellungen einstellungen_begrenzt(const Einstellungen& e) {
    Einstellungen b = e;
    Ansicht& a = b.ansicht;
    a.rek = gehalten(a.rek, REKT_REGEL);
    a.dek = -gehalten(-static_cast<int64_t>(a.dek), DEKL_REGEL);  // Dek is the negated declination
    a.gesichtsfeld = gehalten(a.gesichtsfeld, FELD_REGEL);
    a.monat = gehalten(a.monat, 0, HALBMONATE - 1);
    a.zeit = gehalten(a.zeit, 0, STUNDEN - 1);
    if (a.ort < -1) a.ort = -1;
    for (int32_t& s : b.darstellung.staerke_prozent) s = gehalten(s, EBENEN_REGEL);
    return b;
}

void himmel_ausrichten(Himmel& himmel, const Ansicht& a) {
    himmel.setze_rektaszension(a.rek / 100.0);
    himmel.setze_deklination(leisten_wert(DEKL_REGEL, a.dek) / 100.0);
    himmel.setze_gesichtsfeld(a.gesichtsfeld);
}
