// Start of the screen saver for a test run, replaceable so that a test sees
// what would be started instead of a full-screen saver.
#pragma once

// Starts programm (full path) with befehlszeile in verzeichnis, shown
// normally. Whether it started is not checked: the user sees it or not.
void prozess_starten(const char* programm, const char* befehlszeile, const char* verzeichnis);

// When set, prozess_starten calls this instead of starting a process.
using Prozessersatz = void (*)(const char* programm, const char* befehlszeile,
                               const char* verzeichnis);
extern Prozessersatz prozess_ersatz;
