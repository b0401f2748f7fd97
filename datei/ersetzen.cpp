#include "ersetzen.h"

#include <windows.h>

#include <cwchar>

bool (*ersatz_schritt)(Ersatzschritt schritt, const wchar_t* vorlaeufig) = nullptr;

namespace {

// Temporary names tried before giving up: a name is taken by another
// instance or left by a killed one only by chance.
constexpr int32_t VERSUCHE = 16;
constexpr size_t STUECK = size_t{1} << 30;  // bytes per WriteFile

bool schritt_erlaubt(Ersatzschritt schritt, const wchar_t* vorlaeufig) {
    return !ersatz_schritt || ersatz_schritt(schritt, vorlaeufig);
}

// The folder part of pfad with its separator ("" for a bare name), then
// "~vr<process>-<number>.tmp": no other instance uses the name at the same
// moment, and CREATE_NEW refuses one that is there.
bool temporaer_benennen(const wchar_t* pfad, uint32_t nummer, wchar_t* ziel, size_t zeichen) {
    const wchar_t* ende = pfad;
    for (const wchar_t* p = pfad; *p; ++p)
        if (*p == L'\\' || *p == L'/' || *p == L':') ende = p + 1;
    const int ordner = static_cast<int>(ende - pfad);
    const int n = swprintf(ziel, zeichen, L"%.*ls~vr%lx-%x.tmp", ordner, pfad,
                           static_cast<unsigned long>(GetCurrentProcessId()), nummer);
    return n > 0 && static_cast<size_t>(n) < zeichen;
}

}  // namespace

Ersatzdatei::Ersatzdatei(const char* pfad, Ersatzanfang anfang)
    : ziel{}, neu{}, handle(nullptr), ergebnis(ERSATZ_PFAD), angelegt(false) {
    if (!pfad_breit(pfad, ziel, BREIT_PFAD) || !ziel[0]) return;
    const DWORD art = GetFileAttributesW(ziel);
    if (art != INVALID_FILE_ATTRIBUTES && (art & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        // Windows refuses both; root under Wine would pass over the mark.
        ergebnis = ERSATZ_GESCHUETZT;
        return;
    }
    if (anlegen(anfang)) ergebnis = ERSATZ_FERTIG;
}

Ersatzdatei::~Ersatzdatei() { verwerfen(); }

bool Ersatzdatei::anlegen(Ersatzanfang anfang) {
    static uint32_t zaehler = 0;  // names of this process's earlier replacements
    HANDLE datei = INVALID_HANDLE_VALUE;
    for (int32_t i = 0; i < VERSUCHE && datei == INVALID_HANDLE_VALUE; ++i) {
        if (!temporaer_benennen(ziel, zaehler++, neu, BREIT_PFAD)) return false;
        datei = CreateFileW(neu, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (datei == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    if (datei == INVALID_HANDLE_VALUE) return false;
    angelegt = true;
    if (anfang == Ersatzanfang::LEER) {
        handle = datei;
        return true;
    }
    CloseHandle(datei);
    // The copy over the empty file; a target that is not there leaves it empty.
    if (!CopyFileW(ziel, neu, FALSE) && GetFileAttributesW(ziel) != INVALID_FILE_ATTRIBUTES) {
        verwerfen();
        ergebnis = ERSATZ_KOPIE;
        return false;
    }
    return true;
}

void Ersatzdatei::verwerfen() {
    if (handle) CloseHandle(static_cast<HANDLE>(handle));
    handle = nullptr;
    if (angelegt) DeleteFileW(neu);
    angelegt = false;
}

bool Ersatzdatei::schreiben(const void* daten, size_t n) {
    if (ergebnis != ERSATZ_FERTIG) return false;
    const auto* bytes = static_cast<const char*>(daten);
    const size_t zu_schreiben = schritt_erlaubt(Ersatzschritt::SCHREIBEN, neu) ? n : n / 2;
    size_t geschrieben = 0;
    while (handle && geschrieben < zu_schreiben) {
        // WriteFile takes at most a DWORD: larger blocks in pieces of 1 GiB.
        const size_t rest = zu_schreiben - geschrieben;
        const DWORD stueck = static_cast<DWORD>(rest < STUECK ? rest : STUECK);
        DWORD getan = 0;
        if (!WriteFile(static_cast<HANDLE>(handle), bytes + geschrieben, stueck, &getan, nullptr) || getan == 0)
            break;
        geschrieben += getan;
    }
    if (geschrieben == n) return true;
    verwerfen();
    ergebnis = ERSATZ_KURZ;
    return false;
}

int32_t Ersatzdatei::vollenden() {
    if (ergebnis != ERSATZ_FERTIG) return ergebnis;
    // A file changed by name (KOPIE) is opened again to be flushed.
    HANDLE datei = handle ? static_cast<HANDLE>(handle)
                          : CreateFileW(neu, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle = nullptr;
    const bool gesichert = datei != INVALID_HANDLE_VALUE && schritt_erlaubt(Ersatzschritt::GESCHRIEBEN, neu) &&
                           FlushFileBuffers(datei);
    if (datei != INVALID_HANDLE_VALUE) CloseHandle(datei);
    if (!gesichert) {
        verwerfen();
        return ergebnis = ERSATZ_SICHERN;
    }
    if (!schritt_erlaubt(Ersatzschritt::GESICHERT, neu) ||
        !MoveFileExW(neu, ziel, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        verwerfen();
        return ergebnis = ERSATZ_TAUSCH;
    }
    angelegt = false;  // the temporary file is the target now
    return ERSATZ_FERTIG;
}
