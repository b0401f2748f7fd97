#include "gemeinsam/dateiattribute.h"

#include <windows.h>

#include "breit.h"

bool schreibgeschuetzt(const char* pfad) {
    const DWORD art = datei_attribute(pfad);
    return art != INVALID_FILE_ATTRIBUTES && (art & FILE_ATTRIBUTE_READONLY) &&
           !(art & FILE_ATTRIBUTE_DIRECTORY);
}

bool ordner_vorhanden(const char* pfad) {
    const DWORD art = datei_attribute(pfad);
    return art != INVALID_FILE_ATTRIBUTES && (art & FILE_ATTRIBUTE_DIRECTORY);
}
