#include "einstellungen.h"

#include <windows.h>

#include <cstdio>

#include "ini_aenderung.h"
#include "schluessel.h"

Einstellungen einstellungen_lesen(const char* ini_datei, Programm programm) {
    Einstellungen e = vorgaben(programm);
    for (const Schluessel& s : SCHLUESSEL) {
        int32_t& wert = feld_von(e, s);
        // The profile reader returns the signed value in an unsigned type.
        wert = static_cast<int32_t>(GetPrivateProfileIntA(s.abschnitt, s.name, wert, ini_datei));
    }
    for (const Textschluessel& t : TEXTSCHLUESSEL) {
        GetPrivateProfileStringA(t.abschnitt, t.name, "", text_von(e, t), static_cast<DWORD>(t.groesse),
                                 ini_datei);
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
