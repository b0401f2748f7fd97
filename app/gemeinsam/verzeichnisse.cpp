#include "gemeinsam/verzeichnisse.h"

char start_verzeichnis[PFAD_LAENGE] = "";
char benutzer_verzeichnis[PFAD_LAENGE] = "";
char windows_verzeichnis[PFAD_LAENGE] = "";
