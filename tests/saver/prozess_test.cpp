// Kovra32.scr as the system starts it: a process per run, its window found
// from outside, a host window for the preview, and the hand-over to a
// stand-in star-chart program in a data directory of the test's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "bildschirm.h"
#include "ini_datei.h"
#include "prozess.h"
#include "schoner_ini.h"

namespace {

const std::string KOVRA = windows_pfad(KOVRA_PFAD);

// "Kovra.ini" in the user's folder, the first the saver reads, as the test
// needs it; the file that was there before comes back when the test ends.
class KovraIni {
public:
    KovraIni() {
        char ordner[MAX_PATH];
        ablage.ordner(Ordner::BENUTZER, ordner, sizeof ordner);
        CreateDirectoryA(ordner, nullptr);
        pfad_ = std::string(ordner) + "\\Kovra.ini";
        sicherung_ = pfad_ + ".vor-test";
        gesichert_ = MoveFileExA(pfad_.c_str(), sicherung_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    ~KovraIni() {
        DeleteFileA(pfad_.c_str());
        if (gesichert_) MoveFileA(sicherung_.c_str(), pfad_.c_str());
    }
    void daten_verzeichnis(const std::string& verzeichnis) const {
        ASSERT_TRUE(datei_schreiben(pfad_, "[Varnis]\r\nPfad=" + verzeichnis + "\r\n"));
    }

private:
    std::string pfad_, sicherung_;
    BOOL gesichert_;
};

// Kovra32.scr (the built one, or a copy) started by the system with a switch.
class Kovra : public Prozess {
public:
    explicit Kovra(const std::string& schalter) : Kovra(KOVRA, schalter) {}
    Kovra(const std::string& datei, const std::string& schalter)
        : Prozess(datei, "\"" + datei + "\" " + schalter) {}
};

TEST(KovraProzess, EndsWithoutAWindowWhenThereIsNothingToShow) {
    for (const char* schalter : {"/x", "/", "/a 0"}) {
        Kovra kovra(schalter);
        ASSERT_TRUE(kovra.gestartet()) << KOVRA;
        EXPECT_TRUE(kovra.beendet()) << schalter;
        EXPECT_EQ(kovra.ergebnis(), 0u) << schalter;
    }
    EXPECT_EQ(FindWindowA("VarnisBSS", nullptr), nullptr);
}

TEST(KovraProzess, PreviewWithoutAHostWindowEndsAtOnce) {
    HWND wirt = CreateWindowExA(0, "STATIC", "Vorschau", WS_OVERLAPPEDWINDOW, 50, 50, 200, 150,
                                nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wirt, nullptr);
    // The host's handle with a bit above the 32 significant ones.
    const long long daneben = (1LL << 32) + static_cast<long long>(reinterpret_cast<LONG_PTR>(wirt));
    for (const std::string& schalter :
         {std::string("/p 4294967296"), "/p " + std::string(2000, '9'), std::string("/p 12345"),
          std::string("/p"), std::string("/l 0"), std::string("-P:-4294967297"),
          "/p " + std::to_string(daneben)}) {
        Kovra kovra(schalter);
        ASSERT_TRUE(kovra.gestartet());
        EXPECT_TRUE(kovra.beendet(5000)) << schalter.substr(0, 40);
        EXPECT_EQ(FindWindowA("VarnisBSS", nullptr), nullptr) << schalter.substr(0, 40);
    }
    DestroyWindow(wirt);
}

TEST(KovraProzess, FullScreenSaverEndsOnAKey) {
    KovraIni ini;
    ini.daten_verzeichnis(windows_pfad(VARNIS_TEST_DATA));
    Kovra kovra("/s");
    HWND fenster = nullptr;
    ASSERT_TRUE(warten_bis([&] { return (fenster = FindWindowA("VarnisBSS", "Varnis")) != nullptr; }));
    // Every monitor: the whole virtual screen.
    RECT r;
    GetWindowRect(fenster, &r);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(r.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_TRUE(GetWindowLongA(fenster, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(kovra.beendet(700)) << "it runs until something happens";
    PostMessageA(fenster, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(kovra.beendet());
    EXPECT_EQ(kovra.ergebnis(), 0u);
}

TEST(KovraProzess, PreviewLivesInTheHostUntilTheHostGoes) {
    KovraIni ini;
    ini.daten_verzeichnis(windows_pfad(VARNIS_TEST_DATA));
    HWND wirt = CreateWindowExA(0, "STATIC", "Vorschau", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                200, 150, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wirt, nullptr);
    Kovra kovra("/p " + std::to_string(reinterpret_cast<LONG_PTR>(wirt)));
    HWND kind = nullptr;
    ASSERT_TRUE(warten_bis([&] { return (kind = FindWindowExA(wirt, nullptr, "VarnisBSS", nullptr)) != nullptr; }));
    // Exactly the host's client area, not its frame and caption.
    RECT w, k;
    GetClientRect(wirt, &w);
    MapWindowPoints(wirt, nullptr, reinterpret_cast<POINT*>(&w), 2);
    GetWindowRect(kind, &k);
    EXPECT_EQ(w.left, k.left);
    EXPECT_EQ(w.top, k.top);
    EXPECT_EQ(w.right, k.right);
    EXPECT_EQ(w.bottom, k.bottom);
    EXPECT_TRUE(GetWindowLongA(kind, GWL_STYLE) & WS_CHILD);
    // Clicks and keys do not end a preview.
    PostMessageA(kind, WM_LBUTTONDOWN, 0, 0);
    PostMessageA(kind, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(kovra.beendet(700));
    DestroyWindow(wirt);
    EXPECT_TRUE(kovra.beendet());
    EXPECT_EQ(kovra.ergebnis(), 0u);
}

// A data directory with a blank in its name, holding the stand-in program.
class DatenVerzeichnis {
public:
    DatenVerzeichnis() {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        pfad_ = std::string(temp) + "Kovra Daten " + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(pfad_.c_str(), nullptr);
        CopyFileA(windows_pfad(ATTRAPPE_PFAD).c_str(), datei("Varnis32.exe").c_str(), FALSE);
        // A data folder counts when it holds the catalogue.
        CopyFileA((windows_pfad(VARNIS_TEST_DATA) + "\\VARNIS.DAT").c_str(), datei("VARNIS.DAT").c_str(), FALSE);
    }
    ~DatenVerzeichnis() {
        for (const char* name : {"Varnis32.exe", "VARNIS.DAT", "Kovra.acc", "gestartet.txt"})
            DeleteFileA(datei(name).c_str());
        RemoveDirectoryA(pfad_.c_str());
    }
    const std::string& pfad() const { return pfad_; }
    std::string datei(const char* name) const { return pfad_ + "\\" + name; }

private:
    std::string pfad_;
};

TEST(KovraProzess, ConfigurationLeavesTheMarkerAndStartsTheProgramThere) {
    for (const char* schalter : {"/c", "", "-C:77"}) {
        SCOPED_TRACE(std::string("switch '") + schalter + "'");
        KovraIni ini;
        DatenVerzeichnis daten;
        ini.daten_verzeichnis(daten.pfad());
        Kovra kovra(schalter);
        EXPECT_TRUE(kovra.beendet());
        EXPECT_EQ(datei_lesen(daten.datei("Kovra.acc")), "BSS-access");
        const std::string gestartet = daten.datei("gestartet.txt");
        EXPECT_TRUE(warten_bis([&] { return GetFileAttributesA(gestartet.c_str()) != INVALID_FILE_ATTRIBUTES; }))
            << "the program in the data directory was started";
        warten_bis([&] { return !datei_lesen(gestartet).empty(); }, 2000);
        EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, datei_lesen(gestartet).c_str(), -1,
                                 daten.pfad().c_str(), -1),
                  CSTR_EQUAL)
            << datei_lesen(gestartet) << " is not " << daten.pfad();
    }
}

// A folder of the test's own holding a copy of the saver and the data files
// named; Kovra.ini in the user's folder and in the Windows directory are
// put aside for as long as it lives, so the saver finds none.
class SchonerOrdner {
public:
    explicit SchonerOrdner(std::initializer_list<const char*> daten) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        pfad_ = std::string(temp) + "Kovra eigen " + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(pfad_.c_str(), nullptr);
        namen_ = {"Kovra32.scr", "Kovra.acc"};
        CopyFileA(KOVRA.c_str(), datei("Kovra32.scr").c_str(), FALSE);
        for (const char* name : daten) {
            CopyFileA((windows_pfad(VARNIS_TEST_DATA) + "\\" + name).c_str(), datei(name).c_str(), FALSE);
            namen_.push_back(name);
        }
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, sizeof windows);
        alt_ = std::string(windows) + "\\Kovra.ini";
        alt_gesichert_ = MoveFileExA(alt_.c_str(), (alt_ + ".vor-test").c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    ~SchonerOrdner() {
        for (const std::string& name : namen_) DeleteFileA(datei(name.c_str()).c_str());
        RemoveDirectoryA(pfad_.c_str());
        if (alt_gesichert_) MoveFileA((alt_ + ".vor-test").c_str(), alt_.c_str());
    }
    std::string datei(const char* name) const { return pfad_ + "\\" + name; }

private:
    std::string pfad_, alt_;
    std::vector<std::string> namen_;
    BOOL alt_gesichert_;
    KovraIni keine_;  // the user's Kovra.ini aside, none written
};

// The saver window, once it has drawn a few frames, as the screen shows it.
std::vector<uint32_t> schoner_bild(Kovra& kovra) {
    HWND fenster = nullptr;
    EXPECT_TRUE(warten_bis([&] { return (fenster = FindWindowA("VarnisBSS", "Varnis")) != nullptr; }));
    if (!fenster) return {};
    EXPECT_FALSE(kovra.beendet(1500)) << "it runs until something happens";
    std::vector<uint32_t> bild = bildschirm_pixel(fenster);
    PostMessageA(fenster, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(kovra.beendet());
    return bild;
}

// Set up the usual Windows way (the file's own "Installieren", or started
// from its folder): no Kovra.ini anywhere, the data beside the saver.
TEST(KovraProzess, FromItsOwnFolderWithoutKovraIniItShowsTheStars) {
    SchonerOrdner ordner({"VARNIS.DAT", "STBILDER.DAT"});
    Kovra kovra(ordner.datei("Kovra32.scr"), "/s");
    const std::vector<uint32_t> bild = schoner_bild(kovra);
    EXPECT_TRUE(sieht_nach_karte_aus(bild));
}

// Without the catalogue the picture says so, in light text across the
// middle, instead of an empty grid.
TEST(KovraProzess, WithoutTheCatalogueThePictureSaysWhatIsMissing) {
    SchonerOrdner ordner({});
    Kovra kovra(ordner.datei("Kovra32.scr"), "/s");
    const std::vector<uint32_t> bild = schoner_bild(kovra);
    const int32_t breite = GetSystemMetrics(SM_CXSCREEN), hoehe = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_GT(helle_pixel(bild, breite, hoehe / 2 - 30, hoehe / 2 + 30), 300);
    EXPECT_EQ(0, helle_pixel(bild, breite, 0, hoehe / 2 - 60)) << "no stars, no text above";
}

// The saver alone in a folder, with no data folder named that exists (or
// no Kovra.ini at all): the settings switch (and no switch at all) finds no
// star-chart program beside it and says so in a box instead of ending
// without a word.
TEST(KovraProzess, ConfigurationWithoutTheProgramSaysWhy) {
    const struct {
        const char* schalter;
        const char* verzeichnis;  // Kovra.ini's data directory; null: no Kovra.ini
    } faelle[] = {{"/c", "Z:\\kein\\solches\\verzeichnis"}, {"", nullptr}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string("switch '") + f.schalter + "'");
        SchonerOrdner ordner({});
        KovraIni ini;
        if (f.verzeichnis) ini.daten_verzeichnis(f.verzeichnis);
        Kovra kovra(ordner.datei("Kovra32.scr"), f.schalter);
        HWND box = nullptr;
        ASSERT_TRUE(warten_bis([&] { return (box = FindWindowA("#32770", "Kovra")) != nullptr; }));
        char text[1000] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_NE(std::string(text).find("'" + ordner.datei("Varnis32.exe") + "' gibt es nicht"),
                  std::string::npos)
            << text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(kovra.beendet());
        EXPECT_EQ(kovra.ergebnis(), 0u);
    }
}

}  // namespace
