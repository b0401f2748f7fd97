#include "prozess.h"

Prozess::Prozess(const std::string& programm, std::string befehl, const std::string& ordner,
                 HANDLE ausgabe, HANDLE fehler) {
    STARTUPINFOA start{};
    start.cb = sizeof start;
    const BOOL umgelenkt = ausgabe || fehler;
    if (umgelenkt) {
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdOutput = ausgabe;
        start.hStdError = fehler;
    }
    gestartet_ = CreateProcessA(programm.empty() ? nullptr : programm.c_str(), &befehl[0], nullptr, nullptr, umgelenkt, 0, nullptr,
                                ordner.empty() ? nullptr : ordner.c_str(), &start, &info_);
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
