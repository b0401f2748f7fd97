// The system's screen-saver values of the current user.
#include "schale.h"

namespace {

// A value counts only when it is there and fills all four bytes.
void wert_lesen(HKEY schluessel, const char* name, uint32_t& ziel) {
    DWORD wert = 0;
    DWORD groesse = sizeof wert;
    if (RegQueryValueExA(schluessel, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&wert),
                         &groesse) == ERROR_SUCCESS &&
        groesse == sizeof wert) {
        ziel = wert;
    }
}

}  // namespace

void ScrRegistryLesen() {
    ScrZustand& z = scr_zustand;
    z.passwort_verzoegerung = 15;
    z.maus_schwelle = 50;
    z.ton_aus = 0;
    HKEY schluessel;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Screen Savers",
                      0, KEY_QUERY_VALUE, &schluessel) != ERROR_SUCCESS) {
        return;
    }
    wert_lesen(schluessel, "Password Delay", z.passwort_verzoegerung);
    wert_lesen(schluessel, "Mouse Threshold", z.maus_schwelle);
    wert_lesen(schluessel, "Mute Sound", z.ton_aus);
    RegCloseKey(schluessel);
}
