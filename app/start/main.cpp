// The entry of Varnis32: the user-interface texts, the application instance,
// the start-up, the message loop and the end. Started with arguments, it
// writes a chart file from the command line instead and shows no window.
#include <windows.h>

#include "befehlszeile/argumente.h"
#include "befehlszeile/ausfuehren.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/pfad.h"
#include "gemeinsam/ui_texte.h"
#include "instanz.h"
#include "start/programm.h"

int WINAPI WinMain(HINSTANCE modul, HINSTANCE vorher, LPSTR, int) {
    const Argumente argumente;
    if (argumente.anzahl() > 1) {
        char ordner[PFAD_LAENGE];
        programm_ordner(ordner, sizeof ordner);
        return befehlszeile_ausfuehren(argumente.anzahl(), argumente.werte(), ordner);
    }
    if (ui_texte_entschluesseln() != 0) {
        meldung(nullptr, FEHLERHAFT_TEXT, "Varnis", MB_OK | MB_ICONSTOP);
        return -1;
    }
    int ergebnis = 0;
    {
        Instanz instanz(modul, vorher, ui_text(UI_PROGRAMM), nullptr, LoadIconA(modul, "Varnis_ico"),
                        nullptr);
        // A missing catalogue has posted the quit message: the loop ends at once.
        if (varnis_starten(instanz) != 0) ergebnis = -1;
        MSG msg;
        bool breit = false;
        while (nachricht_holen(msg, breit, true)) nachricht_bearbeiten(instanz, msg, breit);
        varnis_beenden();
    }
    return ergebnis;
}
