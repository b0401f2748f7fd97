#include "farbgebung.h"

namespace {

Farbgebung schema;
bool gesetzt = false;
HBRUSH flaeche_pinsel = nullptr;
HBRUSH feld_pinsel = nullptr;

void pinsel_freigeben() {
    if (flaeche_pinsel) DeleteObject(flaeche_pinsel);
    if (feld_pinsel) DeleteObject(feld_pinsel);
    flaeche_pinsel = feld_pinsel = nullptr;
}

}  // namespace

void farbgebung_setzen(const Farbgebung* farben) {
    pinsel_freigeben();
    gesetzt = farben != nullptr;
    if (!gesetzt) return;
    schema = *farben;
    flaeche_pinsel = CreateSolidBrush(schema.flaeche);
    feld_pinsel = CreateSolidBrush(schema.feld);
}

const Farbgebung* farbgebung() {
    return gesetzt ? &schema : nullptr;
}

HBRUSH farbgebung_flaeche() {
    return flaeche_pinsel;
}

HBRUSH farbgebung_feld() {
    return feld_pinsel;
}
