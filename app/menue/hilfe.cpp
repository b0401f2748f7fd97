#include "menue/hilfe.h"

#include <htmlhelp.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

#include "breit.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/pfad.h"
#include "gemeinsam/ui_texte.h"

namespace {

using Html_Hilfe = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

class Windows_Hilfe final : public Hilfe_System {
public:
    bool lesbar(const char* pfad) override {
        FILE* datei = datei_oeffnen(pfad, "rb");
        if (!datei) return false;
        fclose(datei);
        return true;
    }

    bool html_hilfe_zeigen(HWND besitzer, const char* datei) override {
        const Html_Hilfe html = laden();
        wchar_t breit[BREIT_PFAD];
        return html && pfad_breit(datei, breit, BREIT_PFAD) &&
               html(besitzer, breit, HH_DISPLAY_TOPIC, 0) != nullptr;
    }

    void html_hilfe_schliessen() override {
        if (html_hilfe) html_hilfe(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }

    intptr_t shell_oeffnen(HWND besitzer, const char* datei, const char* verzeichnis) override {
        wchar_t breite_datei[BREIT_PFAD];
        wchar_t breites_verzeichnis[BREIT_PFAD];
        if (!pfad_breit(datei, breite_datei, BREIT_PFAD) ||
            !pfad_breit(verzeichnis ? verzeichnis : "", breites_verzeichnis, BREIT_PFAD)) {
            return 0;  // as ShellExecute's "out of resources": not opened
        }
        return reinterpret_cast<intptr_t>(ShellExecuteW(besitzer, L"open", breite_datei, nullptr,
                                                        breites_verzeichnis, SW_SHOWNORMAL));
    }

    void winhilfe_beenden(HWND besitzer) override { WinHelpW(besitzer, L"varnis", HELP_QUIT, 0); }

private:
    // By its full name in the system directory: a bare name would be looked
    // for in the program's directory first.
    Html_Hilfe laden() {
        if (geladen) return html_hilfe;
        geladen = true;
        static const wchar_t NAME[] = L"\\hhctrl.ocx";
        wchar_t pfad[BREIT_PFAD];
        const UINT n = GetSystemDirectoryW(pfad, BREIT_PFAD);
        if (n == 0 || n + wcslen(NAME) >= BREIT_PFAD) return nullptr;
        wcscpy(pfad + n, NAME);
        HMODULE bibliothek = LoadLibraryW(pfad);
        if (!bibliothek) return nullptr;
        // Through a plain function pointer type, the conversion the compiler
        // accepts without a cast warning.
        html_hilfe = reinterpret_cast<Html_Hilfe>(
            reinterpret_cast<void (*)()>(GetProcAddress(bibliothek, "HtmlHelpW")));
        return html_hilfe;
    }

    bool geladen = false;
    Html_Hilfe html_hilfe = nullptr;
};

void nicht_geoeffnet(HWND hauptfenster, const char* datei) {
    char text[PFAD_LAENGE + 100];
    snprintf(text, sizeof text, ui_text(UI_HILFE_FEHLT), datei);
    meldung(hauptfenster, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
}

}  // namespace

Hilfe_System& windows_hilfe() {
    static Windows_Hilfe system;
    return system;
}

Hilfe_Form Hilfe::oeffnen(HWND hauptfenster, const char* start_verzeichnis) {
    char pfad[PFAD_LAENGE];
    if (pfad_bilden(pfad, sizeof pfad, start_verzeichnis, "Varnis.chm") == 0 &&
        system.lesbar(pfad) && system.html_hilfe_zeigen(hauptfenster, pfad)) {
        html_offen = true;
        return Hilfe_Form::HTML;
    }
    if (pfad_bilden(pfad, sizeof pfad, start_verzeichnis, "Varnis.hlp") != 0) {
        nicht_geoeffnet(hauptfenster, "Varnis.hlp");  // the path would not fit
        return Hilfe_Form::KEINE;
    }
    if (system.shell_oeffnen(hauptfenster, pfad, start_verzeichnis) <= 32) {
        nicht_geoeffnet(hauptfenster, pfad);
        return Hilfe_Form::KEINE;
    }
    return Hilfe_Form::WINHELP;
}

void Hilfe::schliessen(HWND hauptfenster) {
    if (html_offen) system.html_hilfe_schliessen();
    html_offen = false;
    system.winhilfe_beenden(hauptfenster);
}

Hilfe& programm_hilfe() {
    static Hilfe hilfe(windows_hilfe());
    return hilfe;
}

void programm_beenden(HWND hauptfenster, Hilfe& hilfe) {
    hilfe.schliessen(hauptfenster);
    PostMessageA(hauptfenster, WM_CLOSE, 0, 0);
}
