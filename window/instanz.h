// The application object of the window library: module handle, program name
// and directory, the default font of dialogs, the main window, the registry
// of dialogs that the keyboard filter walks, and the one tooltip window.
#pragma once

#include "breit.h"
#include "dvliste.h"
#include "export.h"
#include "font.h"

#include <windows.h>

class Dialog_F;
class Fenster;
class ToolTip_CKF;

class VARNIS_EXPORT Instanz {
public:
    // Copies the strings; hilfe_name (may be null) is a file in the program
    // directory. Records itself as Fenster::neue_instanz.
    Instanz(HINSTANCE hinstance, HINSTANCE hprev, const char* name, const char* hilfe_name,
            HICON icon, void* wert);
    // Deletes the main window object if one is still set and the tooltip;
    // registered dialogs are not deleted.
    virtual ~Instanz();
    Instanz(const Instanz&) = delete;
    Instanz& operator=(const Instanz&) = delete;

    virtual int klassen_name_(const char* name, int nur_diese);

    // Registers the native classes "wFenster" and "wDialog_F"; once, before
    // the first window is created.
    void fenster_registrieren();
    void hf(Fenster* fenster);
    Fenster* hf();
    // The program directory, ending in a backslash.
    void progr_pfad(const char* pfad);
    const char* progr_pfad();
    const char* hilfe_pfad();  // null without a help file
    // Handles every waiting message without blocking, through the keyboard
    // filter of the dialogs; a quit message is left in the queue.
    void meldungen();

    HINSTANCE hinstance;
    HINSTANCE hprev;
    char* name;
    HICON icon;
    void* wert;
    Font font;  // the stock variable-pitch ANSI font, default font of dialogs
    DVListe<Dialog_F> dialoge;  // every existing dialog, in order of construction
    ToolTip_CKF* tooltip;

private:
    char progr_pfad_[PFAD_LAENGE] = "";  // UTF-8
    char* hilfe_pfad_ = nullptr;
    Fenster* hf_ = nullptr;
};
