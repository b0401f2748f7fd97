// Commands 108 and 109: the copy of the saver into the user's folder when the
// program's folder is not writable, the settings file there, the user's
// choice of saver, an older set-up's Kovra.ini, every way the copy can fail,
// an unknown user's folder and a saver that stays beside the program.
#include <cstdio>
#include <cstring>

#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "schoner/einrichtung.h"
#include "schoner/registrierung.h"
#include "schoner_ini.h"
#include "schoner_umgebung.h"

namespace {

// Over two buffers of the copy, with a partial last one.
std::string saver_inhalt() {
    std::string inhalt(25001, '\0');
    uint32_t x = 12345;
    for (char& c : inhalt) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return inhalt;
}

std::string abschnitte(const std::string& ini) {
    char namen[512];
    const DWORD n = GetPrivateProfileSectionNamesA(namen, sizeof namen, ini.c_str());
    std::string liste(namen, n);
    for (char& c : liste) if (c == '\0') c = ',';
    return liste;
}

std::string pfad_von(const std::string& ini) {
    char pfad[400];
    daten_verzeichnis_lesen(ini.c_str(), pfad, sizeof pfad);
    return pfad;
}

class Einrichtung : public SchonerTest {
protected:
    void quelle_anlegen() {
        ASSERT_TRUE(datei_schreiben(programm + "\\Kovra32.scr", saver_inhalt()));
    }
};

}  // namespace

TEST_F(Einrichtung, CopiesTheSaverAndWritesTheSettingsAsTheCommandAsks) {
    struct Fall {
        bool immer;         // 108 or 109
        bool ini_vorher;    // a Kovra.ini is there already
        bool einstellungen; // the view goes into Kovra.ini
    };
    const Fall faelle[] = {{false, false, false}, {false, true, true}, {true, false, true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.immer ? "108" : "109") +
                     (f.ini_vorher ? " over Kovra.ini" : ""));
        DeleteFileA(kovra_ini.c_str());
        DeleteFileA(schoner.c_str());
        if (f.ini_vorher) ini_anlegen(kovra_ini, 2222);
        quelle_anlegen();
        meldungen.clear();
        fenster.gespeichert.clear();
        fenster.punkte_gesetzt = 0;

        EXPECT_EQ(0, schoner_installieren(fenster, verzeichnisse, f.immer));

        EXPECT_EQ(saver_inhalt(), datei_lesen(schoner));
        EXPECT_EQ(programm, pfad_von(kovra_ini));
        if (f.einstellungen) {
            EXPECT_EQ("Allgemein,Anzeige,Farben,Moment,Eigener Ort,Varnis,", abschnitte(kovra_ini));
            const Einstellungen e = einstellungen_lesen(kovra_ini.c_str(), Programm::STERNKARTE);
            EXPECT_EQ(0, std::memcmp(&e, &fenster.werte, sizeof e));
        } else {
            EXPECT_EQ("Varnis,", abschnitte(kovra_ini));
            char schluessel[256];
            const DWORD n = GetPrivateProfileSectionA("Varnis", schluessel, sizeof schluessel,
                                                      kovra_ini.c_str());
            EXPECT_EQ("Pfad=" + programm, std::string(schluessel, n - 1));
        }
        ASSERT_EQ(1u, meldungen.size());
        char installiert[512];
        snprintf(installiert, sizeof installiert, ui_text(UI_SCHONER_INSTALLIERT), "32");
        EXPECT_EQ(installiert, meldungen[0].text);
        EXPECT_EQ(ui_text(UI_TITEL_HINWEIS), meldungen[0].titel);
        EXPECT_EQ(Fenster_Attrappe::kennung(), meldungen[0].besitzer);
        EXPECT_EQ(1, fenster.punkte_gesetzt);
    }
}

TEST_F(Einrichtung, SettingsParkedByATestRunComeBackBeforeTheInstallation) {
    ini_anlegen(geparkt, 2222);
    ini_anlegen(kovra_ini, 5555);  // the unsaved settings of the test run
    quelle_anlegen();
    ASSERT_EQ(0, schoner_installieren(fenster, verzeichnisse, false));
    EXPECT_FALSE(vorhanden(geparkt));
    EXPECT_EQ(1111, rek_von(kovra_ini));  // the current view, saved over the parked one
}

TEST_F(Einrichtung, AFailedCopyIsShownAndLeavesNeitherSaverNorSettings) {
    struct Fall {
        const char* name;
        bool quelle;           // the saver is in the program's directory
        std::string ziel;      // the user's folder
        int32_t text;          // the error box
        std::string argument;  // the path it names
    };
    // A folder under a file can be made by nobody, not even root under Wine.
    ASSERT_TRUE(datei_schreiben(programm + "\\datei", "x"));
    const std::string fehlt = programm + "\\datei\\benutzer";
    const Fall faelle[] = {
        {"no saver to copy", false, benutzer, UI_SCHONER_FEHLT, programm + "\\Kovra32.scr"},
        {"target cannot be created", true, fehlt, UI_SCHONER_ZIEL, fehlt + "\\Kovra32.scr"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        DeleteFileA((programm + "\\Kovra32.scr").c_str());
        if (f.quelle) quelle_anlegen();
        meldungen.clear();
        fenster.punkte_gesetzt = 0;
        const Schoner_Verzeichnisse o{programm.c_str(), f.ziel.c_str(), ini_pfad.c_str(), nullptr};

        EXPECT_EQ(-1, schoner_installieren(fenster, o, true));

        fehler_pruefen(f.text, f.argument);
        EXPECT_FALSE(vorhanden(f.ziel + "\\Kovra32.scr"));
        EXPECT_FALSE(vorhanden(f.ziel + "\\Kovra.ini"));
        EXPECT_TRUE(fenster.gespeichert.empty());
        EXPECT_EQ(1, fenster.punkte_gesetzt);
    }
}

// The user's folder is not known (it is ""): paths into it would name the
// program's own files in the current directory, so both commands refuse
// with a box and touch nothing.
TEST_F(Einrichtung, WithoutTheUsersFolderNothingIsInstalled) {
    quelle_anlegen();
    char vorher[MAX_PATH];
    GetCurrentDirectoryA(sizeof vorher, vorher);
    ASSERT_TRUE(SetCurrentDirectoryA(programm.c_str()));
    const Schoner_Verzeichnisse o{programm.c_str(), "", ini_pfad.c_str(), nullptr};
    for (bool immer : {true, false}) {
        SCOPED_TRACE(immer ? "108" : "109");
        meldungen.clear();
        EXPECT_EQ(-1, schoner_installieren(fenster, o, immer));
        fehler_pruefen(UI_KEIN_BENUTZER_VERZEICHNIS, "");
    }
    SetCurrentDirectoryA(vorher);
    EXPECT_EQ(saver_inhalt(), datei_lesen(programm + "\\Kovra32.scr"));
    EXPECT_FALSE(vorhanden(programm + "\\Kovra.ini"));
    EXPECT_TRUE(fenster.gespeichert.empty());
}

// The program in the user's folder itself, which is writable: its saver is
// the installed one, however the folder is spelled, and is never copied onto
// itself.
TEST_F(Einrichtung, ASaverThatIsTheInstalledOneIsKeptAsItIs) {
    for (const std::string& dort : {benutzer, benutzer + "\\.\\", benutzer + "\\..\\benutzer"}) {
        SCOPED_TRACE(dort);
        ASSERT_TRUE(datei_schreiben(schoner, saver_inhalt()));
        DeleteFileA(kovra_ini.c_str());
        meldungen.clear();
        const Schoner_Verzeichnisse o{dort.c_str(), benutzer.c_str(), ini_pfad.c_str(), nullptr};

        EXPECT_EQ(0, schoner_installieren(fenster, o, true));

        EXPECT_EQ(saver_inhalt(), datei_lesen(schoner));
        EXPECT_EQ(dort, pfad_von(kovra_ini));
        ASSERT_EQ(1u, meldungen.size());
        EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), meldungen[0].art);
    }
}

// Windows' dialog shows Kovra chosen: the user's values name the saver where
// it lies (copied into the user's folder, or beside the program when that
// folder is writable) and switch the saver on; the menu's check follows.
TEST_F(Einrichtung, TheSaverIsChosenForTheUserWhereItLies) {
    for (bool programm_schreibbar : {false, true}) {
        SCOPED_TRACE(programm_schreibbar ? "program folder writable" : "program folder not writable");
        gesperrt = programm_schreibbar ? std::vector<std::string>{} : std::vector<std::string>{programm};
        DeleteFileA(schoner.c_str());
        benutzerwahl_setzen({});
        quelle_anlegen();
        char gewaehlt[MAX_PATH];
        EXPECT_FALSE(kovra_registriert(gewaehlt, sizeof gewaehlt));

        ASSERT_EQ(0, schoner_installieren(fenster, verzeichnisse, true));

        const std::string ort = programm_schreibbar ? programm + "\\Kovra32.scr" : schoner;
        const Benutzerwahl wahl = benutzerwahl_lesen();
        EXPECT_EQ(ort, wahl.schoner.value_or(""));
        EXPECT_EQ("1", wahl.aktiv.value_or(""));
        ASSERT_TRUE(kovra_registriert(gewaehlt, sizeof gewaehlt));
        EXPECT_EQ(ort, gewaehlt);
        EXPECT_EQ(!programm_schreibbar, vorhanden(schoner));
        EXPECT_EQ(programm, pfad_von(kovra_ini));
    }
}

TEST_F(Einrichtung, AnotherSaverOrAMissingOneIsNotKovra) {
    char gewaehlt[MAX_PATH];
    quelle_anlegen();
    for (const std::string& wert : {programm + "\\Kovra32.scr\\", benutzer + "\\Kovra32.scr",
                                    programm + "\\Blasen.scr", std::string("")}) {
        SCOPED_TRACE(wert);
        ASSERT_TRUE(datei_schreiben(programm + "\\Blasen.scr", "x"));
        benutzerwahl_setzen({wert, "1"});
        EXPECT_FALSE(kovra_registriert(gewaehlt, sizeof gewaehlt));
    }
    benutzerwahl_setzen({programm + "\\KOVRA32.SCR", "1"});
    EXPECT_TRUE(kovra_registriert(gewaehlt, sizeof gewaehlt));
    char eng[8];
    EXPECT_FALSE(kovra_registriert(eng, sizeof eng));
}

// An older set-up kept the saver's settings in the Windows directory: the
// first installation takes the file over, so 109 finds the saver's settings
// there and renews them as it always has; a later one never overwrites the
// user's own. The Windows directory can take no file at all (a folder under
// a file): nothing is written there, and everything works.
TEST_F(Einrichtung, AnOlderSetUpsSettingsAreTakenOverAndTheWindowsDirectoryIsNotWritten) {
    const std::string alt = benutzer + "\\alt";
    ASSERT_TRUE(CreateDirectoryA(alt.c_str(), nullptr));
    ASSERT_TRUE(datei_schreiben(alt + "\\Kovra.ini", "[Alt]\r\nx=1\r\n"));
    quelle_anlegen();
    const Schoner_Verzeichnisse mit_alt{programm.c_str(), benutzer.c_str(), ini_pfad.c_str(), alt.c_str()};
    ASSERT_EQ(0, schoner_installieren(fenster, mit_alt, false));
    EXPECT_EQ("Alt,Allgemein,Anzeige,Farben,Moment,Eigener Ort,Varnis,", abschnitte(kovra_ini));
    EXPECT_EQ(programm, pfad_von(kovra_ini));
    ASSERT_TRUE(datei_schreiben(alt + "\\Kovra.ini", "[Neu]\r\nx=1\r\n"));
    ASSERT_EQ(0, schoner_installieren(fenster, mit_alt, false));
    EXPECT_EQ("Alt,Allgemein,Anzeige,Farben,Moment,Eigener Ort,Varnis,", abschnitte(kovra_ini));

    ASSERT_TRUE(datei_schreiben(programm + "\\datei", "x"));
    const std::string gesperrt_windows = programm + "\\datei\\windows";
    const Schoner_Verzeichnisse ohne{programm.c_str(), benutzer.c_str(), ini_pfad.c_str(),
                                     gesperrt_windows.c_str()};
    for (bool immer : {true, false}) {
        SCOPED_TRACE(immer ? "108" : "109");
        DeleteFileA(kovra_ini.c_str());
        DeleteFileA(schoner.c_str());
        meldungen.clear();
        EXPECT_EQ(0, schoner_installieren(fenster, ohne, immer));
        EXPECT_EQ(saver_inhalt(), datei_lesen(schoner));
        EXPECT_EQ(programm, pfad_von(kovra_ini));
        ASSERT_EQ(1u, meldungen.size());
        EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), meldungen[0].art);
    }
}
