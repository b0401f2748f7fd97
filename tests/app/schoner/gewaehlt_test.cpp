// The whole way as a user takes it: the program's "Installieren" with the
// program's folder not writable, then the saver Windows starts from the
// user's screen-saver value shows the stars. Uses the user's real folder,
// whose saver files are put back as they were.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "bildschirm.h"
#include "ini_datei.h"
#include "prozess.h"
#include "schoner/einrichtung.h"
#include "schoner/registrierung.h"
#include "schoner_umgebung.h"

namespace {

// A file of the user's folder aside for as long as the object lives.
class Beiseite {
public:
    explicit Beiseite(std::string pfad) : pfad_(std::move(pfad)) {
        gesichert_ = MoveFileExA(pfad_.c_str(), (pfad_ + ".vor-test").c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    ~Beiseite() {
        DeleteFileA(pfad_.c_str());
        if (gesichert_) MoveFileA((pfad_ + ".vor-test").c_str(), pfad_.c_str());
    }

private:
    std::string pfad_;
    BOOL gesichert_;
};

using Gewaehlt = SchonerTest;

TEST_F(Gewaehlt, AfterInstallingTheSaverWindowsStartsShowsTheStars) {
    char ordner[MAX_PATH];
    ASSERT_TRUE(ablage.ordner(Ordner::BENUTZER, ordner, sizeof ordner));
    CreateDirectoryA(ordner, nullptr);
    const std::string wirklich = ordner;
    const Beiseite ini(wirklich + "\\Kovra.ini"), scr(wirklich + "\\Kovra32.scr");
    for (const char* name : {"Kovra32.scr"}) {
        ASSERT_TRUE(CopyFileA((windows_pfad(KOVRA_VERZEICHNIS) + "\\" + name).c_str(),
                              (programm + "\\" + name).c_str(), FALSE));
    }
    for (const char* name : {"VARNIS.DAT", "STBILDER.DAT"}) {
        ASSERT_TRUE(CopyFileA((windows_pfad(VARNIS_TEST_DATA) + "\\" + name).c_str(),
                              (programm + "\\" + name).c_str(), FALSE));
    }
    const Schoner_Verzeichnisse echt{programm.c_str(), wirklich.c_str(), ini_pfad.c_str(), nullptr};

    ASSERT_EQ(0, schoner_installieren(fenster, echt, true));

    char gewaehlt[MAX_PATH];
    ASSERT_TRUE(kovra_registriert(gewaehlt, sizeof gewaehlt));
    EXPECT_EQ(wirklich + "\\Kovra32.scr", gewaehlt);
    const std::string kovra = gewaehlt;
    Prozess schoner(kovra, "\"" + kovra + "\" /s");
    ASSERT_TRUE(schoner.gestartet());
    HWND bild = nullptr;
    ASSERT_TRUE(warten_bis([&] { return (bild = FindWindowA("VarnisBSS", "Varnis")) != nullptr; }));
    Sleep(1500);  // a few frames
    EXPECT_TRUE(sieht_nach_karte_aus(bildschirm_pixel(bild)));
    PostMessageA(bild, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(schoner.beendet());
}

}  // namespace
