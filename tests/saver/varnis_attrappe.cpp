// Stands in for Varnis32.exe when the saver hands over its configuration:
// records the directory it was started in as "gestartet.txt" beside itself.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char pfad[MAX_PATH + 16];
    const DWORD n = GetModuleFileNameA(nullptr, pfad, MAX_PATH);
    char* trenner = std::strrchr(pfad, '\\');
    if (n == 0 || n >= MAX_PATH || !trenner) return 1;
    snprintf(trenner + 1, sizeof pfad - (trenner + 1 - pfad), "gestartet.txt");
    char verzeichnis[MAX_PATH];
    GetCurrentDirectoryA(sizeof verzeichnis, verzeichnis);
    FILE* f = fopen(pfad, "w");
    if (!f) return 1;
    fputs(verzeichnis, f);
    fclose(f);
    return 0;
}
