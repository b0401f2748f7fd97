// The menu bar of the main window: three pop-ups of UI texts, the command
// identifiers, the screen-saver items' states and which commands the menu
// handling takes.
#pragma once

#include <windows.h>

#include <cstdint>

enum Befehl : int32_t {
    BEFEHL_HINTERGRUND = 101,         // chart as desktop picture
    BEFEHL_BITMAP = 102,              // bitmap file in screen colours
    BEFEHL_BITMAP_SCHWARZ_WEISS = 103,
    BEFEHL_DRUCKEN = 104,             // print in screen colours
    BEFEHL_DRUCKEN_WEISS_SCHWARZ = 105,
    BEFEHL_DRUCKEN_SCHWARZ_WEISS = 106,
    BEFEHL_BEENDEN = 107,
    BEFEHL_SCHONER_INSTALLIEREN = 108,
    BEFEHL_SCHONER_NEU = 109,
    BEFEHL_SCHONER_BEARBEITEN = 110,  // checked while the saver's settings are edited
    BEFEHL_SCHONER_UEBERGEBEN = 112,
    BEFEHL_SCHONER_TESTEN = 113,
    BEFEHL_HILFE = 116,
    BEFEHL_INFO = 117,
    BEFEHL_VEKTOR = 118,              // vector file (EMF), black on white
    BEFEHL_JETZT = 119,               // the clock's moment
    BEFEHL_DATUM_UHRZEIT = 120,       // the date-and-time dialog
    BEFEHL_UHR_FOLGEN = 121,          // checked while the chart follows the clock
    BEFEHL_ORIGINALREGEL = 122,       // checked while the original fixed rule holds
    BEFEHL_EIGENER_ORT = 123,         // the own-place dialog
    BEFEHL_STUNDE_FRUEHER = 124,      // the moment one hour back
    BEFEHL_STUNDE_SPAETER = 125,
    BEFEHL_TAG_FRUEHER = 126,         // one day back at the same civil time
    BEFEHL_TAG_SPAETER = 127,
    BEFEHL_REKT_LINKS = 128,          // a line step of the right-ascension bar (keys only)
    BEFEHL_REKT_RECHTS = 129,
    BEFEHL_KOERPER = 130,             // checked while the Sun, the Moon and the planets are drawn
    BEFEHL_SUCHEN = 131,              // the search dialog
    BEFEHL_NACHTMODUS = 132,          // checked while the window shows dim red on black
};

// Every title and item of the bar drawn by the program in the window
// library's colour scheme (nacht, menue/menuepunkt.h) or by the system again,
// and the menus' background in the scheme's face or the system's.
void menue_nachtfarben(HMENU leiste, bool nacht);

// The keys of the main window: one table for every key, which the message
// loop consults before the dialogs' keyboard filter, so that a focused list
// does not swallow them. Null when the system cannot make it; destroyed by
// tasten_loeschen.
HACCEL tasten_erzeugen();
void tasten_loeschen(HACCEL tasten);

// The menu bar, its texts taken from the UI-text table (unscramble it first).
// Null when the system cannot make a menu. The window it is attached to
// destroys it with itself.
HMENU menue_erzeugen();

// Greys the install item and enables the other screen-saver items when the
// user's chosen screen saver is a Kovra32.scr that exists (kovra_registriert);
// the other way round when it is not. An empty benutzer_verzeichnis (the
// user's folder is not known) greys them all: there is nowhere to install to.
void schoner_punkte_setzen(HMENU menue, const char* benutzer_verzeichnis);

// True for a menu command: notification code 0 (menu) or 1 (key of the
// table) and an identifier 101..131. Controls send their notifications with
// a code of their own and their window, so a list's notification is never
// taken for a command.
bool ist_menue_befehl(int32_t kennung, int32_t code, LPARAM kontrolle);
