#include "schoner_ini.h"

#include <windows.h>

#include <cstdio>

int32_t schoner_ini_pfad(char* ziel, size_t groesse) {
    char windows[MAX_PATH];
    const UINT laenge = GetWindowsDirectoryA(windows, sizeof windows);
    if (laenge == 0 || laenge >= sizeof windows) return -1;
    const int n = snprintf(ziel, groesse, "%s\\Kovra.ini", windows);
    return n < 0 || static_cast<size_t>(n) >= groesse ? -1 : 0;
}

void daten_verzeichnis_lesen(const char* ini_datei, char* ziel, size_t groesse) {
    if (groesse == 0) return;
    const size_t platz = groesse < PFAD_ZEICHEN + 1 ? groesse : PFAD_ZEICHEN + 1;
    GetPrivateProfileStringA("Varnis", "Pfad", PFAD_VORGABE, ziel, static_cast<DWORD>(platz),
                             ini_datei);
}

int32_t daten_verzeichnis_schreiben(const char* ini_datei, const char* verzeichnis) {
    return WritePrivateProfileStringA("Varnis", "Pfad", verzeichnis, ini_datei) ? 0 : -1;
}
