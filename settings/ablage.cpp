#include "ablage.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "breit.h"

namespace {

bool passt(int n, size_t groesse) { return n >= 0 && static_cast<size_t>(n) < groesse; }

// The folder the system names in UTF-16, as UTF-8 into ziel.
bool system_ordner(Ordner welcher, char* ziel, size_t groesse) {
    if (groesse == 0) return false;
    ziel[0] = '\0';
    wchar_t pfad[BREIT_PFAD];
    DWORD n = 0;
    switch (welcher) {
        case Ordner::PROGRAMM: {
            n = GetModuleFileNameW(nullptr, pfad, BREIT_PFAD);
            if (n == 0 || n >= BREIT_PFAD) return false;
            wchar_t* trenner = wcsrchr(pfad, L'\\');
            if (!trenner) return false;
            *trenner = L'\0';
            break;
        }
        case Ordner::AKTUELL:
            n = GetCurrentDirectoryW(BREIT_PFAD, pfad);
            if (n == 0 || n >= BREIT_PFAD) return false;
            break;
        case Ordner::WINDOWS:
            n = GetWindowsDirectoryW(pfad, BREIT_PFAD);
            if (n == 0 || n >= BREIT_PFAD) return false;
            break;
        case Ordner::BENUTZER: {
            static const wchar_t VARNIS[] = L"\\Varnis";
            if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, pfad) != S_OK ||
                wcslen(pfad) + wcslen(VARNIS) >= BREIT_PFAD) {
                return false;
            }
            wcscat(pfad, VARNIS);
            break;
        }
    }
    const size_t l = wcslen(pfad);
    if (l > 3 && pfad[l - 1] == L'\\') pfad[l - 1] = L'\0';  // "C:\" keeps its backslash
    return pfad_schmal(pfad, ziel, groesse);
}

// A probe file made and removed at once: the only answer that holds for
// access rights, read-only media and redirected folders alike.
bool system_schreibbar(const char* ordner) {
    char pfad[PFAD_LAENGE];
    wchar_t breit[BREIT_PFAD];
    if (!ablage_pfad(pfad, sizeof pfad, ordner, "Varnis.$$$") || !pfad_breit(pfad, breit, BREIT_PFAD))
        return false;
    const HANDLE datei = CreateFileW(breit, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (datei == INVALID_HANDLE_VALUE) return false;
    CloseHandle(datei);
    return true;
}

}  // namespace

Ablage ablage{system_ordner, datei_vorhanden, system_schreibbar};

bool datei_vorhanden(const char* pfad) {
    const DWORD art = datei_attribute(pfad);
    return art != INVALID_FILE_ATTRIBUTES && !(art & FILE_ATTRIBUTE_DIRECTORY);
}

bool daten_ordner(const Ablage& a, const char* katalog, char* ziel, size_t groesse) {
    char pfad[PFAD_LAENGE];
    if (a.ordner(Ordner::AKTUELL, ziel, groesse) && ablage_pfad(pfad, sizeof pfad, ziel, katalog) &&
        a.datei_da(pfad)) {
        return true;
    }
    return a.ordner(Ordner::PROGRAMM, ziel, groesse);
}

bool varnis_ini(const Ablage& a, const char* daten_ordner, char* ziel, size_t groesse) {
    char ordner[PFAD_LAENGE];
    const bool bekannt = daten_ordner && *daten_ordner
                             ? passt(snprintf(ordner, sizeof ordner, "%s", daten_ordner), sizeof ordner)
                             : a.ordner(Ordner::AKTUELL, ordner, sizeof ordner);
    if ((bekannt && a.schreibbar(ordner)) || a.ordner(Ordner::BENUTZER, ordner, sizeof ordner)) {
        return ablage_pfad(ziel, groesse, ordner, "Varnis.ini");
    }
    if (groesse > 0) ziel[0] = '\0';
    return false;
}

int32_t elternordner_anlegen(const char* pfad) {
    char ordner[PFAD_LAENGE];
    if (!passt(snprintf(ordner, sizeof ordner, "%s", pfad), sizeof ordner)) return -1;
    char* trenner = strrchr(ordner, '\\');
    if (!trenner || trenner == ordner) return 0;  // a bare name: the current directory
    *trenner = '\0';
    const DWORD art = datei_attribute(ordner);
    if (art != INVALID_FILE_ATTRIBUTES) return (art & FILE_ATTRIBUTE_DIRECTORY) ? 0 : -1;
    wchar_t breit[BREIT_PFAD];
    return pfad_breit(ordner, breit, BREIT_PFAD) && CreateDirectoryW(breit, nullptr) ? 0 : -1;
}
