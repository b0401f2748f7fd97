// Every message box of the star-chart program goes through meldung, so that
// a test can take the text and caption instead of a modal box that nobody
// would close.
#pragma once

#include <windows.h>

// Shows the box like MessageBoxA and returns the button pressed. The texts
// are Windows-1252, a path in them UTF-8 (datei/breit.h: text_breit).
int meldung(HWND besitzer, const char* text, const char* titel, UINT art);

// When set, meldung calls this instead of showing a box.
using Meldungsersatz = int (*)(HWND besitzer, const char* text, const char* titel, UINT art);
extern Meldungsersatz meldung_ersatz;
