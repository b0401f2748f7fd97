#include "gemeinsam/dateiattribute.h"

#include <windows.h>

bool schreibgeschuetzt(const char* pfad) {
    const DWORD art = GetFileAttributesA(pfad);
    return art != INVALID_FILE_ATTRIBUTES && (art & FILE_ATTRIBUTE_READONLY) &&
           !(art & FILE_ATTRIBUTE_DIRECTORY);
}

bool ordner_vorhanden(const char* pfad) {
    const DWORD art = GetFileAttributesA(pfad);
    return art != INVALID_FILE_ATTRIBUTES && (art & FILE_ATTRIBUTE_DIRECTORY);
}
