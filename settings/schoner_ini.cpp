#include "schoner_ini.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>

#include "breit.h"
#include "ini_aenderung.h"

namespace {

bool mit_katalog(const Ablage& a, const char* ordner, const char* katalog) {
    char pfad[PFAD_LAENGE];
    return ordner && *ordner && ablage_pfad(pfad, sizeof pfad, ordner, katalog) && a.datei_da(pfad);
}

}  // namespace

bool schoner_ini_finden(const Ablage& a, char* ziel, size_t groesse) {
    bool erstes = false;
    char erster[PFAD_LAENGE] = "";
    for (Ordner o : {Ordner::BENUTZER, Ordner::PROGRAMM, Ordner::WINDOWS}) {
        char ordner[PFAD_LAENGE];
        char pfad[PFAD_LAENGE];
        if (!a.ordner(o, ordner, sizeof ordner) || !ablage_pfad(pfad, sizeof pfad, ordner, "Kovra.ini")) {
            continue;
        }
        if (a.datei_da(pfad)) return ablage_pfad(ziel, groesse, "", pfad);
        if (!erstes) snprintf(erster, sizeof erster, "%s", pfad);
        erstes = true;
    }
    return ablage_pfad(ziel, groesse, "", erster) && erstes;
}

bool schoner_daten_ordner(const Ablage& a, const char* pfad, const char* katalog, char* ziel,
                          size_t groesse) {
    if (mit_katalog(a, pfad, katalog)) return ablage_pfad(ziel, groesse, "", pfad);
    if (!a.ordner(Ordner::PROGRAMM, ziel, groesse)) {
        if (groesse > 0) ziel[0] = '\0';
        return false;
    }
    return mit_katalog(a, ziel, katalog);
}

void daten_verzeichnis_lesen(const char* ini_datei, char* ziel, size_t groesse) {
    wchar_t datei[BREIT_PFAD];
    wchar_t pfad[PFAD_ZEICHEN + 1];
    wcscpy(pfad, PFAD_VORGABE);
    if (pfad_breit(ini_datei, datei, BREIT_PFAD))
        GetPrivateProfileStringW(L"Varnis", L"Pfad", PFAD_VORGABE, pfad, PFAD_ZEICHEN + 1, datei);
    pfad_schmal(pfad, ziel, groesse);
}

int32_t daten_verzeichnis_schreiben(const char* ini_datei, const char* verzeichnis) {
    Ini_Aenderung aenderung(ini_datei);
    aenderung.pfad("Varnis", "Pfad", verzeichnis);
    return aenderung.vollenden();
}
