// The 64-bit archive as a user uses it: unpacked into a fresh folder (the
// fixture release_entpackt), Varnis32.exe started from there or from another
// folder draws its chart and, closed, writes its settings beside itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "bildschirm.h"
#include "varnis_start.h"

namespace {

bool da(const std::string& pfad) { return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(Zip64, VarnisStartsFromTheUnpackedFolderDrawsAndKeepsItsSettingsThere) {
    const std::string ordner = windows_pfad(ENTPACKT_64) + "\\Varnis";
    ASSERT_TRUE(da(ordner + "\\Varnis32.exe")) << ordner;
    ASSERT_FALSE(da(ordner + "\\Varnis.ini")) << "the folder is not fresh";
    VarnisStart varnis(ordner + "\\Varnis32.exe", ordner);
    ASSERT_TRUE(varnis.gestartet());
    ASSERT_NE(varnis.hauptfenster(), nullptr);
    EXPECT_TRUE(varnis.karte_gezeichnet());
    EXPECT_TRUE(varnis.schliessen());
    EXPECT_TRUE(da(ordner + "\\Varnis.ini"));
}

// A taskbar pin, a launcher or a script starts it from another current
// folder: it finds its files beside itself, opens normally and writes
// nothing into the folder it was started from.
TEST(Zip64, VarnisStartedFromAnotherFolderOpensNormally) {
    const std::string ordner = windows_pfad(ENTPACKT_64) + "\\Varnis";
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string anderswo = std::string(temp) + "Varnis anderswo " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(anderswo.c_str(), nullptr);
    {
        VarnisStart varnis(ordner + "\\Varnis32.exe", anderswo);
        ASSERT_TRUE(varnis.gestartet());
        ASSERT_NE(varnis.hauptfenster(), nullptr);
        EXPECT_TRUE(varnis.karte_gezeichnet());
        EXPECT_TRUE(varnis.schliessen());
    }
    EXPECT_FALSE(da(anderswo + "\\Varnis.ini"));
    EXPECT_TRUE(da(ordner + "\\Varnis.ini"));
    RemoveDirectoryA(anderswo.c_str());
}

// The archive's saver, started by Windows from its own folder with no
// Kovra.ini beside it, finds the catalogue there and shows the stars.
TEST(Zip64, TheSaverFromItsOwnFolderShowsTheStars) {
    const std::string kovra = windows_pfad(ENTPACKT_64) + "\\Varnis\\Kovra32.scr";
    Prozess schoner(kovra, "\"" + kovra + "\" /s");
    ASSERT_TRUE(schoner.gestartet());
    HWND fenster = nullptr;
    ASSERT_TRUE(warten_bis([&] { return (fenster = FindWindowA("VarnisBSS", "Varnis")) != nullptr; }));
    Sleep(1500);  // a few frames
    EXPECT_TRUE(sieht_nach_karte_aus(bildschirm_pixel(fenster)));
    PostMessageA(fenster, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(schoner.beendet());
}

}  // namespace
