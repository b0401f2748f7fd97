// The two directories the program works in, noted once at start-up: its own
// (the current directory then, where all of its files are looked for) and
// the Windows directory (the installed screen saver, its settings, the
// desktop picture). Each without a trailing backslash; "" when it could not
// be read or would not fit.
#pragma once

#include "gemeinsam/pfad.h"

extern char programm_verzeichnis[PFAD_LAENGE];
extern char windows_verzeichnis[PFAD_LAENGE];
