#include "menue/hilfe.h"

#include <shellapi.h>

#include "gemeinsam/pfad.h"

void programm_beenden(HWND hauptfenster) {
    WinHelpA(hauptfenster, "varnis", HELP_QUIT, 0);
    PostMessageA(hauptfenster, WM_CLOSE, 0, 0);
}

intptr_t shell_oeffnen(HWND besitzer, const char* datei, const char* verzeichnis) {
    return reinterpret_cast<intptr_t>(
        ShellExecuteA(besitzer, "open", datei, nullptr, verzeichnis, SW_SHOWNORMAL));
}

intptr_t hilfe_oeffnen(HWND hauptfenster, const char* programm_verzeichnis, Shell_Oeffnen oeffnen) {
    char pfad[PFAD_LAENGE];
    if (pfad_bilden(pfad, sizeof pfad, programm_verzeichnis, "Varnis.hlp") != 0) return 0;
    return oeffnen(hauptfenster, pfad, programm_verzeichnis);
}
