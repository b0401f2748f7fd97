// The user's choice of screen saver as Windows' own dialog records it: the
// values "SCRNSAVE.EXE" (the saver's path) and "ScreenSaveActive" ("1") of
// HKEY_CURRENT_USER\Control Panel\Desktop. No administrator rights needed.
#pragma once

#include <cstddef>
#include <cstdint>

// Chooses schoner (a full path) as the user's screen saver and switches the
// saver on. 0 done, -1 a value could not be written.
int32_t schoner_registrieren(const char* schoner);

// The chosen saver's path into ziel (groesse bytes) when it is a
// Kovra32.scr that exists; false (ziel "") otherwise: another saver, none,
// or a Kovra32.scr that is gone.
bool kovra_registriert(char* ziel, size_t groesse);
