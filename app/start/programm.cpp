#include "start/programm.h"

#include <cstdio>

#include "ausgabe/hintergrund.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "hauptfenster/himmel_df.h"
#include "datei_befund.h"
#include "dialog.h"
#include "instanz.h"
#include "kataloge.h"
#include "menue/menue.h"
#include "menue/ueber.h"
#include "schoner/modus.h"

Himmel_DF* hauptfenster = nullptr;

namespace {

HACCEL tasten = nullptr;  // from varnis_starten to varnis_beenden

}  // namespace

const char FEHLERHAFT_TEXT[] = "Das Programm ist fehlerhaft und kann nicht ausgeführt werden.";

namespace {

// A directory that does not fit is left empty: the files are then looked
// for in the current directory, never under a cut path.
void verzeichnis_merken(char* ziel, UINT (*lesen)(char*, UINT)) {
    const UINT n = lesen(ziel, PFAD_LAENGE);
    if (n == 0 || n >= PFAD_LAENGE) ziel[0] = '\0';
}

UINT aktuelles(char* ziel, UINT groesse) { return GetCurrentDirectoryA(groesse, ziel); }
UINT windows(char* ziel, UINT groesse) { return GetWindowsDirectoryA(ziel, groesse); }

void fehler(const char* text) {
    meldung(nullptr, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
}

// Loads one catalogue file of the start directory; when it cannot be opened
// or is damaged, says so in the box of fehlt or beschaedigt (which names the
// file and the fault) and returns the loader's result.
int32_t katalog_laden(Himmel& himmel, const char* name, int32_t (Himmel::*laden)(const char*),
                      int32_t fehlt, int32_t beschaedigt) {
    char pfad[PFAD_LAENGE];
    pfad_bilden(pfad, sizeof pfad, start_verzeichnis, name);
    const int32_t ergebnis = *pfad ? (himmel.*laden)(pfad) : -1;
    if (ergebnis == -1) fehler(ui_text(fehlt));
    if (datei_beschaedigt(ergebnis)) {
        char text[PFAD_LAENGE + 250];
        snprintf(text, sizeof text, ui_text(beschaedigt), pfad, befund_text(ergebnis));
        fehler(text);
    }
    return ergebnis;
}

// 0, or -1 when the star catalogue cannot be opened or is damaged.
int32_t himmel_laden(Himmel& himmel) {
    if (katalog_laden(himmel, STERN_KATALOG, &Himmel::stern_datei_laden, UI_KATALOG_FEHLT,
                      UI_KATALOG_BESCHAEDIGT) != 0)
        return -1;
    katalog_laden(himmel, STERNBILD_KATALOG, &Himmel::sternbild_datei_laden, UI_STERNBILDER_FEHLEN,
                  UI_STERNBILDER_BESCHAEDIGT);
    return 0;
}

// The menu bar, with the screen-saver items as the installed file allows.
void menue_anbringen(Himmel_DF& fenster) {
    const HMENU menue = menue_erzeugen();
    SetMenu(fenster.hwnd, menue);
    schoner_punkte_setzen(menue, windows_verzeichnis);
}

}  // namespace

void startgroesse(int32_t bildschirm_breite, int32_t& breite, int32_t& hoehe) {
    const bool gross = bildschirm_breite > 800;
    breite = gross ? Fenster::STANDARD : 640;
    hoehe = gross ? Fenster::STANDARD : 480;
}

int32_t varnis_starten(Instanz& instanz) {
    instanz.fenster_registrieren();
    verzeichnis_merken(start_verzeichnis, aktuelles);
    verzeichnis_merken(windows_verzeichnis, windows);

    int32_t breite, hoehe;
    startgroesse(GetSystemMetrics(SM_CXSCREEN), breite, hoehe);
    hauptfenster = new Himmel_DF(Fenster::STANDARD, Fenster::STANDARD, breite, hoehe);
    instanz.hf(hauptfenster);

    if (himmel_laden(*hauptfenster->himmel) != 0) {
        PostQuitMessage(-1);
        return -1;
    }
    ueber_erzeugen(hauptfenster, instanz.hinstance);
    hauptfenster->ueberschrift("%s", ui_text(UI_HAUPTFENSTER));
    hauptfenster->oeffnen(1);
    menue_anbringen(*hauptfenster);
    tasten = tasten_erzeugen();
    hauptfenster->moment_anzeigen();
    uebergabe_pruefen(*hauptfenster, hauptfenster->schoner_verzeichnisse());
    return 0;
}

bool nachricht_filtern(Instanz& instanz, MSG* msg) {
    const HWND haupt = hauptfenster ? hauptfenster->hwnd : nullptr;
    if (tasten && haupt && (msg->hwnd == haupt || IsChild(haupt, msg->hwnd)) &&
        TranslateAcceleratorA(haupt, tasten, msg)) {
        return true;
    }
    return Dialog_F::is_dialog_message(&instanz, msg) != 0;
}

void varnis_beenden() {
    tasten_loeschen(tasten);
    tasten = nullptr;
    ueber_loeschen();
    delete hauptfenster;
    hauptfenster = nullptr;
    hintergrund_leinwand_freigeben();
}
