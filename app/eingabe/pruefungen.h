// The checks of the dialogs "Datum und Uhrzeit..." and "Eigener Ort...":
// what the user typed, turned into values, or the message that says why not.
#pragma once

#include <cstddef>
#include <cstdint>

#include "eingabe/eingabe_dialog.h"
#include "kalender.h"

// Fields: the date ("TT.MM.JJJJ", "JJJJ-MM-TT" or "TT.MM." of jahr) and the
// civil time ("HH:MM" or "H").
struct Datumseingabe {
    int32_t jahr;  // the shown year, for a date typed without one
    Datum datum;
    Uhrzeit zeit;
};
int32_t datumseingabe_pruefen(const Eingabefeld* felder, int32_t anzahl, char* meldung,
                              size_t groesse, void* datumseingabe);

// Fields: the name (1..48 characters, no ';'), the latitude (degrees north,
// -89.99..89.99, '.' or ',' as the decimal sign), the longitude (degrees
// east, -180..180) and the zone chosen from the list.
struct Ortseingabe {
    int32_t breite;  // hundredths of a degree
    int32_t laenge;
};
int32_t ortseingabe_pruefen(const Eingabefeld* felder, int32_t anzahl, char* meldung, size_t groesse,
                            void* ortseingabe);
