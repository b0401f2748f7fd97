// The view of a settings file as the panel takes it: every value held to the
// range of the control that shows it, and the sky turned to it. The main
// window and the command line start from the same view this way.
#pragma once

#include "einstellungen.h"
#include "himmel.h"

// The right ascension, declination and field of view held to their bars'
// ranges, the date and hour to the lists' 0..23, the place to -1 (none) or
// above, the layers to 0..100 percent. Colours are bytes already.
Einstellungen einstellungen_begrenzt(const Einstellungen& e);

// Sets the sky's view centre and field of view to a held view.
void himmel_ausrichten(Himmel& himmel, const Ansicht& ansicht);
