#include "schoner/registrierung.h"

#include <windows.h>

#include <cstring>

#include "gemeinsam/dateiattribute.h"

namespace {

constexpr const char* DESKTOP = "Control Panel\\Desktop";
constexpr const char* SCHONER_WERT = "SCRNSAVE.EXE";

bool text_setzen(HKEY schluessel, const char* name, const char* text) {
    return RegSetValueExA(schluessel, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
}

// The file name of pfad after its last backslash.
const char* dateiname(const char* pfad) {
    const char* trenner = strrchr(pfad, '\\');
    return trenner ? trenner + 1 : pfad;
}

}  // namespace

int32_t schoner_registrieren(const char* schoner) {
    HKEY schluessel;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, DESKTOP, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &schluessel,
                        nullptr) != ERROR_SUCCESS) {
        return -1;
    }
    const bool gesetzt =
        text_setzen(schluessel, SCHONER_WERT, schoner) && text_setzen(schluessel, "ScreenSaveActive", "1");
    RegCloseKey(schluessel);
    // The running session learns of it as after Windows' own dialog.
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_SENDCHANGE);
    return gesetzt ? 0 : -1;
}

bool kovra_registriert(char* ziel, size_t groesse) {
    if (groesse == 0) return false;
    ziel[0] = '\0';
    char pfad[MAX_PATH + 1] = "";
    DWORD laenge = MAX_PATH;  // one byte kept for the terminator a value may lack
    DWORD art = 0;
    HKEY schluessel;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, DESKTOP, 0, KEY_QUERY_VALUE, &schluessel) != ERROR_SUCCESS) {
        return false;
    }
    const LONG gelesen =
        RegQueryValueExA(schluessel, SCHONER_WERT, nullptr, &art, reinterpret_cast<BYTE*>(pfad), &laenge);
    RegCloseKey(schluessel);
    if (gelesen != ERROR_SUCCESS || art != REG_SZ) return false;
    pfad[laenge < sizeof pfad ? laenge : sizeof pfad - 1] = '\0';
    if (lstrcmpiA(dateiname(pfad), "Kovra32.scr") != 0 || !datei_vorhanden(pfad) ||
        strlen(pfad) >= groesse) {
        return false;
    }
    memcpy(ziel, pfad, strlen(pfad) + 1);
    return true;
}
