#include "schoner/befehle.h"

#include <cstdio>

#include "gemeinsam/ui_texte.h"
#include "schoner/dateien.h"
#include "schoner/modus.h"
#include "schoner/prozess.h"

void schoner_uebergeben(Schoner_Partner& fenster, const Schoner_Orte& orte) {
    Schoner_Dateien d;
    if (schoner_dateien(orte, d) != 0) return;
    const int32_t modus = bss_modus;
    if (schoner_frage(fenster.besitzer(), UI_FRAGE_UEBERNEHMEN,
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    if (bss_modus != modus) return;  // the window's end came first and has ended the editing
    ini_zurueckholen(d);
    fenster.einstellungen_speichern(d.ini);
}

void schoner_testen(Schoner_Partner& fenster, const Schoner_Orte& orte) {
    Schoner_Dateien d;
    if (schoner_dateien(orte, d) != 0) return;
    if (bss_modus == 1) {
        ini_zurueckholen(d);
        ini_parken(d);
        fenster.einstellungen_speichern(d.ini);
    }
    // The installed copy by its full name: a bare name would be found first
    // in the program's own directory.
    char zeile[SCHONER_PFAD_LAENGE + 8];
    snprintf(zeile, sizeof zeile, "\"%s\" /s", d.schoner);
    prozess_starten(d.schoner, zeile, orte.windows_verzeichnis);
}
