// The screen-saver shell: the run mode from the command line, the system's
// screen-saver values, the saver window and when it closes, the password
// dialogs and the hand-over of configuration to the star-chart program.
// Knows nothing of stars; the sky is drawn by the window procedure of
// himmel_fenster.h, which passes everything else to ScrGrundProz.
#pragma once

#include <windows.h>

#include <cstdint>

#include "befehlszeile.h"
#include "breit.h"

struct ScrZustand {
    int debug;                   // tracing and a windowed saver
    int im_passwort;             // the password dialog is open
    int schliessen_angefordert;  // the shell itself posted WM_CLOSE
    HINSTANCE instanz;
    HWND eltern_fenster;  // host (/p, /l), parent for /a and /c
    HWND fenster;         // the saver window, from WM_CREATE on
    ScrModus modus;
    uint32_t passwort_verzoegerung;  // seconds without a password after the start
    uint32_t maus_schwelle;          // pixels the cursor may move on each axis
    uint32_t ton_aus;                // read, not used: the saver makes no sound
    uint32_t start_tick;             // tick count (ms) at WM_CREATE
    POINT start_pos;                 // screen coordinates, reference for maus_schwelle
    const char* klassen_name;
    const char* titel;
    WNDPROC fenster_proz;
    // Seams for tests: the tick count, the password check in use, the call
    // that tells the system a saver runs, the platform and the libraries the
    // password functions come from.
    DWORD(WINAPI* tick_zaehler)();
    int (*passwort_pruefen)(HWND fenster);
    BOOL(WINAPI* system_parameter)(UINT aktion, UINT wert, PVOID daten, UINT aendern);
    bool (*nt_plattform)();
    const char* pruef_bibliothek;   // exports VerifyScreenSavePwd
    const char* aender_bibliothek;  // exports PwdChangePasswordA
};

extern ScrZustand scr_zustand;

void ScrBefehlszeile(HINSTANCE instanz, const char* klassen_name, const char* titel,
                     WNDPROC fenster_proz);
void ScrAusfuehren();
LRESULT CALLBACK ScrGrundProz(HWND fenster, UINT nachricht, WPARAM wparam, LPARAM lparam);
void ScrSchliessen();
int ScrPasswortPruefen(HWND fenster);
void ScrPasswortAendern();
// Whether the system is of the NT family (it locks the session itself).
bool ScrNtPlattform();
void ScrRegistryLesen();
// Registers the class and creates the window for the mode; null on failure.
HWND ScrFensterAnlegen();
// ScrFensterAnlegen and the message loop until the window is gone.
void ScrFensterErzeugen();
void ScrEinstellen();
void ScrDebugEin();
void ScrTrace(const char* text);

// Where the saver finds its files, fixed at program start.
struct ScrDateien {
    char ini_pfad[PFAD_LAENGE];         // schoner_ini_finden (settings/schoner_ini.h)
    char ini_daten[PFAD_LAENGE];        // "Pfad" of that file, named in the notice; "" without the file
    char daten_verzeichnis[PFAD_LAENGE];  // schoner_daten_ordner: that folder or the saver's own
};
extern ScrDateien scr_dateien;

// Data directory + "\" + name into ziel; false (and nothing to use) when the
// path does not fit.
bool ScrDatenPfad(char* ziel, size_t groesse, const char* name);
