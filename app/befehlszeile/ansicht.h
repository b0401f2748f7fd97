// The view of a chart made from the command line: the settings file's view
// as the panel shows it after loading, then the date, hour, place and field
// of view of the switches, each as if chosen in its list or set on its bar.
#pragma once

#include "befehlszeile/schalter.h"
#include "bedienfeld/orte.h"
#include "einstellungen.h"

// gelesen is a view held to the controls' ranges, as reading holds it.
// ort is the place of auftrag.ort (null when none was given) and ort_nummer
// its index in the places file. The result is held as well.
Ansicht ansicht_fuer(const Ansicht& gelesen, const Kartenauftrag& auftrag, const Ort* ort,
                     int32_t ort_nummer);
