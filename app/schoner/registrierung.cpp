#include "schoner/registrierung.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "breit.h"

#include "gemeinsam/dateiattribute.h"

namespace {

constexpr const wchar_t* DESKTOP = L"Control Panel\\Desktop";
constexpr const wchar_t* SCHONER_WERT = L"SCRNSAVE.EXE";

// The value as Windows reads it, in UTF-16 (text, a path, in UTF-8).
bool text_setzen(HKEY schluessel, const wchar_t* name, const char* text) {
    wchar_t breit[BREIT_PFAD];
    return pfad_breit(text, breit, BREIT_PFAD) &&
           RegSetValueExW(schluessel, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(breit),
                          static_cast<DWORD>((wcslen(breit) + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// The file name of pfad after its last backslash.
const char* dateiname(const char* pfad) {
    const char* trenner = strrchr(pfad, '\\');
    return trenner ? trenner + 1 : pfad;
}

}  // namespace

int32_t schoner_registrieren(const char* schoner) {
    HKEY schluessel;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, DESKTOP, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &schluessel,
                        nullptr) != ERROR_SUCCESS) {
        return -1;
    }
    const bool gesetzt =
        text_setzen(schluessel, SCHONER_WERT, schoner) && text_setzen(schluessel, L"ScreenSaveActive", "1");
    RegCloseKey(schluessel);
    // The running session learns of it as after Windows' own dialog.
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_SENDCHANGE);
    return gesetzt ? 0 : -1;
}

bool kovra_registriert(char* ziel, size_t groesse) {
    if (groesse == 0) return false;
    ziel[0] = '\0';
    wchar_t breit[BREIT_PFAD + 1] = L"";
    DWORD laenge = BREIT_PFAD * sizeof(wchar_t);  // one unit kept for the end a value may lack
    DWORD art = 0;
    HKEY schluessel;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, DESKTOP, 0, KEY_QUERY_VALUE, &schluessel) != ERROR_SUCCESS) {
        return false;
    }
    const LONG gelesen =
        RegQueryValueExW(schluessel, SCHONER_WERT, nullptr, &art, reinterpret_cast<BYTE*>(breit), &laenge);
    RegCloseKey(schluessel);
    if (gelesen != ERROR_SUCCESS || art != REG_SZ) return false;
    breit[laenge / sizeof(wchar_t) < BREIT_PFAD ? laenge / sizeof(wchar_t) : BREIT_PFAD] = L'\0';
    char pfad[PFAD_LAENGE];
    if (!pfad_schmal(breit, pfad, sizeof pfad)) return false;
    if (lstrcmpiA(dateiname(pfad), "Kovra32.scr") != 0 || !datei_vorhanden(pfad) ||
        strlen(pfad) >= groesse) {
        return false;
    }
    memcpy(ziel, pfad, strlen(pfad) + 1);
    return true;
}
