// What the chart's file outputs share: the file name buffer, the save dialog
// and the error box when a file cannot be written.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr size_t DATEINAME_LAENGE = 330;  // file name buffer of the save dialogs

// Asks for a file name: pfad (groesse bytes) holds the initial name and
// receives the chosen one. False when the user cancels.
using Dateiwahl = bool (*)(HWND besitzer, char* pfad, size_t groesse);

// The standard save dialog with one filter (filter: the pattern, e.g.
// "*.bmp"), the title, the read-only box hidden, asking before an existing
// file is overwritten. endung, when not null, is added to a name typed
// without one.
bool speicherdialog(HWND besitzer, char* pfad, size_t groesse, const char* filter,
                    const char* endung, const char* titel);

// The error box of a file that could not be written: UI text 98 with the
// path, caption UI text 65.
void schreibfehler_melden(HWND besitzer, const char* pfad);
