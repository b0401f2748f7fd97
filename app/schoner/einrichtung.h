// Installation of the screen saver for the current user, without
// administrator rights: Kovra32.scr stays beside the program when that folder
// is writable, else it is copied into the user's folder; Kovra.ini in the
// user's folder is told where the program and its data files are; the saver
// is chosen as Windows' dialog records it (schoner/registrierung.h).
#pragma once

#include <cstdint>

#include "schoner/partner.h"

// Commands 108 (immer_einstellungen: the current settings always go into
// Kovra.ini) and 109 (only into a Kovra.ini that is there already, or one
// taken over from the Windows directory). Every failure is shown in an error
// box: the user's folder is not known (schoner_dateien), the saver cannot be
// opened or read (its path), the target cannot be created or written in full
// (its path; an old saver stays whole, no partial copy remains), no memory
// for the copy, Kovra.ini cannot be written (its path), the choice cannot be
// recorded (the registry key). Success is shown in an information box.
// 0 installed, -1 not.
int32_t schoner_installieren(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse,
                             bool immer_einstellungen);
