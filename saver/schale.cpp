// The shell's program-wide state and the way from the command line to the
// action of the mode.
#include "schale.h"

#include <cstdio>

ScrZustand scr_zustand;
ScrDateien scr_dateien;

void ScrBefehlszeile(HINSTANCE instanz, const char* klassen_name, const char* titel,
                     WNDPROC fenster_proz) {
    ScrZustand& z = scr_zustand;
    z = ScrZustand{};
    z.passwort_verzoegerung = 15;
    z.maus_schwelle = 50;
    z.instanz = instanz;
    z.klassen_name = klassen_name;
    z.titel = titel;
    z.fenster_proz = fenster_proz;
    z.tick_zaehler = GetTickCount;
    z.passwort_pruefen = ScrPasswortPruefen;
    z.system_parameter = SystemParametersInfoA;
    z.nt_plattform = ScrNtPlattform;
    z.pruef_bibliothek = "PASSWORD.CPL";
    z.aender_bibliothek = "MPR.DLL";

    // The saver's own path in UTF-8 and its switches; a line too long for
    // the buffer is read as none.
    char zeile[2 * PFAD_LAENGE];
    pfad_schmal(GetCommandLineW(), zeile, sizeof zeile);
    const ScrBefehl befehl = ScrBefehlZerlegen(zeile);
    z.modus = befehl.modus;
    z.eltern_fenster = befehl.vordergrund ? GetForegroundWindow()
                                          : reinterpret_cast<HWND>(befehl.eltern);
}

void ScrAusfuehren() {
    switch (scr_zustand.modus) {
        case VORSCHAU:
            // A preview lives in its host: without one there is nothing to
            // show, and nobody to end the window.
            if (!IsWindow(scr_zustand.eltern_fenster)) break;
            [[fallthrough]];
        case SCHONER:
            ScrRegistryLesen();
            ScrFensterErzeugen();
            break;
        case PASSWORT:
            ScrPasswortAendern();
            break;
        case EINSTELLEN:
            ScrEinstellen();
            break;
        case KEIN:
            break;
    }
}

void ScrSchliessen() {
    scr_zustand.schliessen_angefordert = 1;
    PostMessageA(scr_zustand.fenster, WM_CLOSE, 0, 0);
}

void ScrDebugEin() { scr_zustand.debug = 1; }

void ScrTrace(const char* text) {
    if (!scr_zustand.debug) return;
    OutputDebugStringA(text);
    OutputDebugStringA("\n");
}

bool ScrDatenPfad(char* ziel, size_t groesse, const char* name) {
    const int n = snprintf(ziel, groesse, "%s\\%s", scr_dateien.daten_verzeichnis, name);
    return n >= 0 && static_cast<size_t>(n) < groesse;
}
