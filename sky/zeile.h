// Text lines and their fields in the binary data files (CR LF is part of a line).
#pragma once

#include <cstdio>

// A name line holds at most 98 bytes including its CR LF.
constexpr int ZEILE_PUFFER = 99;
// The line end after a constellation's figure: CR LF, at most 3 bytes.
constexpr int ZEILENENDE_PUFFER = 4;

// Reads one line into puffer (at most groesse - 1 bytes, through the LF).
// False when not a single byte can be read.
inline bool zeile_lesen(std::FILE* datei, char* puffer, int groesse) {
    return std::fgets(puffer, groesse, datei) != nullptr;
}

// The next field of a line split at ";", CR and LF: separators in a row count
// as one and leading ones are skipped, so a field is never empty. Ends the
// field in place and moves rest past it; null when no field is left.
char* naechstes_feld(char*& rest);

// A field that begins with a blank counts as absent but keeps its place.
inline bool feld_vorhanden(const char* feld) {
    return feld != nullptr && feld[0] != ' ';
}

// A copy of text owned by the caller (delete[]), or null when feld is
// absent or memory cannot be had.
char* feld_kopie(const char* feld);

// name and, after its NUL, zweiter ("" when absent) in one array owned by
// the caller (delete[]); null when name is absent or memory cannot be had.
char* namen_kopie(const char* name, const char* zweiter);
