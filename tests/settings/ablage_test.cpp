// The rules of where the files live, as tables over a stand-in for the
// system: which folders it names, which files exist, which folders are
// writable.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "ablage.h"
#include "ini_datei.h"
#include "schoner_ini.h"

namespace {

struct Welt {
    std::string programm = "C:\\Programme\\Varnis";
    std::string aktuell = "D:\\Arbeit";
    std::string windows = "C:\\Windows";
    std::string benutzer = "C:\\Users\\Ida\\AppData\\Roaming\\Varnis";
    std::set<std::string> dateien;
    std::set<std::string> gesperrt;  // folders that take no new file
};

Welt welt;

bool ordner(Ordner o, char* ziel, size_t groesse) {
    const std::string& pfad = o == Ordner::PROGRAMM ? welt.programm
                              : o == Ordner::AKTUELL ? welt.aktuell
                              : o == Ordner::WINDOWS ? welt.windows
                                                     : welt.benutzer;
    if (pfad.empty() || pfad.size() >= groesse) return false;
    snprintf(ziel, groesse, "%s", pfad.c_str());
    return true;
}
bool datei_da(const char* pfad) { return welt.dateien.count(pfad) > 0; }
bool schreibbar(const char* o) { return welt.gesperrt.count(o) == 0; }

const Ablage TEST_ABLAGE{ordner, datei_da, schreibbar};

}  // namespace

TEST(Ablage, TheDataFolderIsTheCurrentOneOnlyWhenItHoldsTheCatalogue) {
    const struct {
        const char* fall;
        std::set<std::string> dateien;
        std::string aktuell;
        std::string erwartet;
    } faelle[] = {
        {"started in its own folder", {"C:\\Programme\\Varnis\\VARNIS.DAT"}, "C:\\Programme\\Varnis",
         "C:\\Programme\\Varnis"},
        {"started from elsewhere", {"C:\\Programme\\Varnis\\VARNIS.DAT"}, "D:\\Arbeit", "C:\\Programme\\Varnis"},
        {"a folder with data of its own", {"D:\\Arbeit\\VARNIS.DAT"}, "D:\\Arbeit", "D:\\Arbeit"},
        {"no current folder known", {}, "", "C:\\Programme\\Varnis"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        welt = Welt{};
        welt.dateien = f.dateien;
        welt.aktuell = f.aktuell;
        char ziel[MAX_PATH];
        ASSERT_TRUE(daten_ordner(TEST_ABLAGE, "VARNIS.DAT", ziel, sizeof ziel));
        EXPECT_EQ(f.erwartet, ziel);
    }
}

// One rule for reading and writing: which files exist never changes the
// answer, so the file read at start-up is the one written at the end.
TEST(Ablage, TheVarnisIniThatCountsDependsOnlyOnWhereTheUserMayWrite) {
    const std::string programm_ini = "C:\\Programme\\Varnis\\Varnis.ini";
    const std::string benutzer_ini = "C:\\Users\\Ida\\AppData\\Roaming\\Varnis\\Varnis.ini";
    const struct {
        const char* fall;
        const char* daten;
        bool programm_gesperrt;
        bool benutzer_bekannt;
        std::string erwartet;
    } faelle[] = {
        {"a writable program folder", "C:\\Programme\\Varnis", false, true, programm_ini},
        {"a program folder the user may not write", "C:\\Programme\\Varnis", true, true, benutzer_ini},
        {"neither is known", "C:\\Programme\\Varnis", true, false, ""},
        {"no data folder: the current one", "", false, true, "D:\\Arbeit\\Varnis.ini"},
    };
    for (const auto& f : faelle) {
        for (const auto& dateien : {std::set<std::string>{}, std::set<std::string>{programm_ini, benutzer_ini}}) {
            SCOPED_TRACE(std::string(f.fall) + (dateien.empty() ? ", no Varnis.ini" : ", both exist"));
            welt = Welt{};
            welt.dateien = dateien;
            if (f.programm_gesperrt) welt.gesperrt = {"C:\\Programme\\Varnis"};
            if (!f.benutzer_bekannt) welt.benutzer = "";
            char ziel[MAX_PATH];
            EXPECT_EQ(!f.erwartet.empty(), varnis_ini(TEST_ABLAGE, f.daten, ziel, sizeof ziel));
            EXPECT_EQ(f.erwartet, ziel);
        }
    }
}

TEST(Ablage, TheSaverReadsTheFirstKovraIniThatExists) {
    const std::string benutzer = "C:\\Users\\Ida\\AppData\\Roaming\\Varnis\\Kovra.ini";
    const std::string eigene = "C:\\Programme\\Varnis\\Kovra.ini";
    const std::string alte = "C:\\Windows\\Kovra.ini";
    const struct {
        const char* fall;
        std::set<std::string> dateien;
        bool benutzer_bekannt;
        bool gefunden;
        std::string erwartet;
    } faelle[] = {
        {"all three", {benutzer, eigene, alte}, true, true, benutzer},
        {"beside the saver and an older set-up's", {eigene, alte}, true, true, eigene},
        {"only an older set-up's", {alte}, true, true, alte},
        {"none: the user's, which gives the defaults", {}, true, true, benutzer},
        {"none and no user's folder", {}, false, true, eigene},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        welt = Welt{};
        welt.dateien = f.dateien;
        if (!f.benutzer_bekannt) welt.benutzer = "";
        char ziel[MAX_PATH];
        EXPECT_EQ(f.gefunden, schoner_ini_finden(TEST_ABLAGE, ziel, sizeof ziel));
        EXPECT_EQ(f.erwartet, ziel);
    }
    welt = Welt{};
    welt.programm = welt.windows = welt.benutzer = "";
    char ziel[MAX_PATH];
    EXPECT_FALSE(schoner_ini_finden(TEST_ABLAGE, ziel, sizeof ziel));
    EXPECT_STREQ("", ziel);
}

TEST(Ablage, TheSaversDataFolderIsTheNamedOneWithACatalogueElseItsOwn) {
    const std::string daten = "D:\\Sterne";
    const struct {
        const char* fall;
        std::string pfad;
        std::set<std::string> dateien;
        bool gefunden;
        std::string erwartet;
    } faelle[] = {
        {"the folder Kovra.ini names", daten, {"D:\\Sterne\\VARNIS.DAT", "C:\\Programme\\Varnis\\VARNIS.DAT"}, true, daten},
        {"a named folder without the catalogue", daten, {"C:\\Programme\\Varnis\\VARNIS.DAT"}, true,
         "C:\\Programme\\Varnis"},
        {"no folder named (the default)", "c:\\progra~1\\varnis", {"C:\\Programme\\Varnis\\VARNIS.DAT"}, true,
         "C:\\Programme\\Varnis"},
        {"an empty name", "", {"C:\\Programme\\Varnis\\VARNIS.DAT"}, true, "C:\\Programme\\Varnis"},
        {"nowhere", daten, {}, false, "C:\\Programme\\Varnis"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        welt = Welt{};
        welt.dateien = f.dateien;
        char ziel[MAX_PATH];
        EXPECT_EQ(f.gefunden, schoner_daten_ordner(TEST_ABLAGE, f.pfad.c_str(), "VARNIS.DAT", ziel, sizeof ziel));
        EXPECT_EQ(f.erwartet, ziel);
    }
}

// The system's side: the user's folder lies in the application data, the
// folder of a file is made one level deep, never where a file stands.
TEST(Ablage, TheSystemNamesTheFoldersAndMakesTheUsersFolder) {
    char benutzer[MAX_PATH];
    ASSERT_TRUE(ablage.ordner(Ordner::BENUTZER, benutzer, sizeof benutzer));
    EXPECT_EQ("\\Varnis", std::string(benutzer).substr(std::string(benutzer).size() - 7));
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    char gelesen[MAX_PATH];
    ASSERT_TRUE(ablage.ordner(Ordner::WINDOWS, gelesen, sizeof gelesen));
    EXPECT_STREQ(windows, gelesen);
    char eng[4];
    EXPECT_FALSE(ablage.ordner(Ordner::PROGRAMM, eng, sizeof eng));

    IniDatei probe("");
    const std::string ordner = std::string(probe.pfad()) + ".ordner";
    const std::string datei = ordner + "\\Varnis.ini";
    EXPECT_EQ(0, elternordner_anlegen(datei.c_str()));
    EXPECT_TRUE(ablage.schreibbar(ordner.c_str()));
    EXPECT_EQ(0, elternordner_anlegen(datei.c_str()));  // there already
    EXPECT_EQ(-1, elternordner_anlegen((std::string(probe.pfad()) + "\\x\\Varnis.ini").c_str()));
    EXPECT_FALSE(ablage.schreibbar((std::string(probe.pfad()) + "\\x").c_str()));
    EXPECT_FALSE(ablage.datei_da(ordner.c_str()));
    EXPECT_TRUE(ablage.datei_da(probe.pfad()));
    RemoveDirectoryA(ordner.c_str());
}
