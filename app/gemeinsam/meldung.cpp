#include "gemeinsam/meldung.h"

#include "breit.h"

Meldungsersatz meldung_ersatz = nullptr;

int meldung(HWND besitzer, const char* text, const char* titel, UINT art) {
    if (meldung_ersatz) return meldung_ersatz(besitzer, text, titel, art);
    // The longest box, a path and a few sentences, and a caption.
    wchar_t breiter_text[2048];
    wchar_t breiter_titel[256];
    text_breit(text, breiter_text, sizeof breiter_text / sizeof breiter_text[0]);
    text_breit(titel, breiter_titel, sizeof breiter_titel / sizeof breiter_titel[0]);
    return MessageBoxW(besitzer, breiter_text, breiter_titel, art);
}
