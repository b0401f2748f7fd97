#include "schoner/befehle.h"

#include <cstdio>
#include <cstring>

#include "gemeinsam/dateiattribute.h"
#include "gemeinsam/ui_texte.h"
#include "schoner/dateien.h"
#include "schoner/modus.h"
#include "schoner/prozess.h"
#include "schoner/registrierung.h"

int32_t schoner_uebergeben(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse) {
    Schoner_Dateien d;
    if (schoner_dateien(verzeichnisse, d) != 0) return -1;
    const int32_t modus = bss_modus;
    if (schoner_frage(fenster.besitzer(), UI_FRAGE_UEBERNEHMEN,
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return 0;
    }
    if (bss_modus != modus) return 0;  // the window's end came first and has ended the editing
    const int32_t zurueck = ini_zurueckholen(d);
    const int32_t geschrieben = fenster.einstellungen_speichern(d.ini);
    return uebernahme_melden(fenster.besitzer(), zurueck != 0 ? zurueck : geschrieben, d.ini);
}

int32_t schoner_testen(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse) {
    Schoner_Dateien d;
    if (schoner_dateien(verzeichnisse, d) != 0) return -1;
    int32_t ergebnis = 0;
    if (bss_modus == 1) {
        const int32_t zurueck = ini_zurueckholen(d);
        // A missing Kovra.ini leaves nothing to park: no failure.
        const int32_t geparkt = ini_parken(d) == 0 || !datei_vorhanden(d.ini) ? 0 : -1;
        const int32_t geschrieben = fenster.einstellungen_speichern(d.ini);
        ergebnis = zurueck != 0 ? zurueck : geparkt != 0 ? geparkt : geschrieben;
    }
    // The chosen saver (else the one an installation would choose) by its
    // full name: a bare name would be found first in the program's own
    // directory.
    char schoner[SCHONER_PFAD_LAENGE];
    if (!kovra_registriert(schoner, sizeof schoner)) memcpy(schoner, d.schoner, sizeof schoner);
    char zeile[SCHONER_PFAD_LAENGE + 8];
    snprintf(zeile, sizeof zeile, "\"%s\" /s", schoner);
    prozess_starten(schoner, zeile, verzeichnisse.benutzer_verzeichnis);
    return ergebnis;
}
