#include "gemeinsam/pfad.h"

#include <cstdio>
#include <cstring>

int32_t pfad_bilden(char* ziel, size_t groesse, const char* verzeichnis, const char* datei) {
    if (groesse == 0) return -1;
    if (!verzeichnis) verzeichnis = "";
    const size_t l = strlen(verzeichnis);
    const bool trenner = l > 0 && verzeichnis[l - 1] != '\\' && verzeichnis[l - 1] != '/';
    const int n = snprintf(ziel, groesse, "%s%s%s", verzeichnis, trenner ? "\\" : "", datei);
    if (n < 0 || static_cast<size_t>(n) >= groesse) {
        ziel[0] = 0;
        return -1;
    }
    return 0;
}
