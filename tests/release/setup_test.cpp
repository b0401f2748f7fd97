// The setup program in the test prefix, run silently (/S) as a software
// distribution runs it: what it installs and registers, Varnis started the
// way its Start-menu shortcut starts it, a second installation over the
// first, and the silent uninstaller, after which nothing of ours is left. A
// folder it cannot write fails the installation without registering it.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <sstream>
#include <string>
#include <vector>

#include "ini_datei.h"
#include "schoner_wahl.h"
#include "varnis_start.h"
#include "varnis_version.h"

namespace {

const char SCHLUESSEL[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Varnis";
const std::string SETUP = windows_pfad(SETUP_PFAD);

std::string systemordner(int csidl) {
    char pfad[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, pfad);
    return pfad;
}

const std::string ZIEL = systemordner(CSIDL_LOCAL_APPDATA) + "\\Programs\\Varnis";
const std::string VERKNUEPFUNG = systemordner(CSIDL_PROGRAMS) + "\\Varnis.lnk";
const std::string DEINSTALLIEREN = ZIEL + "\\Deinstallieren.exe";

std::vector<std::string> gelieferte_dateien() {
    std::vector<std::string> namen;
    std::istringstream liste(LIEFERUNG);
    for (std::string name; std::getline(liste, name, ',');) namen.push_back(name);
    return namen;
}

bool da(const std::string& pfad) { return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool gleicher_pfad(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

bool schluessel_da() {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SCHLUESSEL, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

// A value of the uninstall key; "<fehlt>" when it is missing or of another type.
std::string text_wert(const char* name) {
    char wert[1024];
    DWORD groesse = sizeof wert;
    if (RegGetValueA(HKEY_CURRENT_USER, SCHLUESSEL, name, RRF_RT_REG_SZ, nullptr, wert, &groesse) !=
        ERROR_SUCCESS)
        return "<fehlt>";
    return wert;
}

DWORD zahl_wert(const char* name) {
    DWORD wert = 0, groesse = sizeof wert;
    if (RegGetValueA(HKEY_CURRENT_USER, SCHLUESSEL, name, RRF_RT_REG_DWORD, nullptr, &wert, &groesse) !=
        ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return wert;
}

// Runs the setup program with arguments; its result.
DWORD setup(const std::string& argumente) {
    Prozess setup(SETUP, "\"" + SETUP + "\" " + argumente);
    EXPECT_TRUE(setup.gestartet()) << SETUP;
    EXPECT_TRUE(setup.beendet(60000));
    return setup.ergebnis();
}

struct Verknuepfung {
    std::string ziel, arbeitsordner;
};

Verknuepfung verknuepfung_lesen(const std::string& pfad) {
    Verknuepfung v;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return v;
    IPersistFile* datei = nullptr;
    wchar_t breit[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, pfad.c_str(), -1, breit, MAX_PATH);
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&datei))) &&
        SUCCEEDED(datei->Load(breit, STGM_READ))) {
        char text[MAX_PATH] = "";
        if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) v.ziel = text;
        text[0] = 0;
        if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) v.arbeitsordner = text;
    }
    if (datei) datei->Release();
    link->Release();
    return v;
}

bool nichts_mehr_da() { return !da(ZIEL) && !da(VERKNUEPFUNG) && !schluessel_da(); }

// The registered quiet uninstall, as the system's list of programs runs it.
// The uninstaller copies itself into the temporary folder and works from
// there, so the wait is for its work, not for the process that was started.
void deinstallieren() {
    const std::string befehl = text_wert("QuietUninstallString");
    Prozess deinstallation("", befehl);
    ASSERT_TRUE(deinstallation.gestartet()) << befehl;
    EXPECT_TRUE(deinstallation.beendet(60000));
    EXPECT_TRUE(warten_bis(nichts_mehr_da, 30000));
}

class Setup : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }
    void SetUp() override {
        ASSERT_TRUE(da(SETUP)) << "tools/release.sh writes it";
        // What an earlier, broken run left is removed as a user would.
        if (schluessel_da()) deinstallieren();
        ASSERT_TRUE(nichts_mehr_da()) << ZIEL;
    }
    void TearDown() override {
        if (schluessel_da()) deinstallieren();
    }
};

TEST_F(Setup, InstallsForTheUserRegistersItselfAndUninstallsWithoutATrace) {
    ASSERT_EQ(setup("/S"), 0u);
    for (const std::string& datei : gelieferte_dateien()) EXPECT_TRUE(da(ZIEL + "\\" + datei)) << datei;
    EXPECT_TRUE(da(DEINSTALLIEREN));

    // Varnis looks for its files in the folder it starts from.
    const Verknuepfung v = verknuepfung_lesen(VERKNUEPFUNG);
    EXPECT_TRUE(gleicher_pfad(v.ziel, ZIEL + "\\Varnis32.exe")) << v.ziel;
    EXPECT_TRUE(gleicher_pfad(v.arbeitsordner, ZIEL)) << v.arbeitsordner;

    EXPECT_EQ(text_wert("DisplayName"), "Varnis");
    EXPECT_EQ(text_wert("DisplayVersion"), VARNIS_VERSION);
    EXPECT_EQ(text_wert("Publisher"), VARNIS_HERAUSGEBER);
    EXPECT_TRUE(gleicher_pfad(text_wert("DisplayIcon"), ZIEL + "\\Varnis32.exe,0")) << text_wert("DisplayIcon");
    EXPECT_TRUE(gleicher_pfad(text_wert("InstallLocation"), ZIEL));
    EXPECT_TRUE(gleicher_pfad(text_wert("UninstallString"), "\"" + DEINSTALLIEREN + "\""));
    EXPECT_TRUE(gleicher_pfad(text_wert("QuietUninstallString"), "\"" + DEINSTALLIEREN + "\" /S"));
    EXPECT_EQ(zahl_wert("NoModify"), 1u);
    EXPECT_EQ(zahl_wert("NoRepair"), 1u);
    // In KB: the programs and data files take some hundreds.
    EXPECT_GT(zahl_wert("EstimatedSize"), 300u);
    EXPECT_LT(zahl_wert("EstimatedSize"), 20000u);

    deinstallieren();
    EXPECT_FALSE(da(ZIEL));
    EXPECT_FALSE(da(VERKNUEPFUNG));
    EXPECT_FALSE(schluessel_da());
}

TEST_F(Setup, VarnisRunsFromItsShortcutAndItsSettingsOutliveAReinstallationNotTheUninstall) {
    ASSERT_EQ(setup("/S"), 0u);
    const Verknuepfung v = verknuepfung_lesen(VERKNUEPFUNG);
    {
        VarnisStart varnis(v.ziel, v.arbeitsordner);
        ASSERT_TRUE(varnis.gestartet()) << v.ziel;
        ASSERT_NE(varnis.hauptfenster(), nullptr);
        EXPECT_TRUE(varnis.karte_gezeichnet());
        EXPECT_TRUE(varnis.schliessen());
    }
    const std::string ini = ZIEL + "\\Varnis.ini";
    const std::string einstellungen = datei_lesen(ini);
    ASSERT_FALSE(einstellungen.empty()) << ini;
    // The marker the saver leaves when it asks for its settings.
    ASSERT_TRUE(datei_schreiben(ZIEL + "\\Kovra.acc", "BSS-access"));

    ASSERT_EQ(setup("/S"), 0u);
    EXPECT_EQ(datei_lesen(ini), einstellungen);
    EXPECT_TRUE(da(ZIEL + "\\Varnis32.exe"));
    EXPECT_TRUE(gleicher_pfad(text_wert("InstallLocation"), ZIEL));

    deinstallieren();
    EXPECT_FALSE(da(ini));
    EXPECT_FALSE(da(ZIEL));
}

// What Varnis wrote for the user goes with it: the choice of its saver, the
// saver's settings and copy, the settings and the desktop picture in the
// user's folder. Another saver the user chose and the user's own pictures
// stay.
TEST_F(Setup, TheUninstallRemovesWhatVarnisWroteForTheUser) {
    const Benutzerwahl vorher = benutzerwahl_lesen();
    const std::string benutzer = systemordner(CSIDL_APPDATA) + "\\Varnis";
    const char* geschrieben[] = {"Kovra.ini", "Kovra.si$", "Kovra32.scr", "Varnis.ini", "Varnis.bmp"};
    for (const std::string& gewaehlt : {benutzer + "\\Kovra32.scr", ZIEL + "\\Kovra32.scr",
                                        std::string("C:\\windows\\system32\\Blasen.scr")}) {
        SCOPED_TRACE(gewaehlt);
        ASSERT_EQ(setup("/S"), 0u);
        CreateDirectoryA(benutzer.c_str(), nullptr);
        for (const char* name : geschrieben) ASSERT_TRUE(datei_schreiben(benutzer + "\\" + name, "x"));
        ASSERT_TRUE(datei_schreiben(benutzer + "\\Mein Bild.bmp", "x"));
        benutzerwahl_setzen({gewaehlt, "1"});

        deinstallieren();

        for (const char* name : geschrieben) EXPECT_FALSE(da(benutzer + "\\" + name)) << name;
        EXPECT_TRUE(da(benutzer + "\\Mein Bild.bmp"));
        const Benutzerwahl danach = benutzerwahl_lesen();
        const bool unsere = gewaehlt.find("Blasen") == std::string::npos;
        EXPECT_EQ(unsere ? "<keiner>" : gewaehlt, danach.schoner.value_or("<keiner>"));
        EXPECT_EQ(unsere ? "0" : "1", danach.aktiv.value_or(""));
        DeleteFileA((benutzer + "\\Mein Bild.bmp").c_str());
        RemoveDirectoryA(benutzer.c_str());
    }
    benutzerwahl_setzen(vorher);
}

TEST_F(Setup, AFolderItCannotWriteFailsTheInstallationAndNothingIsRegistered) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string ordner = std::string(temp) + "Varnis gesperrt " + std::to_string(GetCurrentProcessId());
    // A folder in the place of the program file: it cannot be written.
    CreateDirectoryA(ordner.c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryA((ordner + "\\Varnis32.exe").c_str(), nullptr));

    EXPECT_NE(setup("/S /D=" + ordner), 0u);
    EXPECT_FALSE(schluessel_da());
    EXPECT_FALSE(da(VERKNUEPFUNG));

    for (const std::string& datei : gelieferte_dateien()) DeleteFileA((ordner + "\\" + datei).c_str());
    DeleteFileA((ordner + "\\Deinstallieren.exe").c_str());
    RemoveDirectoryA((ordner + "\\Varnis32.exe").c_str());
    EXPECT_TRUE(RemoveDirectoryA(ordner.c_str())) << "nothing else was written to " << ordner;
}

}  // namespace
