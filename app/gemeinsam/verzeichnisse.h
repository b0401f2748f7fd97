// The directories the program works in, noted once at start-up (the rules
// are in settings/ablage.h): the start directory (the data folder: the
// current directory when it holds the star catalogue, else the program
// file's folder; its data files, help and hand-off marker), the user's
// folder (%APPDATA%\Varnis: the saver's settings, the desktop picture, the
// saver when the program's folder is not writable, and Varnis.ini when the
// start directory is not writable) and the Windows directory (only to take
// over an older set-up's Kovra.ini). Each without a trailing backslash; ""
// when it could not be read or would not fit.
#pragma once

#include "gemeinsam/pfad.h"

extern char start_verzeichnis[PFAD_LAENGE];
extern char benutzer_verzeichnis[PFAD_LAENGE];
extern char windows_verzeichnis[PFAD_LAENGE];
