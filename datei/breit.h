// Paths in UTF-8 (the program's own) and UTF-16 (Windows' own), and files
// opened by a UTF-8 path.
#pragma once

#include <cstddef>
#include <cstdio>

// Characters (UTF-16 units) of a path for Windows' wide functions, with the
// end: the classic MAX_PATH, which the shell's dialogs and profile functions
// keep to.
constexpr size_t BREIT_PFAD = 260;

// The UTF-8 text as UTF-16 into ziel (zeichen units with the end). False, and
// ziel "", when the text is no valid UTF-8 or does not fit: a cut or guessed
// path never names another file.
bool pfad_breit(const char* text, wchar_t* ziel, size_t zeichen);
// The UTF-16 text as UTF-8 into ziel (groesse bytes with the end). False, and
// ziel "", when it does not fit or holds half a surrogate pair.
bool pfad_schmal(const wchar_t* text, char* ziel, size_t groesse);

// fopen for a UTF-8 path (modus as fopen's); null when it does not open or the
// path is no valid UTF-8.
std::FILE* datei_oeffnen(const char* pfad, const char* modus);
