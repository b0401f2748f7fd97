#include "pfadname.h"

#include <cstdio>
#include <cstring>

bool ablage_pfad(char* ziel, size_t groesse, const char* verzeichnis, const char* name) {
    if (groesse == 0) return false;
    const size_t l = verzeichnis ? strlen(verzeichnis) : 0;
    const bool trenner = l > 0 && verzeichnis[l - 1] != '\\' && verzeichnis[l - 1] != '/';
    const int n = snprintf(ziel, groesse, "%s%s%s", l ? verzeichnis : "", trenner ? "\\" : "", name);
    if (n >= 0 && static_cast<size_t>(n) < groesse) return true;
    ziel[0] = '\0';
    return false;
}
