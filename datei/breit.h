// Paths in UTF-8 (the program's own) and UTF-16 (Windows' own), and files
// opened by a UTF-8 path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Characters (UTF-16 units) of a path for Windows' wide functions, with the
// end: the classic MAX_PATH, which the shell's dialogs and profile functions
// keep to.
constexpr size_t BREIT_PFAD = 260;
// Bytes of a UTF-8 path with the end: every UTF-16 unit of the longest path
// is at most 3 bytes (a pair of units is 4). The buffer size of the
// programs' paths.
constexpr size_t PFAD_LAENGE = 3 * (BREIT_PFAD - 1) + 1;

// The UTF-8 text as UTF-16 into ziel (zeichen units with the end). False, and
// ziel "", when the text is no valid UTF-8 or does not fit: a cut or guessed
// path never names another file.
bool pfad_breit(const char* text, wchar_t* ziel, size_t zeichen);
// The UTF-16 text as UTF-8 into ziel (groesse bytes with the end). False, and
// ziel "", when it does not fit or holds half a surrogate pair.
bool pfad_schmal(const wchar_t* text, char* ziel, size_t groesse);

// A text for the screen as UTF-16 into ziel (zeichen units with the end, cut
// at a character when longer): the programs' texts are Windows-1252 and the
// paths named in them UTF-8, so every run of bytes that is UTF-8 beyond
// ASCII is taken as UTF-8 and every other byte as Windows-1252. No text of
// the programs holds such a run (the UI texts' test checks it). Returns the
// bytes of text taken: all of it, or fewer when ziel is full.
size_t text_breit(const char* text, wchar_t* ziel, size_t zeichen);

// fopen for a UTF-8 path (modus as fopen's); null when it does not open or the
// path is no valid UTF-8.
std::FILE* datei_oeffnen(const char* pfad, const char* modus);

#ifdef _WIN32
// GetFileAttributes for a UTF-8 path: INVALID_FILE_ATTRIBUTES when there is
// nothing there or the path is no valid UTF-8.
uint32_t datei_attribute(const char* pfad);
// GetFullPathName for a UTF-8 path: the whole path (against the current
// directory) as UTF-8 into ziel (groesse bytes). False, and ziel "", when
// it does not fit or the path is no valid UTF-8.
bool voller_pfad(const char* pfad, char* ziel, size_t groesse);
#endif
