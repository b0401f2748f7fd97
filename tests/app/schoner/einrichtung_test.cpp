// Commands 108 and 109: the copy of the saver, the settings file beside it,
// every way the copy can fail, an unknown Windows directory and a saver that
// is the installed one already.
#include <cstdio>
#include <cstring>

#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "schoner/einrichtung.h"
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
        std::string ziel;      // the Windows directory
        int32_t text;          // the error box
        std::string argument;  // the path it names
    };
    const std::string fehlt = programm + "\\gibt_es_nicht";
    const Fall faelle[] = {
        {"no saver to copy", false, windows, UI_SCHONER_FEHLT, programm + "\\Kovra32.scr"},
        {"target cannot be created", true, fehlt, UI_SCHONER_ZIEL, fehlt + "\\Kovra32.scr"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        DeleteFileA((programm + "\\Kovra32.scr").c_str());
        if (f.quelle) quelle_anlegen();
        meldungen.clear();
        fenster.punkte_gesetzt = 0;
        const Schoner_Verzeichnisse o{programm.c_str(), f.ziel.c_str(), ini_pfad.c_str()};

        EXPECT_EQ(-1, schoner_installieren(fenster, o, true));

        fehler_pruefen(f.text, f.argument);
        EXPECT_FALSE(vorhanden(f.ziel + "\\Kovra32.scr"));
        EXPECT_FALSE(vorhanden(f.ziel + "\\Kovra.ini"));
        EXPECT_TRUE(fenster.gespeichert.empty());
        EXPECT_EQ(1, fenster.punkte_gesetzt);
    }
}

// The Windows directory could not be read (it is ""): paths into it would
// name the program's own files in the current directory, so both commands
// refuse with a box and touch nothing.
TEST_F(Einrichtung, WithoutTheWindowsDirectoryNothingIsInstalled) {
    quelle_anlegen();
    char vorher[MAX_PATH];
    GetCurrentDirectoryA(sizeof vorher, vorher);
    ASSERT_TRUE(SetCurrentDirectoryA(programm.c_str()));
    const Schoner_Verzeichnisse o{programm.c_str(), "", ini_pfad.c_str()};
    for (bool immer : {true, false}) {
        SCOPED_TRACE(immer ? "108" : "109");
        meldungen.clear();
        EXPECT_EQ(-1, schoner_installieren(fenster, o, immer));
        fehler_pruefen(UI_KEIN_WINDOWS_VERZEICHNIS, "");
    }
    SetCurrentDirectoryA(vorher);
    EXPECT_EQ(saver_inhalt(), datei_lesen(programm + "\\Kovra32.scr"));
    EXPECT_FALSE(vorhanden(programm + "\\Kovra.ini"));
    EXPECT_TRUE(fenster.gespeichert.empty());
}

// The program in the Windows directory itself: its saver is the installed
// one, however the directory is spelled, and is never copied onto itself.
TEST_F(Einrichtung, ASaverThatIsTheInstalledOneIsKeptAsItIs) {
    for (const std::string& dort : {windows, windows + "\\.\\", windows + "\\..\\windows"}) {
        SCOPED_TRACE(dort);
        ASSERT_TRUE(datei_schreiben(schoner, saver_inhalt()));
        DeleteFileA(kovra_ini.c_str());
        meldungen.clear();
        const Schoner_Verzeichnisse o{dort.c_str(), windows.c_str(), ini_pfad.c_str()};

        EXPECT_EQ(0, schoner_installieren(fenster, o, true));

        EXPECT_EQ(saver_inhalt(), datei_lesen(schoner));
        EXPECT_EQ(dort, pfad_von(kovra_ini));
        ASSERT_EQ(1u, meldungen.size());
        EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), meldungen[0].art);
    }
}
