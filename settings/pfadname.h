// A folder and a file name joined into a fixed buffer (portable).
#pragma once

#include <cstddef>

// verzeichnis + "\" + name into ziel (groesse bytes). An empty or null
// verzeichnis gives name alone (the current directory); a verzeichnis that
// already ends in a separator gets none added. False when it does not fit:
// ziel is then "", so a cut path never opens a wrong file.
bool ablage_pfad(char* ziel, size_t groesse, const char* verzeichnis, const char* name);
