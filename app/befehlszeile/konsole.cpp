#include "befehlszeile/konsole.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "breit.h"

namespace {

constexpr int BREIT = 2048;  // wide characters per piece written to a console

// The console of the parent process, attached on first need; null when the
// parent has none.
HANDLE eltern_konsole() {
    static HANDLE konsole = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return static_cast<HANDLE>(nullptr);
        HANDLE h = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        return h == INVALID_HANDLE_VALUE ? static_cast<HANDLE>(nullptr) : h;
    }();
    return konsole;
}

HANDLE ziel(Kanal kanal) {
    HANDLE h = GetStdHandle(kanal == Kanal::FEHLER ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN) return h;
    return eltern_konsole();
}

// A console shows text in its own code page: the line goes as wide
// characters, converted from the program's Windows-1252 (a path in it from
// UTF-8).
void auf_konsole(HANDLE h, const char* text) {
    WCHAR breit[BREIT];
    while (*text) {
        const size_t genommen = text_breit(text, breit, BREIT);
        DWORD geschrieben = 0;
        WriteConsoleW(h, breit, static_cast<DWORD>(wcslen(breit)), &geschrieben, nullptr);
        text += genommen;
    }
}

void schreiben(HANDLE h, const char* text) {
    const size_t n = strlen(text);
    DWORD modus = 0;
    if (GetConsoleMode(h, &modus)) {
        auf_konsole(h, text);
    } else {
        DWORD geschrieben = 0;
        WriteFile(h, text, static_cast<DWORD>(n), &geschrieben, nullptr);
    }
}

}  // namespace

void konsole_text(Kanal kanal, const char* text) {
    if (HANDLE h = ziel(kanal)) schreiben(h, text);
}

void konsole_zeile(Kanal kanal, const char* zeile) {
    if (HANDLE h = ziel(kanal)) {
        schreiben(h, zeile);
        schreiben(h, "\r\n");
    }
}
