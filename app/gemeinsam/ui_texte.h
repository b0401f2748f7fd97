// The user-interface texts of Varnis32: menus, titles, captions and message
// boxes, addressed by number. They are stored scrambled and must be
// unscrambled once at start-up, before any window is made.
//
// All texts are Windows-1252 (the app library compiles its literals so).
// Formats take their arguments with %s as noted; no other text holds a '%'.
#pragma once

#include <cstdint>

constexpr int32_t UI_TEXTE = 170;  // numbers 0..169

// The numbers in use. Every other place below UI_TEXTE is free and holds "";
// 101..102 are kept free for new messages.
enum UiText : int32_t {
    UI_PROGRAMM = 0,              // name of the application; caption of the hand-off notice
    UI_HAUPTFENSTER = 1,          // title of the main window
    UI_INFO_TITEL = 11,           // title of the about window
    UI_INFO_VERSION = 12,         // about line 1, format: version string, word size
    UI_INFO_ZEILE_2 = 13,         // about lines 2..7, in this order
    UI_INFO_ZEILE_3 = 14,
    UI_INFO_ZEILE_4 = 15,
    UI_INFO_ZEILE_5 = 16,
    UI_INFO_ZEILE_6 = 20,
    UI_INFO_ZEILE_7 = 21,
    UI_MENUE_KARTE = 32,          // pop-up: chart output and end
    UI_HINTERGRUND = 33,          // command 101
    UI_BITMAP_SPEICHERN = 34,     // command 102
    UI_BITMAP_SCHWARZ_WEISS = 35, // command 103
    UI_DRUCKEN = 36,              // command 104
    UI_DRUCKEN_WEISS_SCHWARZ = 37,// command 105
    UI_DRUCKEN_SCHWARZ_WEISS = 38,// command 106
    UI_BEENDEN = 39,              // command 107
    UI_MENUE_SCHONER = 40,        // pop-up: screen saver
    UI_SCHONER_INSTALLIEREN = 41, // command 108
    UI_SCHONER_NEU = 42,          // command 109
    UI_SCHONER_BEARBEITEN = 43,   // command 110
    UI_SCHONER_UEBERGEBEN = 45,   // command 112
    UI_SCHONER_TESTEN = 46,       // command 113
    UI_VEKTOR_SPEICHERN = 47,     // command 118 (in the chart pop-up, after 103)
    UI_MENUE_HILFE = 50,          // pop-up: help
    UI_HILFE = 51,                // command 116
    UI_INFO = 52,                 // command 117
    UI_INFO_SCHLIESSEN = 53,      // button of the about window
    UI_REKTASZENSION = 54,        // panel captions
    UI_DEKLINATION = 55,
    UI_STERNBILDER = 56,
    UI_STERNBILDNAMEN = 57,
    UI_STERNNAMEN = 58,
    UI_HILFSLINIEN = 59,
    UI_GESICHTSFELD = 60,
    UI_TITEL_HINWEIS = 64,        // caption of questions and information
    UI_TITEL_FEHLER = 65,         // caption of errors
    UI_KATALOG_FEHLT = 73,        // star catalogue cannot be opened; format: the folders looked in
    UI_KATALOG_BESCHAEDIGT = 74,  // format: path of the star catalogue, what is wrong
    UI_STERNBILDER_FEHLEN = 75,   // constellation file cannot be opened
    UI_STERNBILDER_BESCHAEDIGT = 76, // format: path of the constellation file, what is wrong
    UI_SCHONER_FEHLT = 77,        // format: path of the screen saver to install
    UI_SCHONER_ZIEL = 78,         // format: path of the target file
    UI_SCHONER_SPEICHER = 79,     // no memory for copying
    UI_SCHONER_INSTALLIERT = 80,  // format: "32"
    UI_FRAGE_UEBERNEHMEN = 82,    // Yes/No
    UI_HINWEIS_BEARBEITEN = 83,   // OK/Cancel
    UI_FRAGE_BEARBEITUNG_ENDE = 84, // Yes/No/Cancel
    UI_UEBERGABE_1 = 88,          // hand-off notice: 88..91 joined by blanks,
    UI_UEBERGABE_5 = 92,          // a line break, 92..95 joined by blanks
    UI_BANNER_SCHONER = 96,       // banner on the chart while the saver's settings are edited
    UI_HILFE_FEHLT = 97,          // format: path of the help file that could not be opened
    UI_BILDDATEI_NICHT_GESCHRIEBEN = 98, // format: path of the bitmap or vector file
    UI_KEIN_BENUTZER_VERZEICHNIS = 99, // the user's application data folder is not known: no installation
    UI_SCHONER_NICHT_GEWAEHLT = 100, // the user's screen-saver values could not be written
    UI_VEKTOR_DIALOG = 103,       // title of the save-vector-file dialog
    UI_BITMAP_DIALOG = 104,       // title of the save-bitmap dialog
    UI_WOCHENTAG = 105,           // 105..111: Monday .. Sunday
    UI_MONATSNAME = 112,          // 112..123: January .. December
    UI_MENUE_ZEIT = 124,          // pop-up: the moment
    UI_JETZT = 125,               // command 119
    UI_DATUM_UHRZEIT = 126,       // command 120
    UI_UHR_FOLGEN = 127,          // command 121
    UI_ORIGINALREGEL = 128,       // command 122
    UI_EIGENER_ORT = 129,         // command 123
    UI_STUNDE_FRUEHER = 130,      // commands 124..127
    UI_STUNDE_SPAETER = 131,
    UI_TAG_FRUEHER = 132,
    UI_TAG_SPAETER = 133,
    UI_ORT_OHNE_NAMEN = 134,      // format: latitude text, name of the place whose longitude and zone are kept
    UI_DATUM_FALSCH = 135,        // format: the text typed; the date does not exist or lies outside 1800..2200
    UI_UHRZEIT_FALSCH = 136,      // format: the text typed
    UI_DATUM_BESCHRIFTUNG = 137,  // captions of the date-and-time dialog's fields
    UI_UHRZEIT_BESCHRIFTUNG = 138,
    UI_ABBRECHEN = 139,           // button
    UI_ORTSNAME_FALSCH = 140,     // the own place's checks
    UI_BREITE_FALSCH = 141,       // format: the text typed
    UI_LAENGE_FALSCH = 142,       // format: the text typed
    UI_ZONE_FEHLT = 143,
    UI_NAME_BESCHRIFTUNG = 144,   // captions of the own-place dialog's fields
    UI_BREITE_BESCHRIFTUNG = 145,
    UI_LAENGE_BESCHRIFTUNG = 146,
    UI_ZONE_BESCHRIFTUNG = 147,
    UI_DATUM_UHRZEIT_TITEL = 148, // titles of the two dialogs
    UI_EIGENER_ORT_TITEL = 149,
    UI_KOERPER = 150,             // command 130, checked while the bodies are drawn
    UI_SUCHEN = 151,              // command 131
    UI_SUCHEN_TITEL = 152,        // title of the search dialog
    UI_ZENTRIEREN = 153,          // its button
    UI_NICHT_GEFUNDEN = 154,      // format: the text typed
    UI_UEBER_HORIZONT = 155,      // format: the object found
    UI_UNTER_HORIZONT = 156,      // format: the object found, the civil times of rising and setting
    UI_IMMER_UNTER = 157,         // format: the object found; below the horizon all day
    UI_AUSSERHALB = 158,          // format: the object found; above the horizon, beyond the chart
    UI_EINSTELLUNGEN_NICHT_GESPEICHERT = 165, // format: path of the settings file
    UI_NACHTMODUS = 160,          // command 132, checked in night mode
};

// The arguments of UI_INFO_VERSION in the about window: the build's one
// version number (varnis_version.h) and this build's word size in bits,
// "64" or "32".
extern const char PROGRAMM_VERSION[];
extern const char* const PROGRAMM_WORTBREITE;

// Unscrambles the table in place: 0 done, -1 the table is damaged (the program
// must not start). Later calls return the first call's result.
int32_t ui_texte_entschluesseln();

// Text number nummer; "" before unscrambling, after a failure and for a number
// outside 0..UI_TEXTE-1, so a caller never receives a null pointer.
const char* ui_text(int32_t nummer);
