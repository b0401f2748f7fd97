// The user's screen-saver values (HKEY_CURRENT_USER\Control Panel\Desktop,
// "SCRNSAVE.EXE" and "ScreenSaveActive") read and put back, so a test that
// installs the saver leaves the prefix's choice as it found it.
#pragma once

#include <optional>
#include <string>

struct Benutzerwahl {
    std::optional<std::string> schoner;  // SCRNSAVE.EXE; none: no saver chosen
    std::optional<std::string> aktiv;    // ScreenSaveActive
};

Benutzerwahl benutzerwahl_lesen();
// Writes the values given and deletes those that are not.
void benutzerwahl_setzen(const Benutzerwahl& wahl);
