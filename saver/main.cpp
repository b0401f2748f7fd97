// Kovra32.scr: the star chart as a screen saver.
#include <windows.h>

#include <cstdio>

#include "himmel_fenster.h"
#include "kataloge.h"
#include "schale.h"
#include "schoner_ini.h"

int WINAPI WinMain(HINSTANCE instanz, HINSTANCE, LPSTR, int) {
    ScrDateien& d = scr_dateien;
    if (!schoner_ini_finden(ablage, d.ini_pfad, sizeof d.ini_pfad)) {
        // A bare name is looked for in the Windows directory as well.
        snprintf(d.ini_pfad, sizeof d.ini_pfad, "Kovra.ini");
    }
    // Without a Kovra.ini no folder is named but the saver's own.
    if (datei_vorhanden(d.ini_pfad)) daten_verzeichnis_lesen(d.ini_pfad, d.ini_daten, sizeof d.ini_daten);
    // When neither folder holds the catalogue the sky names both in its notice.
    schoner_daten_ordner(ablage, d.ini_daten, STERN_KATALOG, d.daten_verzeichnis,
                         sizeof d.daten_verzeichnis);
    ScrBefehlszeile(instanz, "VarnisBSS", "Varnis", ScrFensterProz);
    ScrAusfuehren();
    return 0;
}
