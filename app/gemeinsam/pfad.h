// Paths of the program's files: a directory and a file name joined into a
// fixed buffer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "breit.h"  // PFAD_LAENGE: the buffer size of the program's paths (UTF-8)

// Writes verzeichnis + "\" + datei into ziel (groesse bytes). An empty or null
// verzeichnis gives datei alone (the current directory); a verzeichnis that
// already ends in a separator gets none added. 0 done; -1 when the path does
// not fit, and ziel is then "", so a cut path never opens a wrong file.
int32_t pfad_bilden(char* ziel, size_t groesse, const char* verzeichnis, const char* datei);
