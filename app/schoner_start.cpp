#include "schoner_start.h"

#include <windows.h>

#include <cstdio>

Prozessersatz prozess_ersatz = nullptr;

void prozess_starten(const char* programm, const char* befehlszeile, const char* verzeichnis) {
    if (prozess_ersatz) {
        prozess_ersatz(programm, befehlszeile, verzeichnis);
        return;
    }
    char zeile[400];  // CreateProcessA may write into its command line
    if (snprintf(zeile, sizeof zeile, "%s", befehlszeile) >= static_cast<int>(sizeof zeile)) return;
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION prozess{};
    if (CreateProcessA(programm, zeile, nullptr, nullptr, FALSE, 0, nullptr, verzeichnis, &start,
                       &prozess)) {
        CloseHandle(prozess.hThread);
        CloseHandle(prozess.hProcess);
    }
}
