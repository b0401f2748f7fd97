// The screen-saver settings mode of the main window: while it is on, the
// control panel edits the view that goes into Kovra.ini and the chart shows a
// banner; the program's own settings wait in its settings file and come back
// when the mode ends. The mode begins by the menu or by the saver's hand-off
// and ends by the menu or with the main window.
#pragma once

#include <cstdint>

#include "schoner/partner.h"

extern int32_t bss_modus;  // 0 normal, 1 the saver's settings are edited

// A question or notice of the set-up, with the notice caption; returns the
// answer. One at a time: while one is open the window's end asks nothing
// over it (schoner_fenster_zerstoert).
int schoner_frage(HWND besitzer, int32_t text, UINT art);

// After the user said Yes to keeping the settings for the saver: a failure
// (ergebnis not 0) shows the set-up's write-error box (UI text
// UI_SCHONER_ZIEL) naming ini, Kovra.ini. Returns ergebnis.
int32_t uebernahme_melden(HWND besitzer, int32_t ergebnis, const char* ini);

// m = -1 only asks. m = 0 or 1 sets the mode; a change also sets or clears
// the check mark (and with the mode the chart banner, karten_banner). Other
// values only ask. Returns the mode.
int32_t modus_setzen(Schoner_Partner& fenster, int32_t m);

// The chart's caption in the current mode: the banner (UI text
// UI_BANNER_SCHONER) in mode 1, "" otherwise. The main window passes it to
// every drawing of its chart (Karteninhalt::kartentext).
const char* karten_banner();

// Command 110. In mode 1: keep the changes for the saver? (Yes, No, Cancel);
// Yes or No go back to the program's own settings, unless the window's end
// came while the box was open (then the answer changes nothing). In mode 0:
// a notice (OK, Cancel); OK saves the program's settings and loads the
// saver's. A failure after Yes is shown (uebernahme_melden). 0 done (or nothing asked for), -1 a file could not be written or
// moved (the paths not known, Kovra.si$ not taken back, a settings file not
// written); the step goes on all the same, as it always has.
int32_t bearbeitung_umschalten(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse);

// Activation of the main window, zustand as WM_ACTIVATE gives it. In mode 1
// and not by a mouse click, the settings parked by a test run come back.
// 0 done or nothing to do, -1 Kovra.si$ could not be taken back.
int32_t schoner_aktiviert(uint16_t zustand, const Schoner_Verzeichnisse& verzeichnisse);

// Destroy of the main window. In mode 1: keep the changes for the saver?
// (Yes, No; a box without owner, the window is going); then back to the
// program's own settings, which the window's destructor saves; a failure
// after Yes is shown (uebernahme_melden, without owner). One question
// at a time: a destroy while its own question is open does nothing, and one
// while another question of the set-up is open asks nothing and answers No.
// 0 done or nothing to do, -1 Kovra.si$ not taken back or Kovra.ini not
// written.
int32_t schoner_fenster_zerstoert(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse);

// Last step of start-up: when the saver has left its marker Kovra.acc in the
// program's directory, the marker goes, the program's settings are saved,
// the saver's loaded, and the main window comes to the top in mode 1 with a
// notice of what happened.
void uebergabe_pruefen(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse);
