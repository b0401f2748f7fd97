// The saver window's own procedure: the sky chart on a half-second frame
// chain, centred in the window, turned to the local sidereal time.
#pragma once

#include <windows.h>

// Exported by name, so that the procedure of the running saver can be found
// from outside the program.
extern "C" __declspec(dllexport) LRESULT CALLBACK ScrFensterProz(HWND fenster, UINT nachricht,
                                                                 WPARAM wparam, LPARAM lparam);

// Before the window is created: preview or full screen; frames run.
void ScrVorschauSetzen(int vorschau);
// Just before the shell destroys the window: no more frames.
void ScrAnhalten();
