// A chart written from the command line: Varnis32 started with switches
// reads its data files beside the program, sets the view, writes one .bmp
// or .emf file and ends without showing a window. What went wrong is one
// line on the console (befehlszeile/konsole.h) and the exit code
// (Rueckgabe in befehlszeile/schalter.h).
#pragma once

#include <cstddef>
#include <cstdint>

// Runs the command line argv[0..argc-1] (argv[0] the program, as in main).
// The data files VARNIS.DAT, STBILDER.DAT and, for /ort, Orte.dat are
// looked for in programm_ordner (the program's own folder); Varnis.ini, unless
// /einstellungen names another file, is the one varnis_ini (settings/ablage.h)
// finds for that folder. Returns the exit code.
int32_t befehlszeile_ausfuehren(int argc, const char* const* argv, const char* programm_ordner);

// The folder of the running program file into ziel (groesse bytes), without
// a trailing backslash; "" when it would not fit.
void programm_ordner(char* ziel, size_t groesse);
