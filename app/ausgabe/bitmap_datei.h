// The chart as a bitmap file (commands 102 and 103): the save dialog for the
// file name, the file in screen colours or black on white, and the error box
// when a picture cannot be written. The dialog is a parameter so that a test
// can answer it; the box goes through meldung.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "ausgabe/speichern.h"
#include "dib.h"
#include "farbschema.h"

constexpr Dateityp BITMAP_TYP{"Bitmap (*.bmp)", "bmp"};

// The standard save dialog (speicherdialog) of BITMAP_TYP, title UI text 104.
bool bitmap_dateiwahl(HWND besitzer, char* pfad, size_t groesse);

// Writes bild to pfad; when that fails, tells the user in an error box (UI
// text 98 with the path, caption UI text 65). The result of DIB::speichern,
// -1 for a read-only file.
int32_t bild_sichern(DIB& bild, const char* pfad, HWND besitzer);


// Writes the chart canvas to pfad in screen colours or black on white (a
// bitmap has no white-on-black scheme: SCHIRM and WEISS_AUF_SCHWARZ both
// write the screen colours). Black
// on white: the canvas takes the black-on-white table and a frame round its
// edge for the file, then its whole screen table back as it was (the frame
// stays in the canvas, in the colour of its entry, until the next drawing).
// The result of DIB::speichern (-1 for a read-only file); nothing is
// reported.
int32_t bitmap_schreiben(DIB& karte_bild, Farbschema farben, const char* pfad);

// Commands 102 (SCHIRM) and 103 (SCHWARZ_AUF_WEISS) on the chart canvas: the
// dialog with the name vorschlag (kartenname; "" an empty name field),
// bitmap_schreiben and the error box when it fails. The result of
// bitmap_schreiben, or 1 when the user cancelled the dialog.
int32_t bitmap_datei(DIB& karte_bild, Farbschema farben, HWND besitzer, const char* vorschlag,
                     Dateiwahl waehlen = bitmap_dateiwahl);
