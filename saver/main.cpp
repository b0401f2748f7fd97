// Kovra32.scr: the star chart as a screen saver.
#include <windows.h>

#include <cstdio>

#include "himmel_fenster.h"
#include "schale.h"
#include "schoner_ini.h"

int WINAPI WinMain(HINSTANCE instanz, HINSTANCE, LPSTR, int) {
    if (schoner_ini_pfad(scr_dateien.ini_pfad, sizeof scr_dateien.ini_pfad) != 0) {
        // A bare name is looked for in the Windows directory as well.
        snprintf(scr_dateien.ini_pfad, sizeof scr_dateien.ini_pfad, "Kovra.ini");
    }
    daten_verzeichnis_lesen(scr_dateien.ini_pfad, scr_dateien.daten_verzeichnis,
                            sizeof scr_dateien.daten_verzeichnis);
    ScrBefehlszeile(instanz, "VarnisBSS", "Varnis", ScrFensterProz);
    ScrAusfuehren();
    return 0;
}
