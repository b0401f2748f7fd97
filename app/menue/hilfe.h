// The help (command 116) and the end of the program (107). The help lies
// beside the program in two forms with the same topics: Varnis.chm, compiled
// HTML Help, which every Windows from 98 to 11 shows through hhctrl.ocx, and
// Varnis.hlp for WinHelp, which Windows 10 and 11 no longer show. The .chm is
// taken when it can be read and HTML Help shows it; otherwise the .hlp goes
// to the shell as it always did.
#pragma once

#include <windows.h>

#include <cstdint>

// What the help asks of the system; a test puts a recording one in its place.
class Hilfe_System {
public:
    virtual ~Hilfe_System() = default;
    // True when the file can be opened for reading.
    virtual bool lesbar(const char* pfad) = 0;
    // Shows the file in an HTML Help window owned by besitzer. False when
    // hhctrl.ocx or its HtmlHelpA cannot be loaded or the viewer opens no window.
    virtual bool html_hilfe_zeigen(HWND besitzer, const char* datei) = 0;
    // Closes every HTML Help window of this process.
    virtual void html_hilfe_schliessen() = 0;
    // The shell's "open" of a file, shown normally; its result (above 32 done).
    virtual intptr_t shell_oeffnen(HWND besitzer, const char* datei, const char* verzeichnis) = 0;
    // Tells WinHelp that the program no longer needs its help file.
    virtual void winhilfe_beenden(HWND besitzer) = 0;
};

// The system's own calls. hhctrl.ocx is loaded from the system directory at
// the first HTML Help call and stays loaded until the program ends, so that
// its windows can still be closed then.
Hilfe_System& windows_hilfe();

enum class Hilfe_Form { KEINE, HTML, WINHELP };

// The help windows the program opened.
class Hilfe {
public:
    explicit Hilfe(Hilfe_System& system) : system(system) {}

    // 116: Varnis.chm from start_verzeichnis when it can be read and HTML
    // Help shows it; else Varnis.hlp through the shell, start_verzeichnis
    // the working directory. When that fails too, an error box (UI text 97,
    // owner the main window) names the .hlp; the shell may have answered
    // first with a box of its own. The form that was opened.
    Hilfe_Form oeffnen(HWND hauptfenster, const char* start_verzeichnis);

    // Closes the HTML Help windows when the .chm was opened, then asks
    // WinHelp to quit, as the end of the program always did.
    void schliessen(HWND hauptfenster);

private:
    Hilfe_System& system;
    bool html_offen = false;
};

// The program's help, on the system's own calls.
Hilfe& programm_hilfe();

// 107: closes the help the program opened, then posts a close message to
// the main window.
void programm_beenden(HWND hauptfenster, Hilfe& hilfe = programm_hilfe());
