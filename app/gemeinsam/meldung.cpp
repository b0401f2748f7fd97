#include "gemeinsam/meldung.h"

Meldungsersatz meldung_ersatz = nullptr;

int meldung(HWND besitzer, const char* text, const char* titel, UINT art) {
    if (meldung_ersatz) return meldung_ersatz(besitzer, text, titel, art);
    return MessageBoxA(besitzer, text, titel, art);
}
