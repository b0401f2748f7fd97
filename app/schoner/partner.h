// What the screen-saver set-up needs from the main window: its settings to
// and from a file, its drawing, its menu and its place on the screen. The
// main window implements this (or lends an adapter); the set-up keeps the
// mode and the files.
#pragma once

#include <windows.h>

#include <cstdint>

// The directories the set-up works in, each without a trailing backslash.
struct Schoner_Verzeichnisse {
    const char* start_verzeichnis;     // Kovra32.scr to install; the hand-off marker
    const char* benutzer_verzeichnis;  // Kovra.ini, Kovra.si$; the saver when start is not writable
    const char* ini_pfad;              // the program's own settings file
    const char* windows_verzeichnis;   // an older set-up's Kovra.ini; null or "": none
};

class Schoner_Partner {
public:
    // Owner of the set-up's message boxes.
    virtual HWND besitzer() const = 0;
    // The 26 keys of the current view, layers and colours into datei.
    // 0 done, -1 not written.
    virtual int32_t einstellungen_speichern(const char* datei) = 0;
    // The 26 keys from datei into the view, layers and colours.
    virtual void einstellungen_laden(const char* datei) = 0;
    // Restarts the drawing cycle, so the chart banner is drawn as it stands.
    virtual void neu_zeichnen() = 0;
    // Check mark of the menu item that switches the saver's settings on and off.
    virtual void bearbeiten_markieren(bool an) = 0;
    // Enabling of the screen-saver menu items, after an installation.
    virtual void schoner_menue_auffrischen() = 0;
    // The main window to the top of the others, shown normally.
    virtual void nach_vorn() = 0;

protected:
    ~Schoner_Partner() = default;
};
