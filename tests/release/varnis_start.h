// Varnis32.exe as a user starts it from its folder: its main window found
// from outside by its process, the chart pane read back from the screen, and
// the normal end through closing the window.
#pragma once

#include <windows.h>

#include <string>

#include "prozess.h"

class VarnisStart : public Prozess {
public:
    // Starts programm (a Varnis32.exe) with ordner as its current directory,
    // where it looks for its files and writes Varnis.ini.
    VarnisStart(const std::string& programm, const std::string& ordner);

    // The visible main window of this process, waited for up to ms; null
    // when none came.
    HWND hauptfenster(DWORD ms = 20000);
    // True when the chart pane shows a drawn chart within ms: mostly its
    // background colour, with more than a thousand pixels of stars, lines and
    // names in at least four other colours (an empty pane has one colour).
    bool karte_gezeichnet(DWORD ms = 20000);
    // Closes the main window as the user does; true when the process then
    // ended by itself with result 0.
    bool schliessen();

private:
    HWND fenster_ = nullptr;
};
