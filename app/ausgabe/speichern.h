// What the chart's file outputs share: the file name buffer, the save dialog
// and the error box when a file cannot be written.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

#include "ausgabe/dateivorschlag.h"
#include "gemeinsam/pfad.h"

constexpr size_t DATEINAME_LAENGE = PFAD_LAENGE;  // file name buffer of the save dialogs: any path

// Asks for a file name: pfad (groesse bytes) holds the initial name and
// receives the chosen one, a UTF-8 path. False when the user cancels.
using Dateiwahl = bool (*)(HWND besitzer, char* pfad, size_t groesse);

// What shows the dialog: GetSaveFileNameW, or a test's stand-in.
using Speicherfenster = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The standard save dialog with the one filter of typ, the title, the
// read-only box hidden, asking before an existing file is overwritten, and
// the current directory left as it was. It opens in the folder saved into
// last in this session, the first time in the user's Pictures folder; typ's
// ending is added to a name typed without one. The initial name and the
// title are the program's texts (Windows-1252, a path in them UTF-8); the
// chosen name comes back in UTF-8 (false when it does not fit groesse).
bool speicherdialog(HWND besitzer, char* pfad, size_t groesse, const Dateityp& typ, const char* titel,
                    Speicherfenster zeigen = GetSaveFileNameW);

// The dialog's initial name into pfad (groesse bytes): vorschlag, or ""
// when it is null or too long, so a cut name is never offered.
void vorschlag_uebernehmen(char* pfad, size_t groesse, const char* vorschlag);

// The error box of a file that could not be written: UI text 98 with the
// path, caption UI text 65.
void schreibfehler_melden(HWND besitzer, const char* pfad);
