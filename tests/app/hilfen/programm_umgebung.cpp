#include "programm_umgebung.h"

#include "bildschirm.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "gemeinsam/verzeichnisse.h"

#include <cstdio>
#include "nachtfarbe.h"
#include "start/programm.h"

std::vector<Meldung> ProgrammTest::meldungen;

namespace {

int aufzeichnen(HWND besitzer, const char* text, const char* titel, UINT) {
    ProgrammTest::meldungen.push_back({besitzer, text ? text : "", titel ? titel : ""});
    return IDOK;
}

void ordner_leeren(const std::string& ordner) {
    WIN32_FIND_DATAA d;
    const HANDLE suche = FindFirstFileA((ordner + "\\*").c_str(), &d);
    if (suche == INVALID_HANDLE_VALUE) return;
    do {
        if (!(d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            DeleteFileA((ordner + "\\" + d.cFileName).c_str());
        }
    } while (FindNextFileA(suche, &d));
    FindClose(suche);
}

}  // namespace

void ProgrammTest::SetUp() {
    ASSERT_EQ(0, ui_texte_entschluesseln());
    meldungen.clear();
    meldung_ersatz = aufzeichnen;
    char puffer[MAX_PATH];
    GetCurrentDirectoryA(sizeof puffer, puffer);
    vorher = puffer;
    GetTempPathA(sizeof puffer, puffer);
    ordner = std::string(puffer) + "varnis_fenster_" + std::to_string(GetCurrentProcessId()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(ordner.c_str(), nullptr);
    ordner_leeren(ordner);
    ASSERT_TRUE(SetCurrentDirectoryA(ordner.c_str()));
    // The data folder of a window made without the start-up.
    snprintf(start_verzeichnis, sizeof start_verzeichnis, "%s", ordner.c_str());
    instanz = new Instanz(GetModuleHandleA(nullptr), nullptr, "Varnis", nullptr, nullptr, nullptr);
}

void ProgrammTest::TearDown() {
    delete fenster;
    fenster = nullptr;
    varnis_beenden();
    delete instanz;
    MSG msg;  // a closed main window leaves its quit message behind
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    meldung_ersatz = nullptr;
    SetCurrentDirectoryA(vorher.c_str());
    ordner_leeren(ordner);
    RemoveDirectoryA(ordner.c_str());
}

void ProgrammTest::dateien(std::initializer_list<const char*> namen) {
    for (const char* name : namen) {
        const std::string quelle = std::string(VARNIS_TEST_DATA) + "/" + name;
        ASSERT_TRUE(CopyFileA(quelle.c_str(), pfad(name).c_str(), FALSE)) << quelle;
    }
}

Himmel_DF& ProgrammTest::oeffnen(int32_t breite, int32_t hoehe) {
    instanz->fenster_registrieren();
    fenster = new Himmel_DF(0, 0, breite, hoehe);
    const std::string daten(VARNIS_TEST_DATA);
    EXPECT_EQ(0, fenster->himmel->stern_datei_laden((daten + "/VARNIS.DAT").c_str()));
    EXPECT_EQ(0, fenster->himmel->sternbild_datei_laden((daten + "/STBILDER.DAT").c_str()));
    fenster->oeffnen(1);
    bis_ruhe(*fenster);
    return *fenster;
}

void ProgrammTest::bis_ruhe(Himmel_DF& f) {
    for (int i = 0; i < 40 && f.zeichen_schritt != STUFE_RUHE; ++i) f.zeitschritt();
    EXPECT_EQ(STUFE_RUHE, f.zeichen_schritt);
}

void ProgrammTest::pumpen(int runden) {
    for (int i = 0; i < runden; ++i) {
        instanz->meldungen();
        Sleep(5);
    }
}

int32_t anzahl(const DIB& bild, int32_t index) {
    int32_t n = 0;
    for (int32_t z = 0; z < bild.hoehe(); ++z) {
        for (int32_t x = 0; x < bild.breite(); ++x) n += bild.pixel(x, z) == index;
    }
    return n;
}

int32_t sternpixel(const DIB& bild) {
    int32_t n = 0;
    for (int32_t z = 0; z < bild.hoehe(); ++z) {
        for (int32_t x = 0; x < bild.breite(); ++x) {
            const int32_t p = bild.pixel(x, z);
            n += p >= 10 && p < 80;
        }
    }
    return n;
}

std::string text_von(HWND fenster) {
    char puffer[256] = "";
    GetWindowTextA(fenster, puffer, sizeof puffer);
    return puffer;
}

void wie_main_pumpen(Instanz& instanz) {
    for (int runde = 0; runde < 3; ++runde) {
        MSG msg;
        bool breit = false;
        while (nachricht_holen(msg, breit, false)) nachricht_bearbeiten(instanz, msg, breit);
        Sleep(5);
    }
}

void rollen(Fenster& leiste, UINT art, int16_t daumen) {
    const UINT nachricht = (GetWindowLongA(leiste.hwnd, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageA(leiste.vater->hwnd, nachricht, MAKEWPARAM(art, static_cast<uint16_t>(daumen)),
                 reinterpret_cast<LPARAM>(leiste.hwnd));
}

int32_t nicht_nachtrot(HWND fenster) {
    const std::vector<uint32_t> pixel = bildschirm_pixel(fenster);
    if (pixel.empty()) return -1;
    int32_t andere = 0;
    for (uint32_t p : pixel) {
        const uint32_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
        andere += 8 * g > r || 8 * b > r || r > NACHT_ROT_MAX;
    }
    return andere;
}
