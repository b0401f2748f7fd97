#include "prozess.h"

#include "breit.h"

Prozess::Prozess(const std::string& programm, std::string befehl, const std::string& ordner,
                 HANDLE ausgabe, HANDLE fehler) {
    STARTUPINFOW start{};
    start.cb = sizeof start;
    const BOOL umgelenkt = ausgabe || fehler;
    if (umgelenkt) {
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdOutput = ausgabe;
        start.hStdError = fehler;
    }
    // As the programs take texts: Windows-1252 with paths in UTF-8.
    std::wstring breites_programm(programm.size() + 1, L'\0'), zeile(befehl.size() + 1, L'\0'),
        breiter_ordner(ordner.size() + 1, L'\0');
    text_breit(programm.c_str(), &breites_programm[0], breites_programm.size());
    text_breit(befehl.c_str(), &zeile[0], zeile.size());
    text_breit(ordner.c_str(), &breiter_ordner[0], breiter_ordner.size());
    gestartet_ = CreateProcessW(programm.empty() ? nullptr : breites_programm.c_str(), &zeile[0], nullptr,
                                nullptr, umgelenkt, 0, nullptr, ordner.empty() ? nullptr : breiter_ordner.c_str(),
                                &start, &info_);
}

Prozess::~Prozess() {
    if (!gestartet_) return;
    if (!beendet(0)) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Prozess::beendet(DWORD ms) const {
    if (!gestartet_) return false;
    return warten_bis([&] { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }, ms);
}

DWORD Prozess::ergebnis() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::string windows_pfad(std::string pfad) {
    for (char& c : pfad) if (c == '/') c = '\\';
    return pfad;
}

HWND fenster_mit_menue(const Prozess& prozess, const char* titel, DWORD ms) {
    HWND gefunden = nullptr;
    warten_bis([&] {
        for (HWND w = FindWindowA(nullptr, titel); w && !gefunden; w = FindWindowExA(nullptr, w, nullptr, titel)) {
            DWORD id = 0;
            GetWindowThreadProcessId(w, &id);
            if (id == prozess.id() && GetMenu(w)) gefunden = w;
        }
        return gefunden != nullptr;
    }, ms);
    return gefunden;
}
