// Starting the other program of the pair: the star chart starts the screen
// saver for a test run, the saver starts the star chart for its settings.
#pragma once

// Starts programm (full path) with the command line befehlszeile in the
// directory verzeichnis, shown normally. Whether it started is not checked:
// the user sees it or not. A command line longer than 399 characters starts
// nothing.
void partner_starten(const char* programm, const char* befehlszeile, const char* verzeichnis);
