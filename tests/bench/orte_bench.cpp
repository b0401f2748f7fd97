// Times the star-chart program with a places file of n entries, for n =
// 1,000, 10,000 (the most it reads) and 100,000 (read up to that limit),
// started as the program starts: from the start
// until the main window is idle (its panel filled and the chart drawn), a
// step of the declination bar that the place follows, and from the close
// until the end of the program, which empties the lists. Prints milliseconds
// and milliseconds per 1,000 places: a figure per 1,000 that grows with n is
// time that grows faster than the entries.
//   orte_bench [largest n]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialog.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "hauptfenster/himmel_df.h"
#include "instanz.h"
#include "scrollbar_kf.h"
#include "start/programm.h"

namespace {

double jetzt_ms() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

int keine_box(HWND, const char*, const char*, UINT) { return IDOK; }

// n places with latitudes spread over -89.99..89.99 degrees.
bool orte_schreiben(int32_t n) {
    FILE* f = fopen("Orte.dat", "w");
    if (!f) return false;
    for (int32_t i = 0; i < n; ++i) {
        fprintf(f, "Ort %06d;%.2f;0\n", i, -89.99 + 179.98 * i / (n > 1 ? n - 1 : 1));
    }
    return fclose(f) == 0;
}

// The program's message loop until the chart is drawn and nothing waits;
// false when the quit message came.
bool bis_ruhe(Instanz& instanz) {
    for (;;) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_QUIT) return false;
            if (!Dialog_F::is_dialog_message(&instanz, &m)) {
                TranslateMessage(&m);
                DispatchMessageA(&m);
            }
        }
        if (hauptfenster->zeichen_schritt == STUFE_RUHE) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void zeile(const char* was, int32_t n, double ms) {
    printf("%-36s %7d places %10.1f ms %9.3f ms per 1000\n", was, n, ms, ms * 1000.0 / n);
}

void messen(Instanz& instanz, int32_t n) {
    if (!orte_schreiben(n)) exit(1);
    double anfang = jetzt_ms();
    if (varnis_starten(instanz) != 0) exit(1);
    bis_ruhe(instanz);
    zeile("start until idle", n, jetzt_ms() - anfang);

    anfang = jetzt_ms();
    SendMessageA(hauptfenster->hwnd, WM_VSCROLL, SB_LINEUP,
                 reinterpret_cast<LPARAM>(hauptfenster->dekl_leiste->hwnd));
    bis_ruhe(instanz);
    zeile("declination step until idle", n, jetzt_ms() - anfang);

    anfang = jetzt_ms();
    PostMessageA(hauptfenster->hwnd, WM_CLOSE, 0, 0);
    while (bis_ruhe(instanz)) {
    }
    varnis_beenden();
    zeile("close until the end", n, jetzt_ms() - anfang);
    DeleteFileA("Varnis.ini");
}

bool kopieren(const char* name) {
    return CopyFileA((std::string(VARNIS_TEST_DATA) + "/" + name).c_str(), name, FALSE) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int32_t groesstes = argc > 1 ? atoi(argv[1]) : 100000;
    if (ui_texte_entschluesseln() != 0) return 1;
    meldung_ersatz = keine_box;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string ordner =
        std::string(temp) + "varnis_orte_bench_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(ordner.c_str(), nullptr);
    if (!SetCurrentDirectoryA(ordner.c_str()) || !kopieren("VARNIS.DAT") || !kopieren("STBILDER.DAT")) {
        fprintf(stderr, "cannot set up %s\n", ordner.c_str());
        return 1;
    }
    {
        Instanz instanz(GetModuleHandleA(nullptr), nullptr, "Varnis", nullptr, nullptr, nullptr);
        for (int32_t n = 1000; n <= groesstes; n *= 10) messen(instanz, n);
    }
    for (const char* name : {"Orte.dat", "VARNIS.DAT", "STBILDER.DAT"}) DeleteFileA(name);
    SetCurrentDirectoryA(temp);
    RemoveDirectoryA(ordner.c_str());
    return 0;
}
