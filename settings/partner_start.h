// Starting the other program of the pair: the star chart starts the screen
// saver for a test run, the saver starts the star chart for its settings.
#pragma once

// Starts programm (full path) with the command line befehlszeile in the
// directory verzeichnis, shown normally; true when the process was made
// (whether it then shows a window is not checked). A command line longer
// than 399 characters starts nothing.
bool partner_starten(const char* programm, const char* befehlszeile, const char* verzeichnis);
