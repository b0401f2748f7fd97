#include "ausgabe/speichern.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "breit.h"

#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"

namespace {

// The session's folder of the save dialogs, made at the first dialog.
Speicherordner& sitzungsordner() {
    static Speicherordner ordner = [] {
        wchar_t breit[BREIT_PFAD];
        char bilder[PFAD_LAENGE] = "";
        if (SHGetFolderPathW(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, breit) == S_OK)
            pfad_schmal(breit, bilder, sizeof bilder);
        return Speicherordner(bilder);
    }();
    return ordner;
}

// The filter's parts, each ended by a NUL, and the closing NUL, in UTF-16.
void filter_breit(const char* filter, wchar_t* ziel, size_t zeichen) {
    size_t n = 0;
    for (const char* teil = filter; *teil && n + 2 < zeichen; teil += strlen(teil) + 1) {
        text_breit(teil, ziel + n, zeichen - n - 1);
        n += wcslen(ziel + n) + 1;
    }
    ziel[n] = L'\0';
}

}  // namespace

bool speicherdialog(HWND besitzer, char* pfad, size_t groesse, const Dateityp& typ, const char* titel,
                    Speicherfenster zeigen) {
    char filter[80];
    if (filter_bilden(filter, sizeof filter, typ) != 0) return false;
    wchar_t breiter_filter[80];
    filter_breit(filter, breiter_filter, 80);
    Speicherordner& ordner = sitzungsordner();
    wchar_t datei[BREIT_PFAD];
    wchar_t anfang[BREIT_PFAD];
    wchar_t breiter_titel[128];
    wchar_t endung[16];
    text_breit(pfad, datei, BREIT_PFAD);
    pfad_breit(ordner.anfang(), anfang, BREIT_PFAD);
    text_breit(titel, breiter_titel, 128);
    text_breit(typ.endung, endung, 16);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = besitzer;
    ofn.lpstrFilter = breiter_filter;
    ofn.lpstrFile = datei;
    ofn.nMaxFile = BREIT_PFAD;
    ofn.lpstrInitialDir = anfang[0] ? anfang : nullptr;
    ofn.lpstrTitle = breiter_titel;
    ofn.lpstrDefExt = endung;
    // The program keeps the folders it found at start; the dialog would
    // otherwise leave the current directory in the folder chosen.
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!zeigen(&ofn) || !pfad_schmal(datei, pfad, groesse)) return false;
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
