// The screen-saver commands that work in either mode: the current settings
// for the saver, and a test run of the installed saver.
#pragma once

#include <cstdint>

#include "schoner/partner.h"

// Command 112: asks (Yes, No; No preselected) and on Yes saves the current
// settings into Kovra.ini, unless the window's end came while the box was
// open; a failure after Yes is shown (uebernahme_melden). 0 written (or not
// asked for), -1 the paths are not known, Kovra.si$ could not be taken back
// or Kovra.ini not written.
int32_t schoner_uebergeben(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse);

// Command 113: starts the chosen Kovra32.scr (kovra_registriert; else the
// path an installation gives it) full-screen ("/s") in the user's folder. In mode 1 it shows the unsaved settings: the saved Kovra.ini is
// parked as Kovra.si$ until the main window is next activated. 0 the files
// are as they should be, -1 the paths are not known or a file could not be
// moved or written (the test run starts all the same). Whether the saver
// started is not known here.
int32_t schoner_testen(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse);
