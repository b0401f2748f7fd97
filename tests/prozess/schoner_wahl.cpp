#include "schoner_wahl.h"

#include <windows.h>

namespace {

constexpr const char* DESKTOP = "Control Panel\\Desktop";

std::optional<std::string> wert(HKEY schluessel, const char* name) {
    char text[MAX_PATH + 1] = "";
    DWORD laenge = MAX_PATH;
    if (RegQueryValueExA(schluessel, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &laenge) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(text);
}

void setzen(HKEY schluessel, const char* name, const std::optional<std::string>& text) {
    if (!text) {
        RegDeleteValueA(schluessel, name);
        return;
    }
    RegSetValueExA(schluessel, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
                   static_cast<DWORD>(text->size() + 1));
}

}  // namespace

Benutzerwahl benutzerwahl_lesen() {
    Benutzerwahl w;
    HKEY schluessel;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, DESKTOP, 0, KEY_QUERY_VALUE, &schluessel) != ERROR_SUCCESS) return w;
    w.schoner = wert(schluessel, "SCRNSAVE.EXE");
    w.aktiv = wert(schluessel, "ScreenSaveActive");
    RegCloseKey(schluessel);
    return w;
}

void benutzerwahl_setzen(const Benutzerwahl& wahl) {
    HKEY schluessel;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, DESKTOP, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &schluessel,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    setzen(schluessel, "SCRNSAVE.EXE", wahl.schoner);
    setzen(schluessel, "ScreenSaveActive", wahl.aktiv);
    RegCloseKey(schluessel);
}
