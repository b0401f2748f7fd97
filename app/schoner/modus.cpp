#include "schoner/modus.h"

#include <cstdio>

#include "breit.h"
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

// The result of two steps taken one after the other: the first failure, 0
// when both are done.
int32_t erstes(int32_t ergebnis, int32_t danach) { return ergebnis != 0 ? ergebnis : danach; }

void uebergabe_melden(Schoner_Partner& fenster) {
    char text[1024];
    snprintf(text, sizeof text, "%s %s %s %s\n%s %s %s %s", ui_text(UI_UEBERGABE_1),
             ui_text(UI_UEBERGABE_1 + 1), ui_text(UI_UEBERGABE_1 + 2), ui_text(UI_UEBERGABE_1 + 3),
             ui_text(UI_UEBERGABE_5), ui_text(UI_UEBERGABE_5 + 1), ui_text(UI_UEBERGABE_5 + 2),
             ui_text(UI_UEBERGABE_5 + 3));
    meldung(fenster.besitzer(), text, ui_text(UI_PROGRAMM), MB_OK | MB_ICONINFORMATION);
}

int32_t bearbeitung_beenden(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse,
                            const Schoner_Dateien& d) {
    const int antwort =
        schoner_frage(fenster.besitzer(), UI_FRAGE_BEARBEITUNG_ENDE, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (antwort != IDYES && antwort != IDNO) return 0;  // Cancel, or no box at all
    if (bss_modus != 1) return 0;  // the window's end came first and has ended the editing
    int32_t ergebnis = ini_zurueckholen(d);
    if (antwort == IDYES) {
        ergebnis = uebernahme_melden(fenster.besitzer(), erstes(ergebnis, fenster.einstellungen_speichern(d.ini)),
                                     d.ini);
    }
    wechseln(fenster, verzeichnisse.ini_pfad, 0);
    return ergebnis;
}

int32_t bearbeitung_beginnen(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse,
                             const Schoner_Dateien& d) {
    const int antwort =
        schoner_frage(fenster.besitzer(), UI_HINWEIS_BEARBEITEN, MB_OKCANCEL | MB_ICONINFORMATION);
    if (antwort != IDOK) return 0;
    int32_t ergebnis = fenster.einstellungen_speichern(verzeichnisse.ini_pfad);
    ergebnis = erstes(ergebnis, ini_zurueckholen(d));
    wechseln(fenster, d.ini, 1);
    return ergebnis;
}

}  // namespace

int schoner_frage(HWND besitzer, int32_t text, UINT art) {
    const bool vorher = frage_offen;
    frage_offen = true;
    const int antwort = meldung(besitzer, ui_text(text), ui_text(UI_TITEL_HINWEIS), art);
    frage_offen = vorher;
    return antwort;
}

int32_t uebernahme_melden(HWND besitzer, int32_t ergebnis, const char* ini) {
    if (ergebnis == 0) return 0;
    char text[512];
    snprintf(text, sizeof text, ui_text(UI_SCHONER_ZIEL), ini);
    meldung(besitzer, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
    return ergebnis;
}

int32_t modus_setzen(Schoner_Partner& fenster, int32_t m) {
    if ((m != 0 && m != 1) || m == bss_modus) return bss_modus;
    fenster.bearbeiten_markieren(m == 1);
    bss_modus = m;
    return bss_modus;
}

int32_t bearbeitung_umschalten(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse) {
    Schoner_Dateien d;
    if (schoner_dateien(verzeichnisse, d) != 0) return -1;
    return bss_modus == 1 ? bearbeitung_beenden(fenster, verzeichnisse, d)
                          : bearbeitung_beginnen(fenster, verzeichnisse, d);
}

int32_t schoner_aktiviert(uint16_t zustand, const Schoner_Verzeichnisse& verzeichnisse) {
    Schoner_Dateien d;
    if (bss_modus != 1 || zustand != WA_ACTIVE || schoner_dateien(verzeichnisse, d) != 0) return 0;
    return ini_zurueckholen(d);
}

int32_t schoner_fenster_zerstoert(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse) {
    Schoner_Dateien d;
    if (bss_modus != 1 || ende_fragt || schoner_dateien(verzeichnisse, d) != 0) return 0;
    // While another question of the set-up is open (110, 112) the end asks
    // nothing over it and keeps the saver's file as it is, as No would.
    ende_fragt = true;
    const int antwort =
        frage_offen ? IDNO : schoner_frage(nullptr, UI_FRAGE_UEBERNEHMEN, MB_YESNO | MB_ICONQUESTION);
    ende_fragt = false;
    int32_t ergebnis = ini_zurueckholen(d);
    if (antwort == IDYES)
        ergebnis = uebernahme_melden(nullptr, erstes(ergebnis, fenster.einstellungen_speichern(d.ini)), d.ini);
    fenster.einstellungen_laden(verzeichnisse.ini_pfad);
    modus_setzen(fenster, 0);
    return ergebnis;
}

void uebergabe_pruefen(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse) {
    Schoner_Dateien d;
    if (schoner_dateien(verzeichnisse, d) != 0 || !datei_vorhanden(d.marke)) return;
    wchar_t marke[BREIT_PFAD];
    if (pfad_breit(d.marke, marke, BREIT_PFAD)) DeleteFileW(marke);
    if (bss_modus == 0) fenster.einstellungen_speichern(verzeichnisse.ini_pfad);
    ini_zurueckholen(d);
    fenster.nach_vorn();
    wechseln(fenster, d.ini, 1);
    uebergabe_melden(fenster);
}

const char* karten_banner() { return bss_modus == 1 ? ui_text(UI_BANNER_SCHONER) : ""; }
