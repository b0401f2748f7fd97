#include "einstellungen.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "schluessel.h"

namespace {

// Colour channels are bytes; whatever else a file holds there is cut to one.
bool ist_farbe(const Schluessel& s) { return std::strcmp(s.abschnitt, "Farben") == 0; }

}  // namespace

Einstellungen vorgaben(Programm programm) {
    Einstellungen e{};
    for (const Schluessel& s : SCHLUESSEL) feld_von(e, s) = s.vorgabe;
    if (programm == Programm::SCHONER) {
        for (int i = 0; i < EBENEN; ++i) e.darstellung.staerke_prozent[i] = SCHONER_STAERKE[i];
    }
    return e;
}

Einstellungen einstellungen_lesen(const char* ini_datei, Programm programm) {
    Einstellungen e = vorgaben(programm);
    for (const Schluessel& s : SCHLUESSEL) {
        int32_t& wert = feld_von(e, s);
        // The profile reader returns the signed value in an unsigned type.
        wert = static_cast<int32_t>(GetPrivateProfileIntA(s.abschnitt, s.name, wert, ini_datei));
        if (ist_farbe(s)) wert &= 0xFF;
    }
    return e;
}

int32_t einstellungen_schreiben(const char* ini_datei, const Einstellungen& werte) {
    int32_t ergebnis = 0;
    for (const Schluessel& s : SCHLUESSEL) {
        char text[16];
        snprintf(text, sizeof text, "%d", static_cast<int>(feld_von(werte, s)));
        if (!WritePrivateProfileStringA(s.abschnitt, s.name, text, ini_datei)) ergebnis = -1;
    }
    return ergebnis;
}
