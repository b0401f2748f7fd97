#include "schoner/modus.h"

#include <cstdio>

#include "gemeinsam/dateiattribute.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "gestirne.h"
#include "schoner/dateien.h"

int32_t bss_modus = 0;

namespace {

// One question at a time: a question of the set-up is open, and the
// window's end is asking its own (a second close then asks nothing more).
bool frage_offen = false;
bool ende_fragt = false;

// Settings from datei, the mode, and a fresh drawing with the banner as it
// now stands.
void wechseln(Schoner_Partner& fenster, const char* datei, int32_t modus) {
    fenster.einstellungen_laden(datei);
    modus_setzen(fenster, modus);
    fenster.neu_zeichnen();
}

void uebergabe_melden(Schoner_Partner& fenster) {
    char text[1024];
    snprintf(text, sizeof text, "%s %s %s %s\n%s %s %s %s", ui_text(UI_UEBERGABE_1),
             ui_text(UI_UEBERGABE_1 + 1), ui_text(UI_UEBERGABE_1 + 2), ui_text(UI_UEBERGABE_1 + 3),
             ui_text(UI_UEBERGABE_5), ui_text(UI_UEBERGABE_5 + 1), ui_text(UI_UEBERGABE_5 + 2),
             ui_text(UI_UEBERGABE_5 + 3));
    meldung(fenster.besitzer(), text, ui_text(UI_PROGRAMM), MB_OK | MB_ICONINFORMATION);
}

void bearbeitung_beenden(Schoner_Partner& fenster, const Schoner_Orte& orte,
                         const Schoner_Dateien& d) {
    const int antwort =
        schoner_frage(fenster.besitzer(), UI_FRAGE_BEARBEITUNG_ENDE, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (antwort != IDYES && antwort != IDNO) return;  // Cancel, or no box at all
    if (bss_modus != 1) return;  // the window's end came first and has ended the editing
    ini_zurueckholen(d);
    if (antwort == IDYES) fenster.einstellungen_speichern(d.ini);
    wechseln(fenster, orte.ini_pfad, 0);
}

void bearbeitung_beginnen(Schoner_Partner& fenster, const Schoner_Orte& orte,
                          const Schoner_Dateien& d) {
    const int antwort =
        schoner_frage(fenster.besitzer(), UI_HINWEIS_BEARBEITEN, MB_OKCANCEL | MB_ICONINFORMATION);
    if (antwort != IDOK) return;
    fenster.einstellungen_speichern(orte.ini_pfad);
    ini_zurueckholen(d);
    wechseln(fenster, d.ini, 1);
}

}  // namespace

int schoner_frage(HWND besitzer, int32_t text, UINT art) {
    const bool vorher = frage_offen;
    frage_offen = true;
    const int antwort = meldung(besitzer, ui_text(text), ui_text(UI_TITEL_HINWEIS), art);
    frage_offen = vorher;
    return antwort;
}

int32_t modus_setzen(Schoner_Partner& fenster, int32_t m) {
    if ((m != 0 && m != 1) || m == bss_modus) return bss_modus;
    snprintf(karten_text, sizeof karten_text, "%s", m == 1 ? ui_text(UI_BANNER_SCHONER) : "");
    fenster.bearbeiten_markieren(m == 1);
    bss_modus = m;
    return bss_modus;
}

void bearbeitung_umschalten(Schoner_Partner& fenster, const Schoner_Orte& orte) {
    Schoner_Dateien d;
    if (schoner_dateien(orte, d) != 0) return;
    if (bss_modus == 1) {
        bearbeitung_beenden(fenster, orte, d);
    } else {
        bearbeitung_beginnen(fenster, orte, d);
    }
}

void schoner_aktiviert(uint16_t zustand, const Schoner_Orte& orte) {
    Schoner_Dateien d;
    if (bss_modus != 1 || zustand != WA_ACTIVE || schoner_dateien(orte, d) != 0) return;
    ini_zurueckholen(d);
}

void schoner_fenster_zerstoert(Schoner_Partner& fenster, const Schoner_Orte& orte) {
    Schoner_Dateien d;
    if (bss_modus != 1 || ende_fragt || schoner_dateien(orte, d) != 0) return;
    // While another question of the set-up is open (110, 112) the end asks
    // nothing over it and keeps the saver's file as it is, as No would.
    ende_fragt = true;
    const int antwort =
        frage_offen ? IDNO : schoner_frage(nullptr, UI_FRAGE_UEBERNEHMEN, MB_YESNO | MB_ICONQUESTION);
    ende_fragt = false;
    ini_zurueckholen(d);
    if (antwort == IDYES) fenster.einstellungen_speichern(d.ini);
    fenster.einstellungen_laden(orte.ini_pfad);
    modus_setzen(fenster, 0);
}

void uebergabe_pruefen(Schoner_Partner& fenster, const Schoner_Orte& orte) {
    Schoner_Dateien d;
    if (schoner_dateien(orte, d) != 0 || !datei_vorhanden(d.marke)) return;
    DeleteFileA(d.marke);
    if (bss_modus == 0) fenster.einstellungen_speichern(orte.ini_pfad);
    ini_zurueckholen(d);
    fenster.nach_vorn();
    wechseln(fenster, d.ini, 1);
    uebergabe_melden(fenster);
}
