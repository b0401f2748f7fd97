// The values of the settings without a file: defaults and bounds.
#include <cstring>

#include "einstellungen.h"
#include "schluessel.h"

namespace {

// A colour channel keeps the low 8 bits of whatever the file holds, as it
// always has; every other value is held to its key's range.
bool ist_farbe(const Schluessel& s) { return std::strcmp(s.abschnitt, "Farben") == 0; }

}  // namespace

Einstellungen vorgaben(Programm programm) {
    Einstellungen e{};
    for (const Schluessel& s : SCHLUESSEL) feld_von(e, s) = s.vorgabe;
    if (programm == Programm::SCHONER) {
        for (int i = 0; i < EBENEN; ++i) e.darstellung.staerke_prozent[i] = SCHONER_STAERKE[i];
        e.moment.regel = SCHONER_REGEL;
    }
    return e;
}

void einstellungen_begrenzen(Einstellungen& e) {
    for (const Schluessel& s : SCHLUESSEL) {
        int32_t& wert = feld_von(e, s);
        wert = ist_farbe(s) ? wert & 0xFF : begrenzt(s.bereich, wert);
    }
    for (const Textschluessel& t : TEXTSCHLUESSEL) text_von(e, t)[t.groesse - 1] = '\0';
}
