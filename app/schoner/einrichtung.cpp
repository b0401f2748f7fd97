#include "schoner/einrichtung.h"

#include <cstdio>
#include <memory>
#include <new>

#include "breit.h"
#include "ersetzen.h"
#include "gemeinsam/dateiattribute.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "schoner/dateien.h"
#include "schoner/registrierung.h"
#include "schoner_ini.h"

namespace {

constexpr size_t KOPIER_PUFFER = 10000;  // bytes per read

enum class Kopie : int32_t {
    FERTIG,
    QUELLE_FEHLT,   // cannot be opened or read
    ZIEL_FEHLT,     // cannot be created or written in full
    KEIN_SPEICHER,
};

// Every read and write is checked and the target is flushed before it
// replaces an old one in one step (datei/ersetzen.h), so a full disk or a
// read error is never taken for a copy and leaves an installed saver whole.
Kopie datei_kopieren(const char* quelle, const char* ziel) {
    FILE* ein = datei_oeffnen(quelle, "rb");
    if (!ein) return Kopie::QUELLE_FEHLT;
    Ersatzdatei aus(ziel, Ersatzanfang::LEER);
    std::unique_ptr<char[]> puffer(new (std::nothrow) char[KOPIER_PUFFER]);
    Kopie ergebnis = aus.stand() != ERSATZ_FERTIG ? Kopie::ZIEL_FEHLT
                     : puffer                     ? Kopie::FERTIG
                                                  : Kopie::KEIN_SPEICHER;
    while (ergebnis == Kopie::FERTIG) {
        const size_t n = fread(puffer.get(), 1, KOPIER_PUFFER, ein);
        if (n == 0) {
            if (ferror(ein)) ergebnis = Kopie::QUELLE_FEHLT;
            break;
        }
        if (!aus.schreiben(puffer.get(), n)) ergebnis = Kopie::ZIEL_FEHLT;
    }
    fclose(ein);
    if (ergebnis == Kopie::FERTIG && aus.vollenden() != ERSATZ_FERTIG) ergebnis = Kopie::ZIEL_FEHLT;
    return ergebnis;
}

void zeigen(Schoner_Partner& fenster, int32_t text, const char* argument, int32_t titel,
            UINT art) {
    char zeile[PFAD_LAENGE + 400];  // a path (UTF-8) in a sentence
    snprintf(zeile, sizeof zeile, ui_text(text), argument);
    meldung(fenster.besitzer(), zeile, ui_text(titel), art);
}

void fehler(Schoner_Partner& fenster, int32_t text, const char* pfad) {
    zeigen(fenster, text, pfad, UI_TITEL_FEHLER, MB_OK | MB_ICONSTOP);
}

// 0 copied, else the box is shown. A saver that already is the installed
// one (the program lives in the Windows directory) is not copied: a copy
// onto itself would empty the file before reading it.
int32_t kopieren(Schoner_Partner& fenster, const Schoner_Dateien& d) {
    if (gleiche_datei(d.quelle, d.schoner)) return 0;
    switch (datei_kopieren(d.quelle, d.schoner)) {
        case Kopie::FERTIG:
            return 0;
        case Kopie::QUELLE_FEHLT:
            fehler(fenster, UI_SCHONER_FEHLT, d.quelle);
            break;
        case Kopie::ZIEL_FEHLT:
            fehler(fenster, UI_SCHONER_ZIEL, d.schoner);
            break;
        case Kopie::KEIN_SPEICHER:
            meldung(fenster.besitzer(), ui_text(UI_SCHONER_SPEICHER), ui_text(UI_TITEL_FEHLER),
                    MB_OK | MB_ICONSTOP);
            break;
    }
    return -1;
}

// 0 done, else the box is shown: without "Pfad" the saver finds no data
// when it is not beside them. An older set-up's Kovra.ini in the Windows
// directory is taken over once, so its settings are kept.
int32_t ini_schreiben(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse,
                      const Schoner_Dateien& d, bool immer_einstellungen) {
    ini_zurueckholen(d);
    wchar_t alte[BREIT_PFAD], ini[BREIT_PFAD];
    if (pfad_breit(d.alte_ini, alte, BREIT_PFAD) && *alte && pfad_breit(d.ini, ini, BREIT_PFAD))
        CopyFileW(alte, ini, TRUE);  // never over the user's own
    const bool einstellungen = immer_einstellungen || datei_vorhanden(d.ini);
    if ((!einstellungen || fenster.einstellungen_speichern(d.ini) == 0) &&
        daten_verzeichnis_schreiben(d.ini, verzeichnisse.start_verzeichnis) == 0) {
        return 0;
    }
    fehler(fenster, UI_SCHONER_ZIEL, d.ini);
    return -1;
}

// 0 chosen, else the box is shown.
int32_t registrieren(Schoner_Partner& fenster, const Schoner_Dateien& d) {
    if (schoner_registrieren(d.schoner) == 0) return 0;
    meldung(fenster.besitzer(), ui_text(UI_SCHONER_NICHT_GEWAEHLT), ui_text(UI_TITEL_FEHLER),
            MB_OK | MB_ICONSTOP);
    return -1;
}

}  // namespace

int32_t schoner_installieren(Schoner_Partner& fenster, const Schoner_Verzeichnisse& verzeichnisse,
                             bool immer_einstellungen) {
    Schoner_Dateien d;
    if (schoner_dateien(verzeichnisse, d) != 0) {
        meldung(fenster.besitzer(), ui_text(UI_KEIN_BENUTZER_VERZEICHNIS), ui_text(UI_TITEL_FEHLER),
                MB_OK | MB_ICONSTOP);
        return -1;
    }
    // The user's folder before its first file; a failure shows with the file.
    elternordner_anlegen(d.ini);
    const int32_t ergebnis =
        kopieren(fenster, d) == 0 && ini_schreiben(fenster, verzeichnisse, d, immer_einstellungen) == 0 &&
                registrieren(fenster, d) == 0
            ? 0
            : -1;
    if (ergebnis == 0) {
        zeigen(fenster, UI_SCHONER_INSTALLIERT, "32", UI_TITEL_HINWEIS, MB_OK | MB_ICONINFORMATION);
    }
    // Also after a failure: the files as they now stand decide the menu.
    fenster.schoner_menue_auffrischen();
    return ergebnis;
}
