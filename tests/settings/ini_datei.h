// Files for the tests: whole-file reads and writes, and a profile file of the
// tests' own in the temporary directory, removed again when the test ends.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

// The whole file; "" when it cannot be read.
inline std::string datei_lesen(const std::string& pfad) {
    std::string text;
    FILE* f = fopen(pfad.c_str(), "rb");
    if (!f) return text;
    char puffer[4096];
    size_t n;
    while ((n = fread(puffer, 1, sizeof puffer, f)) > 0) text.append(puffer, n);
    fclose(f);
    return text;
}

inline bool datei_schreiben(const std::string& pfad, const std::string& inhalt) {
    FILE* f = fopen(pfad.c_str(), "wb");
    if (!f) return false;
    const bool ganz = fwrite(inhalt.data(), 1, inhalt.size(), f) == inhalt.size();
    return fclose(f) == 0 && ganz;
}

// Temporary files of this process that a replacement (datei/ersetzen.h)
// began and left in ordner (with its trailing backslash).
inline int ersatz_reste(const std::string& ordner) {
    char muster[MAX_PATH];
    snprintf(muster, sizeof muster, "%s~vr%lx-*.tmp", ordner.c_str(),
             static_cast<unsigned long>(GetCurrentProcessId()));
    WIN32_FIND_DATAA eintrag;
    const HANDLE suche = FindFirstFileA(muster, &eintrag);
    if (suche == INVALID_HANDLE_VALUE) return 0;
    int n = 0;
    do ++n;
    while (FindNextFileA(suche, &eintrag));
    FindClose(suche);
    return n;
}

class IniDatei {
public:
    explicit IniDatei(const char* inhalt = nullptr) {
        char verzeichnis[MAX_PATH];
        GetTempPathA(sizeof verzeichnis, verzeichnis);
        char name[MAX_PATH];
        GetTempFileNameA(verzeichnis, "ini", 0, name);
        pfad_ = name;
        if (inhalt) {
            schreiben(inhalt);
        } else {
            DeleteFileA(name);
        }
    }
    ~IniDatei() { DeleteFileA(pfad_.c_str()); }
    IniDatei(const IniDatei&) = delete;
    IniDatei& operator=(const IniDatei&) = delete;

    const char* pfad() const { return pfad_.c_str(); }

    void schreiben(const std::string& inhalt) const { datei_schreiben(pfad_, inhalt); }
    std::string lesen() const { return datei_lesen(pfad_); }

private:
    std::string pfad_;
};
