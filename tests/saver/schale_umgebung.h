// Drives the saver's shell inside the test program: a window of the mode
// under test, a clock and a password check of the test's own, and a message
// pump that runs until the window is gone or a time is up.
#pragma once

#include <windows.h>

#include "schale.h"

namespace umgebung {

inline DWORD uhr_ms = 0;
inline DWORD WINAPI uhr() { return uhr_ms; }

inline int passwort_richtig = 1;
inline int passwort_gefragt = 0;
inline HCURSOR cursor_beim_passwort = nullptr;
inline int passwort_attrappe(HWND) {
    ++passwort_gefragt;
    cursor_beim_passwort = GetCursor();
    return passwort_richtig;
}

// Resets the shell's state as the program start does, then sets the mode.
inline void schale_einrichten(ScrModus modus, HWND eltern, WNDPROC proz, const char* klasse) {
    ScrBefehlszeile(GetModuleHandleA(nullptr), klasse, "Varnis", proz);
    scr_zustand.modus = modus;
    scr_zustand.eltern_fenster = eltern;
    scr_zustand.tick_zaehler = uhr;
    scr_zustand.passwort_pruefen = passwort_attrappe;
    passwort_gefragt = 0;
    passwort_richtig = 1;
    uhr_ms = 1000;
}

// Dispatches messages for up to ms milliseconds, or until fenster is gone.
// True when the quit message came.
inline bool pumpen(HWND fenster = nullptr, DWORD ms = 200) {
    bool quit = false;
    const DWORD ende = GetTickCount() + ms;
    while (static_cast<LONG>(ende - GetTickCount()) > 0) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_QUIT) {
                quit = true;
                continue;
            }
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        if (fenster && !IsWindow(fenster)) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return quit;
}

}  // namespace umgebung
