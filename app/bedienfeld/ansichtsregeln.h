// The view of a settings file as the panel takes it: the sky turned to it.
// Its values are held to the controls' ranges by reading already
// (einstellungen_begrenzen, settings/), the one rule for the bars and the
// files. The main window and the command line start from the same view.
#pragma once

#include "einstellungen.h"
#include "himmel.h"

// Sets the sky's view centre and field of view to a held view.
void himmel_ausrichten(Himmel& himmel, const Ansicht& ansicht);
