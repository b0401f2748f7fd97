#include "lauf.h"

#include "ini_datei.h"
#include "prozess.h"

namespace {

HANDLE vererbbar(const std::string& pfad) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    return CreateFileA(pfad.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       &sa, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string varnis32() { return windows_pfad(VARNIS32_PFAD); }

bool vorhanden(const std::string& pfad) {
    return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Lauf ausfuehren(const std::string& programm, const std::vector<std::string>& argumente,
                const std::string& ordner, DWORD ms) {
    std::string befehl = "\"" + programm + "\"";
    for (const std::string& a : argumente) befehl += " \"" + a + "\"";
    const std::string aus = ordner + "\\lauf.aus", feh = ordner + "\\lauf.feh";
    HANDLE ha = vererbbar(aus), hf = vererbbar(feh);
    Lauf lauf;
    {
        Prozess prozess(programm, befehl, ordner, ha, hf);
        CloseHandle(ha);
        CloseHandle(hf);
        lauf.beendet = prozess.beendet(ms);
        if (lauf.beendet) lauf.code = prozess.ergebnis();
    }
    lauf.ausgabe = datei_lesen(aus);
    lauf.fehler = datei_lesen(feh);
    DeleteFileA(aus.c_str());
    DeleteFileA(feh.c_str());
    return lauf;
}
