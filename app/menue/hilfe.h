// The help file and the end of the program (commands 116 and 107): the
// commands that need no more than the program's directory and main window.
#pragma once

#include <windows.h>

#include <cstdint>

// 107: asks the help system to close the help file, then posts a close
// message to the main window.
void programm_beenden(HWND hauptfenster);

// 116: opens programm_verzeichnis + "\Varnis.hlp" through the shell with the
// verb "open", programm_verzeichnis the working directory. The shell call is
// a parameter so that a test sees what is passed; the result is that of the
// shell (above 32 done), 0 when the path does not fit and nothing was opened.
using Shell_Oeffnen = intptr_t (*)(HWND besitzer, const char* datei, const char* verzeichnis);
intptr_t shell_oeffnen(HWND besitzer, const char* datei, const char* verzeichnis);
intptr_t hilfe_oeffnen(HWND hauptfenster, const char* programm_verzeichnis,
                       Shell_Oeffnen oeffnen = shell_oeffnen);
