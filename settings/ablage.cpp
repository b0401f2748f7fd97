#include "ablage.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

namespace {

bool passt(int n, size_t groesse) { return n >= 0 && static_cast<size_t>(n) < groesse; }

bool system_ordner(Ordner welcher, char* ziel, size_t groesse) {
    if (groesse == 0) return false;
    ziel[0] = '\0';
    char pfad[MAX_PATH];
    DWORD n = 0;
    switch (welcher) {
        case Ordner::PROGRAMM: {
            n = GetModuleFileNameA(nullptr, pfad, sizeof pfad);
            if (n == 0 || n >= sizeof pfad) return false;
            char* trenner = strrchr(pfad, '\\');
            if (!trenner) return false;
            *trenner = '\0';
            break;
        }
        case Ordner::AKTUELL:
            n = GetCurrentDirectoryA(sizeof pfad, pfad);
            if (n == 0 || n >= sizeof pfad) return false;
            break;
        case Ordner::WINDOWS:
            n = GetWindowsDirectoryA(pfad, sizeof pfad);
            if (n == 0 || n >= sizeof pfad) return false;
            break;
        case Ordner::BENUTZER: {
            char daten[MAX_PATH];
            if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, daten) != S_OK ||
                !passt(snprintf(pfad, sizeof pfad, "%s\\Varnis", daten), sizeof pfad)) {
                return false;
            }
            break;
        }
    }
    const size_t l = strlen(pfad);
    if (l > 3 && pfad[l - 1] == '\\') pfad[l - 1] = '\0';  // "C:\" keeps its backslash
    return passt(snprintf(ziel, groesse, "%s", pfad), groesse);
}

// A probe file made and removed at once: the only answer that holds for
// access rights, read-only media and redirected folders alike.
bool system_schreibbar(const char* ordner) {
    char pfad[MAX_PATH];
    if (!ablage_pfad(pfad, sizeof pfad, ordner, "Varnis.$$$")) return false;
    const HANDLE datei = CreateFileA(pfad, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (datei == INVALID_HANDLE_VALUE) return false;
    CloseHandle(datei);
    return true;
}

}  // namespace

Ablage ablage{system_ordner, datei_vorhanden, system_schreibbar};

bool datei_vorhanden(const char* pfad) {
    const DWORD art = GetFileAttributesA(pfad);
    return art != INVALID_FILE_ATTRIBUTES && !(art & FILE_ATTRIBUTE_DIRECTORY);
}

bool daten_ordner(const Ablage& a, const char* katalog, char* ziel, size_t groesse) {
    char pfad[MAX_PATH];
    if (a.ordner(Ordner::AKTUELL, ziel, groesse) && ablage_pfad(pfad, sizeof pfad, ziel, katalog) &&
        a.datei_da(pfad)) {
        return true;
    }
    return a.ordner(Ordner::PROGRAMM, ziel, groesse);
}

bool varnis_ini(const Ablage& a, const char* daten_ordner, char* ziel, size_t groesse) {
    char ordner[MAX_PATH];
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
    char ordner[MAX_PATH];
    if (!passt(snprintf(ordner, sizeof ordner, "%s", pfad), sizeof ordner)) return -1;
    char* trenner = strrchr(ordner, '\\');
    if (!trenner || trenner == ordner) return 0;  // a bare name: the current directory
    *trenner = '\0';
    const DWORD art = GetFileAttributesA(ordner);
    if (art != INVALID_FILE_ATTRIBUTES) return (art & FILE_ATTRIBUTE_DIRECTORY) ? 0 : -1;
    return CreateDirectoryA(ordner, nullptr) ? 0 : -1;
}
