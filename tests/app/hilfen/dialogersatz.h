// Stand-ins for the save dialog and the message boxes of the file outputs:
// the dialog answers with a name set beforehand (or cancels) and notes what
// it was handed; every box is counted and its text kept.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct Dialogersatz {
    std::string antwort;  // the chosen name; "" cancels
    std::string vorgabe;  // the initial name the dialog was handed
    size_t groesse = 0;   // the size of the name buffer
    int boxen = 0;
    std::string text, titel;
    UINT art = 0;
};
extern Dialogersatz dialog;

// A Dateiwahl (ausgabe/speichern.h).
bool dialog_waehlen(HWND besitzer, char* pfad, size_t groesse);
// A Meldungsersatz (gemeinsam/meldung.h).
int dialog_melden(HWND besitzer, const char* text, const char* titel, UINT art);
