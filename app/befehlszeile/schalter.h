// The switches of Varnis32's command line, read into one order for a chart
// file. A switch is a word after "/" (or "-"), in any case; its value
// follows as the next argument or after ':' or '=' in the same one
// ("/stunde 22", "/stunde:22"). Every value is checked here, before any file
// is read: numbers against their ranges, texts against their buffers.
//
//   /karte DATEI          the file to write, ending .bmp or .emf (required)
//   /datum TT.MM.JJJJ     the date, 1800..2200 (also TT.MM. of the current year and JJJJ-MM-TT)
//   /zeit HH:MM           the civil time at the place, to the minute
//   /stunde H             the full hour, 0..23 (as /zeit H:00)
//   /ort NAME             a place of Orte.dat
//   /feld GRAD            the field of view in degrees, 3..180
//   /groesse PIXEL        the side of a bitmap, 100..4000 (.bmp only)
//   /schema NAME          bildschirm, schwarz-auf-weiss, weiss-auf-schwarz (.emf only), nacht (.bmp only)
//   /einstellungen INI    the settings file instead of Varnis.ini beside the program
//   /? or /hilfe          the switches on the console
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "ausgabe/speichern.h"
#include "bedienfeld/orte.h"
#include "farbschema.h"
#include "gemeinsam/pfad.h"
#include "kalender.h"

// The exit codes of a run from the command line.
enum Rueckgabe : int32_t {
    FERTIG = 0,             // the file is written (or the help was shown)
    FALSCHE_SCHALTER = 1,   // a switch or value is wrong: nothing was read or written
    DATEN_FEHLEN = 2,       // a data file is missing or damaged: nothing was written
    NICHT_GESCHRIEBEN = 3,  // the file could not be written: nothing half-written remains
};

enum class Bildart { BMP, EMF };


constexpr int32_t GROESSE_VORGABE = 600;  // side of a bitmap without /groesse
constexpr int32_t GROESSE_MIN = 100;
constexpr int32_t GROESSE_MAX = 4000;

struct Kartenauftrag {
    bool hilfe = false;
    char karte[DATEINAME_LAENGE] = "";
    Bildart art = Bildart::BMP;
    char einstellungen[PFAD_LAENGE] = "";  // a full path; "" for Varnis.ini beside the program
    bool mit_datum = false;
    Datum datum{};                         // when mit_datum
    bool mit_zeit = false;
    Uhrzeit zeit{};                        // when mit_zeit (from /zeit or /stunde)
    char ort[MAX_ORTSNAME + 1] = "";       // "" not given
    int32_t feld = 0;                      // degrees 3..180, 0 not given
    int32_t groesse = GROESSE_VORGABE;     // pixels, bitmaps only
    // The colour scheme of /schema; none takes the menu command's: screen
    // colours for a bitmap (102), black on white for a vector file (118).
    std::optional<Farbschema> schema;
};

// Reads the arguments argv[1..argc-1] (argv[0] is the program, as in main).
// FERTIG and auftrag filled; else FALSCHE_SCHALTER and one line for the
// user in meldung (groesse bytes), naming the switch or value at fault.
// A date without a year ("TT.MM.") lies in jahr, the current year.
int32_t schalter_lesen(int argc, const char* const* argv, int32_t jahr, Kartenauftrag& auftrag,
                       char* meldung, size_t groesse);

// The lines that /? shows.
extern const char HILFE_TEXT[];
