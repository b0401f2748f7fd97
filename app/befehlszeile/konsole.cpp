#include "befehlszeile/konsole.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr int BREIT = 2048;  // wide characters per piece written to a console

// The console of the parent process, attached on first need; null when the
// parent has none.
HANDLE eltern_konsole() {
    static HANDLE konsole = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return static_cast<HANDLE>(nullptr);
        HANDLE h = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
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
// characters, converted from the program's Windows-1252.
void auf_konsole(HANDLE h, const char* text, size_t n) {
    WCHAR breit[BREIT];
    while (n > 0) {
        const int stueck = static_cast<int>(n < BREIT ? n : BREIT);
        const int w = MultiByteToWideChar(CP_ACP, 0, text, stueck, breit, BREIT);
        DWORD geschrieben = 0;
        if (w > 0) WriteConsoleW(h, breit, static_cast<DWORD>(w), &geschrieben, nullptr);
        text += stueck;
        n -= static_cast<size_t>(stueck);
    }
}

void schreiben(HANDLE h, const char* text) {
    const size_t n = strlen(text);
    DWORD modus = 0;
    if (GetConsoleMode(h, &modus)) {
        auf_konsole(h, text, n);
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
