// Starting the other program of the pair: the star chart starts the screen
// saver for a test run, the saver starts the star chart for its settings.
#pragma once

#include "breit.h"

// UTF-16 units of a command line with the end: a quoted path and a switch.
constexpr size_t PARTNER_ZEILE = 2 * BREIT_PFAD;

// Starts programm (full path) with the command line befehlszeile in the
// directory verzeichnis, shown normally; all three UTF-8. True when the
// process was made (whether it then shows a window is not checked). A
// command line of PARTNER_ZEILE UTF-16 units or more starts nothing.
bool partner_starten(const char* programm, const char* befehlszeile, const char* verzeichnis);
