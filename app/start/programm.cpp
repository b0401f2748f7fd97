#include "start/programm.h"

#include <windowsx.h>

#include <cstdio>

#include "ablage.h"

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

// The three directories. One that is not known or does not fit is left
// empty: the files are then looked for in the current directory, never under
// a cut path.
void verzeichnisse_merken() {
    if (!daten_ordner(ablage, STERN_KATALOG, start_verzeichnis, PFAD_LAENGE)) start_verzeichnis[0] = '\0';
    if (!ablage.ordner(Ordner::BENUTZER, benutzer_verzeichnis, PFAD_LAENGE)) benutzer_verzeichnis[0] = '\0';
    if (!ablage.ordner(Ordner::WINDOWS, windows_verzeichnis, PFAD_LAENGE)) windows_verzeichnis[0] = '\0';
}

void fehler(const char* text) {
    meldung(nullptr, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
}

// The error box of a missing star catalogue, naming the folders looked in:
// the current directory and the program's folder.
void katalog_fehlt() {
    char aktuell[PFAD_LAENGE] = "";
    char programm[PFAD_LAENGE] = "";
    ablage.ordner(Ordner::AKTUELL, aktuell, sizeof aktuell);
    ablage.ordner(Ordner::PROGRAMM, programm, sizeof programm);
    char ordner[2 * PFAD_LAENGE + 16];
    wchar_t aktuell_breit[BREIT_PFAD], programm_breit[BREIT_PFAD];  // compared as Windows compares names
    if (pfad_breit(aktuell, aktuell_breit, BREIT_PFAD) && pfad_breit(programm, programm_breit, BREIT_PFAD) &&
        lstrcmpiW(aktuell_breit, programm_breit) == 0) {
        snprintf(ordner, sizeof ordner, "'%s'", programm);
    } else {
        snprintf(ordner, sizeof ordner, "'%s' und '%s'", aktuell, programm);
    }
    char text[2 * PFAD_LAENGE + 300];
    snprintf(text, sizeof text, ui_text(UI_KATALOG_FEHLT), ordner);
    fehler(text);
}

void sternbilder_fehlen() { fehler(ui_text(UI_STERNBILDER_FEHLEN)); }

// Loads one catalogue file of the start directory; when it cannot be opened
// calls fehlt, when it is damaged says so in the box of beschaedigt (which
// names the file and the fault), and returns the loader's result.
int32_t katalog_laden(Himmel& himmel, const char* name, int32_t (Himmel::*laden)(const char*),
                      void (*fehlt)(), int32_t beschaedigt) {
    char pfad[PFAD_LAENGE];
    pfad_bilden(pfad, sizeof pfad, start_verzeichnis, name);
    const int32_t ergebnis = *pfad ? (himmel.*laden)(pfad) : -1;
    if (ergebnis == -1) fehlt();
    if (datei_beschaedigt(ergebnis)) {
        char text[PFAD_LAENGE + 250];
        snprintf(text, sizeof text, ui_text(beschaedigt), pfad, befund_text(ergebnis));
        fehler(text);
    }
    return ergebnis;
}

// 0, or -1 when the star catalogue cannot be opened or is damaged.
int32_t himmel_laden(Himmel& himmel) {
    if (katalog_laden(himmel, STERN_KATALOG, &Himmel::stern_datei_laden, katalog_fehlt,
                      UI_KATALOG_BESCHAEDIGT) != 0)
        return -1;
    katalog_laden(himmel, STERNBILD_KATALOG, &Himmel::sternbild_datei_laden, sternbilder_fehlen,
                  UI_STERNBILDER_BESCHAEDIGT);
    return 0;
}

// The menu bar, with the screen-saver items as the installed file allows.
void menue_anbringen(Himmel_DF& fenster) {
    const HMENU menue = menue_erzeugen();
    SetMenu(fenster.hwnd, menue);
    schoner_punkte_setzen(menue, benutzer_verzeichnis);
    if (fenster.darstellung.nacht) menue_nachtfarben(menue, true);
}

bool eigenes(HWND haupt, HWND fenster) {
    return haupt && fenster && (fenster == haupt || IsChild(haupt, fenster));
}

// Windows before 10 sends the wheel to the focused window, which would turn
// a list the user is not pointing at. A wheel meant for the main window or
// one of its controls goes to the one under the pointer (the position is in
// screen pixels in lParam); over another window it stays where it was sent,
// so that a list dropped down (a window of its own) keeps its wheel.
void rad_umleiten(HWND haupt, MSG* msg) {
    if (!eigenes(haupt, msg->hwnd)) return;
    const POINT zeiger{GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
    const HWND unter = WindowFromPoint(zeiger);
    if (eigenes(haupt, unter)) msg->hwnd = unter;
}

}  // namespace

void startgroesse(int32_t bildschirm_breite, int32_t& breite, int32_t& hoehe) {
    const bool gross = bildschirm_breite > 800;
    breite = gross ? Fenster::STANDARD : 640;
    hoehe = gross ? Fenster::STANDARD : 480;
}

int32_t varnis_starten(Instanz& instanz) {
    instanz.fenster_registrieren();
    verzeichnisse_merken();

    int32_t breite, hoehe;
    startgroesse(GetSystemMetrics(SM_CXSCREEN), breite, hoehe);
    hauptfenster = new Himmel_DF(Fenster::STANDARD, Fenster::STANDARD, breite, hoehe);
    instanz.hf(hauptfenster);

    if (himmel_laden(*hauptfenster->himmel) != 0) {
        hauptfenster->ini_pfad[0] = '\0';  // a start that fails writes no settings
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
    if (msg->message == WM_MOUSEWHEEL) rad_umleiten(haupt, msg);
    if (tasten && eigenes(haupt, msg->hwnd) && TranslateAcceleratorA(haupt, tasten, msg)) {
        return true;
    }
    return Dialog_F::is_dialog_message(&instanz, msg) != 0;
}

bool nachricht_holen(MSG& msg, bool& breit, bool warten) {
    MSG vorschau;
    while (!PeekMessageW(&vorschau, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!warten) return false;
        WaitMessage();
    }
    breit = vorschau.hwnd && IsWindowUnicode(vorschau.hwnd);
    if (!warten) return (breit ? PeekMessageW : PeekMessageA)(&msg, nullptr, 0, 0, PM_REMOVE) != 0;
    return (breit ? GetMessageW : GetMessageA)(&msg, nullptr, 0, 0) > 0;
}

void nachricht_bearbeiten(Instanz& instanz, MSG& msg, bool breit) {
    if (breit) {
        const HWND dialog = GetAncestor(msg.hwnd, GA_ROOT);
        if (dialog && dialog != msg.hwnd && IsDialogMessageW(dialog, &msg)) return;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        return;
    }
    if (nachricht_filtern(instanz, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void varnis_beenden() {
    tasten_loeschen(tasten);
    tasten = nullptr;
    ueber_loeschen();
    delete hauptfenster;
    hauptfenster = nullptr;
    hintergrund_leinwand_freigeben();
}
