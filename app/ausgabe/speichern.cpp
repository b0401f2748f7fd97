#include "ausgabe/speichern.h"

#include <shlobj.h>

#include <cstdio>

#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"

namespace {

// The session's folder of the save dialogs, made at the first dialog.
Speicherordner& sitzungsordner() {
    static Speicherordner ordner = [] {
        char bilder[MAX_PATH] = "";
        if (SHGetFolderPathA(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, bilder) != S_OK)
            bilder[0] = '\0';
        return Speicherordner(bilder);
    }();
    return ordner;
}

}  // namespace

bool speicherdialog(HWND besitzer, char* pfad, size_t groesse, const Dateityp& typ, const char* titel,
                    Speicherfenster zeigen) {
    char filter[80];
    if (filter_bilden(filter, sizeof filter, typ) != 0) return false;
    Speicherordner& ordner = sitzungsordner();
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = besitzer;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = pfad;
    ofn.nMaxFile = static_cast<DWORD>(groesse);
    ofn.lpstrInitialDir = ordner.anfang()[0] ? ordner.anfang() : nullptr;
    ofn.lpstrTitle = titel;
    ofn.lpstrDefExt = typ.endung;
    // The program keeps the folders it found at start; the dialog would
    // otherwise leave the current directory in the folder chosen.
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!zeigen(&ofn)) return false;
    ordner.merken(pfad);
    return true;
}

void vorschlag_uebernehmen(char* pfad, size_t groesse, const char* vorschlag) {
    const int n = snprintf(pfad, groesse, "%s", vorschlag ? vorschlag : "");
    if (n < 0 || static_cast<size_t>(n) >= groesse) pfad[0] = '\0';
}

void schreibfehler_melden(HWND besitzer, const char* pfad) {
    char text[DATEINAME_LAENGE + 100];
    snprintf(text, sizeof text, ui_text(UI_BILDDATEI_NICHT_GESCHRIEBEN), pfad);
    meldung(besitzer, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
}
