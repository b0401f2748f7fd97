#include "einstellungen.h"

#include <windows.h>

#include <cstdio>

#include "breit.h"
#include "ini_aenderung.h"
#include "schluessel.h"

namespace {

constexpr int NAME = 64;  // UTF-16 units of a section's or key's name

}  // namespace

// The file by its UTF-16 path; the texts' values are the program's
// Windows-1252 (a character it lacks becomes '?').
Einstellungen einstellungen_lesen(const char* ini_datei, Programm programm) {
    Einstellungen e = vorgaben(programm);
    wchar_t datei[BREIT_PFAD];
    if (!pfad_breit(ini_datei, datei, BREIT_PFAD)) return e;
    wchar_t abschnitt[NAME], name[NAME];
    for (const Schluessel& s : SCHLUESSEL) {
        int32_t& wert = feld_von(e, s);
        text_breit(s.abschnitt, abschnitt, NAME);
        text_breit(s.name, name, NAME);
        // The profile reader returns the signed value in an unsigned type.
        wert = static_cast<int32_t>(GetPrivateProfileIntW(abschnitt, name, wert, datei));
    }
    for (const Textschluessel& t : TEXTSCHLUESSEL) {
        text_breit(t.abschnitt, abschnitt, NAME);
        text_breit(t.name, name, NAME);
        wchar_t wert[256];
        // At most groesse - 1 characters, each one byte in Windows-1252.
        const DWORD zeichen = static_cast<DWORD>(t.groesse < 256 ? t.groesse : 256);
        GetPrivateProfileStringW(abschnitt, name, L"", wert, zeichen, datei);
        char* text = text_von(e, t);
        if (WideCharToMultiByte(1252, 0, wert, -1, text, static_cast<int>(t.groesse), nullptr, nullptr) == 0)
            text[0] = '\0';
    }
    einstellungen_begrenzen(e);
    return e;
}

int32_t einstellungen_schreiben(const char* ini_datei, const Einstellungen& werte) {
    Ini_Aenderung aenderung(ini_datei);
    for (const Schluessel& s : SCHLUESSEL) {
        char text[16];
        snprintf(text, sizeof text, "%d", static_cast<int>(feld_von(werte, s)));
        aenderung.text(s.abschnitt, s.name, text);
    }
    for (const Textschluessel& t : TEXTSCHLUESSEL) aenderung.text(t.abschnitt, t.name, text_von(werte, t));
    return aenderung.vollenden();
}
