// The saver has no settings dialog: it leaves a marker in the data directory
// and starts the star-chart program there, which finds the marker and opens
// with the saver's settings. When that cannot be done, a box says why, so
// that the switch never ends without anything to see.
#include <cstdio>

#include "breit.h"
#include "einstellen_folge.h"
#include "partner_start.h"
#include "schale.h"

namespace {

bool vorhanden(const char* datei) {
    const DWORD attribute = datei_attribute(datei);
    return attribute != INVALID_FILE_ATTRIBUTES && !(attribute & FILE_ATTRIBUTE_DIRECTORY);
}

bool marke_schreiben(const char* datei) {
    FILE* marke = datei_oeffnen(datei, "w");
    if (!marke) return false;
    const bool geschrieben = fputs("BSS-access", marke) >= 0;
    return fclose(marke) == 0 && geschrieben;
}

void loeschen(const char* datei) {
    wchar_t breit[BREIT_PFAD];
    if (pfad_breit(datei, breit, BREIT_PFAD)) DeleteFileW(breit);
}

// The program by its full name and with the data directory as its current
// directory; the name is quoted on the command line, so a directory with
// blanks cannot start another program.
bool programm_starten(const char* programm, const char* verzeichnis) {
    char befehl[PFAD_LAENGE + 2];
    snprintf(befehl, sizeof befehl, "\"%s\"", programm);
    return partner_starten(programm, befehl, verzeichnis);
}

// The message of each result but GESTARTET; format: the path it is about.
const char* text(Einstellen ergebnis) {
    switch (ergebnis) {
        case Einstellen::PFAD_ZU_LANG:
            return "Der Ordner der Sternkarte '%s' aus Kovra.ini ist zu lang. Die Einstellungen "
                   "des Bildschirmschoners k\xF6nnen nicht bearbeitet werden.";
        case Einstellen::KEIN_PROGRAMM:
            return "Die Einstellungen des Bildschirmschoners werden mit der Sternkarte Varnis "
                   "bearbeitet, aber '%s' gibt es nicht. Installieren Sie den Bildschirmschoner "
                   "aus Varnis heraus neu (Men\xFC 'Bildschirmschoner'), damit er den Ordner der "
                   "Sternkarte kennt.";
        case Einstellen::KEINE_MARKE:
            return "Die Datei '%s' kann nicht geschrieben werden. Ohne sie \xF6" "ffnet Varnis "
                   "nicht die Einstellungen des Bildschirmschoners.";
        case Einstellen::NICHT_GESTARTET:
            return "Die Sternkarte '%s' konnte nicht gestartet werden.";
        case Einstellen::GESTARTET:
            break;
    }
    return "";
}

}  // namespace

void ScrEinstellen() {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    char pfad[PFAD_LAENGE];
    const Einstellen ergebnis = einstellen(scr_dateien.daten_verzeichnis,
                                           {vorhanden, marke_schreiben, loeschen, programm_starten}, pfad);
    if (ergebnis == Einstellen::GESTARTET) return;
    char meldung[PFAD_LAENGE + 400];
    snprintf(meldung, sizeof meldung, text(ergebnis), pfad);
    wchar_t breit[sizeof meldung];
    text_breit(meldung, breit, sizeof meldung);  // the path in it is UTF-8
    MessageBoxW(scr_zustand.eltern_fenster, breit, L"Kovra", MB_OK | MB_ICONEXCLAMATION);
}
