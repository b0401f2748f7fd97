// Installation of the screen saver: Kovra32.scr copied from the program's
// directory into the Windows directory, and Kovra.ini there told where the
// program and its data files are.
#pragma once

#include <cstdint>

#include "schoner/partner.h"

// Commands 108 (immer_einstellungen: the current settings always go into
// Kovra.ini) and 109 (only into a Kovra.ini that is there already). A saver
// already in the Windows directory (the program lives there) stays as it
// is. Every failure is shown in an error box: the Windows directory is not
// known (schoner_dateien), the saver cannot be opened or read
// (its path), the target cannot be created or written in full (its path; a
// partial copy is removed), no memory for the copy, Kovra.ini cannot be
// written (its path). Success is shown in an information box.
// 0 installed, -1 not.
int32_t schoner_installieren(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse,
                             bool immer_einstellungen);
