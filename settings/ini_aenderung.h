// A settings file changed key by key in one replacement (datei/ersetzen.h):
// the keys are written into a copy of the old file, which then takes its
// place. Sections and keys the writer does not own survive, a failure
// leaves the old file as it was, and of two programs writing at once the
// last complete file wins. The file stays plain Windows-1252, readable by
// the old reader, while every value is; a value beyond Windows-1252 (a
// folder named in another script) turns it into UTF-16LE with its
// byte-order mark, which Windows' profile functions read and keep.
#pragma once

#include <cstdint>

#include "ersetzen.h"

class Ini_Aenderung {
public:
    // Starts from a copy of datei (a UTF-8 path).
    explicit Ini_Aenderung(const char* datei);

    // abschnitt, name: ASCII. wert in Windows-1252 (the program's texts) or
    // UTF-8 (a path). False, and nothing is replaced at the end, when it
    // could not be written.
    bool text(const char* abschnitt, const char* name, const char* wert);
    bool pfad(const char* abschnitt, const char* name, const char* wert);

    // Replaces the file when every key was written: 0 done, -1 not.
    int32_t vollenden();

private:
    bool schreiben(const char* abschnitt, const char* name, const wchar_t* wert);
    bool breit_machen();

    Ersatzdatei ersatz;
    bool fehler;
};
