// The two directories the program works in, noted once at start-up: the
// start directory (the current directory then, where all of its files are
// looked for; not necessarily the program file's folder, which the command
// line uses: programm_ordner in befehlszeile/ausfuehren.h) and
// the Windows directory (the installed screen saver, its settings, the
// desktop picture). Each without a trailing backslash; "" when it could not
// be read or would not fit.
#pragma once

#include "gemeinsam/pfad.h"

extern char start_verzeichnis[PFAD_LAENGE];
extern char windows_verzeichnis[PFAD_LAENGE];
