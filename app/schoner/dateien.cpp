#include "schoner/dateien.h"

#include <windows.h>

#include "ablage.h"
#include "breit.h"
#include "gemeinsam/dateiattribute.h"
#include "gemeinsam/pfad.h"

// The program's directories fit PFAD_LAENGE, so its paths always fit here.
static_assert(PFAD_LAENGE - 1 + sizeof "\\Kovra32.scr" <= SCHONER_PFAD_LAENGE,
              "room for a directory and a file name");

namespace {

// The volume and index of an existing file, which name it whatever the path.
bool kennung(const char* pfad, BY_HANDLE_FILE_INFORMATION& info) {
    wchar_t breit[BREIT_PFAD];
    if (!pfad_breit(pfad, breit, BREIT_PFAD)) return false;
    const HANDLE datei = CreateFileW(breit, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (datei == INVALID_HANDLE_VALUE) return false;
    const BOOL gelesen = GetFileInformationByHandle(datei, &info);
    CloseHandle(datei);
    return gelesen != FALSE;
}

// A file renamed by UTF-8 paths (art: MoveFileExW's flags). 0 done, -1 not.
int32_t verschieben(const char* von, const char* nach, DWORD art) {
    wchar_t alt[BREIT_PFAD], neu[BREIT_PFAD];
    return pfad_breit(von, alt, BREIT_PFAD) && pfad_breit(nach, neu, BREIT_PFAD) && MoveFileExW(alt, neu, art) ? 0
                                                                                                             : -1;
}

}  // namespace

int32_t schoner_dateien(const Schoner_Verzeichnisse& verzeichnisse, Schoner_Dateien& d) {
    const char* benutzer = verzeichnisse.benutzer_verzeichnis;
    if (!benutzer || !*benutzer) return -1;
    const char* start = verzeichnisse.start_verzeichnis;
    const char* alt = verzeichnisse.windows_verzeichnis;
    // The saver stays beside the program where the user may write there.
    const char* schoner = start && *start && ablage.schreibbar(start) ? start : benutzer;
    d.alte_ini[0] = '\0';
    const int32_t fehler =
        pfad_bilden(d.quelle, sizeof d.quelle, start, "Kovra32.scr") |
        pfad_bilden(d.schoner, sizeof d.schoner, schoner, "Kovra32.scr") |
        pfad_bilden(d.ini, sizeof d.ini, benutzer, "Kovra.ini") |
        pfad_bilden(d.geparkt, sizeof d.geparkt, benutzer, "Kovra.si$") |
        pfad_bilden(d.marke, sizeof d.marke, start, "Kovra.acc") |
        (alt && *alt ? pfad_bilden(d.alte_ini, sizeof d.alte_ini, alt, "Kovra.ini") : 0);
    return fehler ? -1 : 0;
}

bool gleiche_datei(const char* a, const char* b) {
    BY_HANDLE_FILE_INFORMATION x, y;
    return kennung(a, x) && kennung(b, y) && x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

int32_t ini_parken(const Schoner_Dateien& d) {
    // Without replacing: a Kovra.si$ that could not be taken back still
    // holds the saved settings. A missing Kovra.ini leaves nothing to park.
    return verschieben(d.ini, d.geparkt, 0);
}

int32_t ini_zurueckholen(const Schoner_Dateien& d) {
    // One step, so Kovra.ini is never missing between a delete and a rename.
    if (!datei_vorhanden(d.geparkt)) return 0;
    return verschieben(d.geparkt, d.ini, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
