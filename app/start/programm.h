// Start and end of the star-chart program Varnis32 and its program-wide
// state. The program's own files are looked for in the directory that is
// current at start-up.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gemeinsam/verzeichnisse.h"

class Himmel_DF;
class Instanz;

extern Himmel_DF* hauptfenster;  // from varnis_starten to varnis_beenden

// The text shown when the user-interface texts cannot be unscrambled.
extern const char FEHLERHAFT_TEXT[];

// The size of the main window on a screen breit pixels wide: on a screen
// wider than 800 the system chooses (Fenster::STANDARD), else 640 x 480.
void startgroesse(int32_t bildschirm_breite, int32_t& breite, int32_t& hoehe);

// Registers the window classes, notes the directories, makes the main window
// with its sky, loads the catalogue and the constellations, makes the about
// window, opens the main window, attaches the menu bar with the
// screen-saver items' states and takes over the saver's settings when the
// saver left its hand-off marker. 0 the program runs; -1 the star
// catalogue is missing: its box was shown, the quit message is posted and
// no window is open.
int32_t varnis_starten(Instanz& instanz);

// The message loop's filter before translating and dispatching: a mouse
// wheel meant for the main window or one of its controls is sent on to the
// one of them under the pointer; the main window's key table
// (menue/menue.h) comes first for every key meant for the main window or
// one of its controls, then the dialogs' keyboard filter. true when msg was
// consumed.
bool nachricht_filtern(Instanz& instanz, MSG* msg);

// The next message of the loop into msg: one meant for a Unicode window (the
// search's field and list, suchen/such_df.h) is fetched in UTF-16, so that a
// typed "α" stays α, every other one in the ANSI code page as always; breit
// says which. With warten it waits as GetMessage does and returns false on
// WM_QUIT or an error; without, false when no message is queued.
bool nachricht_holen(MSG& msg, bool& breit, bool warten);
// One message as nachricht_holen fetched it: a Unicode window's through its
// dialog's keys in UTF-16 (Enter, Escape, Tab), every other one through
// nachricht_filtern; then translated and dispatched in the same form.
void nachricht_bearbeiten(Instanz& instanz, MSG& msg, bool breit);

// After the message loop: deletes the about window and the main window
// (which saves the settings) and frees the desktop picture's canvas.
void varnis_beenden();
