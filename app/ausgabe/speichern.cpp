#include "ausgabe/speichern.h"

#include <commdlg.h>

#include <cstdio>

#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"

bool speicherdialog(HWND besitzer, char* pfad, size_t groesse, const char* filter,
                    const char* endung, const char* titel) {
    // The dialog's filter: description and pattern, both the pattern, and a
    // second terminator after the pair.
    char filterpaar[40];
    const int n = snprintf(filterpaar, sizeof filterpaar, "%s%c%s%c", filter, '\0', filter, '\0');
    if (n < 0 || static_cast<size_t>(n) >= sizeof filterpaar) return false;
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = besitzer;
    ofn.lpstrFilter = filterpaar;
    ofn.lpstrFile = pfad;
    ofn.nMaxFile = static_cast<DWORD>(groesse);
    ofn.lpstrTitle = titel;
    ofn.lpstrDefExt = endung;
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return GetSaveFileNameA(&ofn) != 0;
}

void schreibfehler_melden(HWND besitzer, const char* pfad) {
    char text[DATEINAME_LAENGE + 100];
    snprintf(text, sizeof text, ui_text(UI_BILDDATEI_NICHT_GESCHRIEBEN), pfad);
    meldung(besitzer, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
}
