#include "gemeinsam/verzeichnisse.h"

char programm_verzeichnis[PFAD_LAENGE] = "";
char windows_verzeichnis[PFAD_LAENGE] = "";
