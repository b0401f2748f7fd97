// The screen-saver commands that work in either mode: the current settings
// for the saver, and a test run of the installed saver.
#pragma once

#include "schoner/partner.h"

// Command 112: asks (Yes, No; No preselected) and on Yes saves the current
// settings into Kovra.ini, unless the window's end came while the box was
// open.
void schoner_uebergeben(Schoner_Partner& fenster, const Schoner_Orte& orte);

// Command 113: starts the installed saver full-screen ("/s") in the Windows
// directory. In mode 1 it shows the unsaved settings: the saved Kovra.ini is
// parked as Kovra.si$ until the main window is next activated.
void schoner_testen(Schoner_Partner& fenster, const Schoner_Orte& orte);
