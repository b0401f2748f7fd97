// What the save dialogs of the chart's files start with: the filter with its
// description, a suggested name that says which sky the chart shows, and the
// folder, remembered for the session once the user has chosen one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gemeinsam/pfad.h"
#include "moment.h"

// A kind of file the dialog offers: the filter's description, as Windows
// lists it ("Bitmap (*.bmp)"), and the ending without its dot ("bmp").
struct Dateityp {
    const char* beschreibung;
    const char* endung;
};

// The dialog's filter: the description, NUL, "*." + ending, NUL, and the
// closing NUL. 0 done; -1 when it does not fit (ziel is then "").
int32_t filter_bilden(char* ziel, size_t groesse, const Dateityp& typ);

// The suggested name of a chart file: "Sternkarte JJJJ-MM-TT HH-MM Ort.endung"
// for the moment, at the named place (ort "" or null: without one). The
// place's characters that a file name cannot hold (\ / : * ? " < > | and
// control codes) become '-', and trailing blanks and dots go; a place too
// long for ziel is cut. "" when not even the name without the place fits.
void kartenname(char* ziel, size_t groesse, const Moment& moment, const char* ort, const char* endung);

// The folder the save dialog opens in: the one the user saved into last in
// this session, else the user's Pictures folder given when it is made (""
// or null: none, and the dialog picks its own).
class Speicherordner {
public:
    explicit Speicherordner(const char* bilder);
    // The folder to open in; "" none.
    const char* anfang() const { return letzter[0] ? letzter : bilder; }
    // Takes the folder of a chosen file's full path: all before its last
    // '\' or '/', a drive's root keeping its separator ("C:\"). A path
    // without a folder, or one too long to keep, changes nothing.
    void merken(const char* pfad);

private:
    char bilder[PFAD_LAENGE];
    char letzter[PFAD_LAENGE] = "";
};
