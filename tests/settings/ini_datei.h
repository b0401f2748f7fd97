// A profile file of the tests' own in the temporary directory, removed again
// when the test ends.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

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

    void schreiben(const std::string& inhalt) const {
        FILE* f = fopen(pfad_.c_str(), "wb");
        if (!f) return;
        fwrite(inhalt.data(), 1, inhalt.size(), f);
        fclose(f);
    }

    std::string lesen() const {
        std::string text;
        FILE* f = fopen(pfad_.c_str(), "rb");
        if (!f) return text;
        char puffer[4096];
        size_t n;
        while ((n = fread(puffer, 1, sizeof puffer, f)) > 0) text.append(puffer, n);
        fclose(f);
        return text;
    }

private:
    std::string pfad_;
};
