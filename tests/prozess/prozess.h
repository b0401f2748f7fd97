// A program of ours started as its own process, the way the system or a user
// starts it, and a wait that keeps the test's own windows answering.
#pragma once

#include <windows.h>

#include <string>

// Dispatches this thread's messages while waiting, for up to ms
// milliseconds; true when bereit() came true.
template <typename Bereit>
bool warten_bis(Bereit bereit, DWORD ms = 10000) {
    const DWORD ende = GetTickCount() + ms;
    while (!bereit()) {
        if (static_cast<LONG>(ende - GetTickCount()) <= 0) return false;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

class Prozess {
public:
    // Starts programm with the command line befehl (the program's own name
    // first, as the system passes it), in the folder ordner, or in ours when
    // ordner is empty (all three as the programs take texts: Windows-1252, a
    // path in them UTF-8). An empty programm is taken from the command line.
    // Inheritable handles given as ausgabe and fehler become its standard
    // output and error, as a script's redirection makes them.
    Prozess(const std::string& programm, std::string befehl, const std::string& ordner = "",
            HANDLE ausgabe = nullptr, HANDLE fehler = nullptr);
    // Ends a process that is still running.
    ~Prozess();
    Prozess(const Prozess&) = delete;
    Prozess& operator=(const Prozess&) = delete;

    bool gestartet() const { return gestartet_; }
    DWORD id() const { return info_.dwProcessId; }
    // True when the process ended within ms milliseconds.
    bool beendet(DWORD ms = 10000) const;
    DWORD ergebnis() const;

private:
    PROCESS_INFORMATION info_{};
    BOOL gestartet_;
};

// The process's top-level window titled titel once it has its menu bar (the
// start-up attaches it last), waiting up to ms milliseconds; null when none.
HWND fenster_mit_menue(const Prozess& prozess, const char* titel, DWORD ms);

// A path with forward slashes (as CMake writes them) in Windows form.
std::string windows_pfad(std::string pfad);
