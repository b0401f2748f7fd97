// Set-up of the tests that drive the real main window: a folder of their own
// as the current directory (the program's directory), holding the data files
// a test asks for; message boxes recorded instead of shown; a message pump
// that always ends; the drawing cycle driven step by step.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "dib.h"
#include "figuren.h"
#include "gitter.h"
#include "hauptfenster/himmel_df.h"
#include "instanz.h"
#include "scrollbar_kf.h"
#include "leinwand.h"

struct Meldung {
    HWND besitzer;
    std::string text, titel;
};

class ProgrammTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies shipped data files ("VARNIS.DAT", ...) into the test's folder.
    void dateien(std::initializer_list<const char*> namen);
    void alle_dateien() { dateien({"VARNIS.DAT", "STBILDER.DAT", "Orte.dat", "Zonen.dat"}); }
    std::string pfad(const char* datei) const { return ordner + "\\" + datei; }

    // A main window of its own (not through the start-up) with the whole
    // catalogue, opened at breite x hoehe and drawn to the end.
    Himmel_DF& oeffnen(int32_t breite = 1024, int32_t hoehe = 740);
    // Runs the drawing cycle's steps until it is idle (at most 40).
    void bis_ruhe(Himmel_DF& f);
    // Handles the waiting messages a few times over.
    void pumpen(int runden = 3);

    Instanz* instanz = nullptr;
    Himmel_DF* fenster = nullptr;  // deleted after the test
    std::string ordner;

public:
    static std::vector<Meldung> meldungen;  // the boxes the program asked for

private:
    std::string vorher;
};

// Pixels of index in the canvas.
int32_t anzahl(const DIB& bild, int32_t index);
// Pixels of the star layers (indices 10..79).
int32_t sternpixel(const DIB& bild);
std::string text_von(HWND fenster);
// The waiting messages handled a few times over by the program's own loop:
// its filter first (start/programm.h), as main runs it.
void wie_main_pumpen(Instanz& instanz);
// The pixels of a window on the screen that are not night red (green or
// blue more than an eighth of red, or red above the night's brightest);
// -1 when it shows nothing.
int32_t nicht_nachtrot(HWND fenster);
// Sends a scroll notification of a bar to its parent, as the bar itself does.
void rollen(Fenster& leiste, UINT art, int16_t daumen = 0);
