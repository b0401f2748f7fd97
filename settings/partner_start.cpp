#include "partner_start.h"

#include <windows.h>


bool partner_starten(const char* programm, const char* befehlszeile, const char* verzeichnis) {
    wchar_t breites_programm[BREIT_PFAD];
    wchar_t zeile[PARTNER_ZEILE];  // CreateProcessW may write into its command line
    wchar_t breites_verzeichnis[BREIT_PFAD];
    if (!pfad_breit(programm, breites_programm, BREIT_PFAD) ||
        !pfad_breit(befehlszeile, zeile, PARTNER_ZEILE) ||
        !pfad_breit(verzeichnis, breites_verzeichnis, BREIT_PFAD)) {
        return false;
    }
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION prozess{};
    if (!CreateProcessW(breites_programm, zeile, nullptr, nullptr, FALSE, 0, nullptr, breites_verzeichnis,
                        &start, &prozess))
        return false;
    CloseHandle(prozess.hThread);
    CloseHandle(prozess.hProcess);
    return true;
}
