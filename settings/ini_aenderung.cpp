#include "ini_aenderung.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr UINT WINDOWS_1252 = 1252;
constexpr size_t WERT_ZEICHEN = 1024;            // UTF-16 units of a value with its end
constexpr DWORD GROESSTE_DATEI = 64u << 20;      // bytes of a settings file taken into UTF-16
constexpr unsigned char UTF16_MARKE[2] = {0xFF, 0xFE};
constexpr unsigned char UTF8_MARKE[3] = {0xEF, 0xBB, 0xBF};

// True when the text holds a character Windows-1252 has not.
bool jenseits_1252(const wchar_t* text) {
    char schmal[WERT_ZEICHEN * 2];
    BOOL ersetzt = FALSE;
    return WideCharToMultiByte(WINDOWS_1252, WC_NO_BEST_FIT_CHARS, text, -1, schmal, sizeof schmal, nullptr,
                               &ersetzt) == 0 ||
           ersetzt;
}

// The whole file, at most GROESSTE_DATEI bytes; null when it cannot be read.
std::unique_ptr<char[]> lesen(const wchar_t* pfad, DWORD& n) {
    n = 0;
    HANDLE datei = CreateFileW(pfad, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
    if (datei == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER groesse{};
    std::unique_ptr<char[]> inhalt;
    if (GetFileSizeEx(datei, &groesse) && groesse.QuadPart <= GROESSTE_DATEI) {
        inhalt.reset(new (std::nothrow) char[static_cast<size_t>(groesse.QuadPart) + 1]);
        const DWORD soll = static_cast<DWORD>(groesse.QuadPart);
        if (inhalt && (!ReadFile(datei, inhalt.get(), soll, &n, nullptr) || n != soll)) inhalt.reset();
    }
    CloseHandle(datei);
    return inhalt;
}

bool alles_schreiben(HANDLE datei, const void* daten, DWORD n) {
    DWORD getan = 0;
    return WriteFile(datei, daten, n, &getan, nullptr) && getan == n;
}

}  // namespace

Ini_Aenderung::Ini_Aenderung(const char* datei) : ersatz(datei, Ersatzanfang::KOPIE), fehler(false) {}

bool Ini_Aenderung::schreiben(const char* abschnitt, const char* name, const wchar_t* wert) {
    wchar_t a[64], s[64];
    const bool geschrieben =
        ersatz.stand() == ERSATZ_FERTIG && MultiByteToWideChar(WINDOWS_1252, 0, abschnitt, -1, a, 64) > 0 &&
        MultiByteToWideChar(WINDOWS_1252, 0, name, -1, s, 64) > 0 &&
        WritePrivateProfileStringW(a, s, wert, ersatz.vorlaeufig());
    fehler = fehler || !geschrieben;
    return geschrieben;
}

bool Ini_Aenderung::text(const char* abschnitt, const char* name, const char* wert) {
    wchar_t breit[WERT_ZEICHEN];
    if (MultiByteToWideChar(WINDOWS_1252, 0, wert, -1, breit, WERT_ZEICHEN) == 0) {
        fehler = true;
        return false;
    }
    return schreiben(abschnitt, name, breit);
}

bool Ini_Aenderung::pfad(const char* abschnitt, const char* name, const char* wert) {
    wchar_t breit[WERT_ZEICHEN];
    if (!pfad_breit(wert, breit, WERT_ZEICHEN) || (jenseits_1252(breit) && !breit_machen())) {
        fehler = true;
        return false;
    }
    return schreiben(abschnitt, name, breit);
}

// The copy as UTF-16LE with its mark, read as UTF-8 after a UTF-8 mark and
// as Windows-1252 without one; a file in UTF-16 already stays as it is.
bool Ini_Aenderung::breit_machen() {
    const wchar_t* kopie = ersatz.vorlaeufig();
    DWORD n = 0;
    const std::unique_ptr<char[]> inhalt = *kopie ? lesen(kopie, n) : nullptr;
    if (!inhalt) return false;
    if (n >= 2 && memcmp(inhalt.get(), UTF16_MARKE, 2) == 0) return true;
    const bool utf8 = n >= 3 && memcmp(inhalt.get(), UTF8_MARKE, 3) == 0;
    const char* text = inhalt.get() + (utf8 ? 3 : 0);
    const int laenge = static_cast<int>(n - (utf8 ? 3 : 0));
    const UINT seite = utf8 ? CP_UTF8 : WINDOWS_1252;
    const int einheiten = laenge ? MultiByteToWideChar(seite, 0, text, laenge, nullptr, 0) : 0;
    std::unique_ptr<wchar_t[]> breit(new (std::nothrow) wchar_t[einheiten + 1]);
    if (!breit || (laenge && MultiByteToWideChar(seite, 0, text, laenge, breit.get(), einheiten) != einheiten))
        return false;
    HANDLE datei = CreateFileW(kopie, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (datei == INVALID_HANDLE_VALUE) return false;
    const bool geschrieben = alles_schreiben(datei, UTF16_MARKE, 2) &&
                             alles_schreiben(datei, breit.get(), static_cast<DWORD>(einheiten) * 2);
    CloseHandle(datei);
    return geschrieben;
}

int32_t Ini_Aenderung::vollenden() {
    if (fehler || ersatz.stand() != ERSATZ_FERTIG) return -1;
    // Whatever the profile functions still hold for the copy goes into it.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, ersatz.vorlaeufig());
    return ersatz.vollenden() == ERSATZ_FERTIG ? 0 : -1;
}
