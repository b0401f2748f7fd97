#include "partner_start.h"

#include <windows.h>

#include <cstdio>

bool partner_starten(const char* programm, const char* befehlszeile, const char* verzeichnis) {
    char zeile[400];  // CreateProcessA may write into its command line
    if (snprintf(zeile, sizeof zeile, "%s", befehlszeile) >= static_cast<int>(sizeof zeile)) return false;
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION prozess{};
    if (!CreateProcessA(programm, zeile, nullptr, nullptr, FALSE, 0, nullptr, verzeichnis, &start,
                        &prozess))
        return false;
    CloseHandle(prozess.hThread);
    CloseHandle(prozess.hProcess);
    return true;
}
