// The chart as a vector file (command 118): an Enhanced Metafile that the
// printer drawing path records, a square of 20 cm with the frame and the
// chart caption, which office and drawing programs open and scale without
// losing sharpness.
//
// The command takes black on white, the scheme of a newsletter or a school
// sheet, which also shows on any page colour and prints without a filled
// square; the command line offers the other two printing schemes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "ausgabe/druck.h"
#include "ausgabe/speichern.h"
#include "kartenbild.h"

constexpr int32_t VEKTOR_KANTE_MM = 200;  // side of the square
// Logical units across the square: 12 per millimetre (about 305 per inch),
// the pixel of a 300-dpi printer, so the printer path's star circles (2 to
// 16 units), pen widths and fonts (40 and 50 units) come out at their
// printed size, and every coordinate that the engine rounds to a whole unit
// is off by at most 1/24 mm: circles stay round, lines straight.
constexpr int32_t VEKTOR_PUNKTE = 12 * VEKTOR_KANTE_MM;

// Records the chart in the scheme farben into a metafile in memory; the
// caller deletes it (DeleteEnhMetaFile). Null when the system cannot make
// one.
HENHMETAFILE vektorbild_aufnehmen(Farbschema farben, const Karteninhalt& inhalt);

// Writes the chart as an EMF file. 0 done; -1 the file could not be made or
// written in full: a file begun is removed, so nothing half-written remains
// (a file that could not be opened, such as a read-only one, is untouched);
// -2 no metafile or no memory for its bytes (nothing written).
int32_t vektordatei_schreiben(const char* pfad, Farbschema farben, const Karteninhalt& inhalt);

constexpr Dateityp VEKTOR_TYP{"Vektorgrafik (*.emf)", "emf"};

// The standard save dialog (speicherdialog) of VEKTOR_TYP, title UI text 103.
bool vektor_dateiwahl(HWND besitzer, char* pfad, size_t groesse);

// Command 118: the dialog with the name vorschlag (kartenname; "" an empty
// name field), then the chart black on white; when the file cannot be
// written, the error box of the bitmap files (UI text 98). The result of
// vektordatei_schreiben, or 1 when the user cancelled.
int32_t vektor_datei(const Karteninhalt& inhalt, HWND besitzer, const char* vorschlag,
                     Dateiwahl waehlen = vektor_dateiwahl);
