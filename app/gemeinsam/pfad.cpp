#include "gemeinsam/pfad.h"

#include "pfadname.h"

int32_t pfad_bilden(char* ziel, size_t groesse, const char* verzeichnis, const char* datei) {
    return ablage_pfad(ziel, groesse, verzeichnis, datei) ? 0 : -1;
}
