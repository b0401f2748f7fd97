// The view of a chart made from the command line: the settings file's view
// and moment as the main window takes them after loading, then the date,
// time, place and field of view of the switches, each as if set in the
// window.
#pragma once

#include "befehlszeile/schalter.h"
#include "bedienfeld/orte.h"
#include "einstellungen.h"
#include "moment.h"
#include "zonen.h"

struct Kartenansicht {
    Ansicht ansicht;  // held to the controls' ranges
    Moment moment;
    int32_t regel;    // REGEL_MOMENT or REGEL_ORIGINAL
};

// e is read and held as reading holds it; ort_nummer is the index in orte
// of auftrag.ort (-1 when none was given); jahr the year of a file that
// keeps no date.
Kartenansicht ansicht_fuer(const Einstellungen& e, const Kartenauftrag& auftrag, const Orte& orte,
                           int32_t ort_nummer, const Zonen& zonen, int32_t jahr);
