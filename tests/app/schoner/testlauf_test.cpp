// Command 112, the test run 113 with its parked settings, the activation that
// takes them back and the end of the main window in the settings mode.
#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "schoner/befehle.h"
#include "schoner/modus.h"
#include "schoner/prozess.h"
#include "schoner_umgebung.h"

using Testlauf = SchonerTest;

TEST_F(Testlauf, Command112SavesForTheSaverOnlyOnYes) {
    for (const int antwort : {IDNO, IDYES}) {
        ini_anlegen(kovra_ini, 2222);
        meldungen.clear();
        antworten = {antwort};
        schoner_uebergeben(fenster, verzeichnisse);
        ASSERT_EQ(1u, meldungen.size());
        EXPECT_EQ(ui_text(UI_FRAGE_UEBERNEHMEN), meldungen[0].text);
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), meldungen[0].art);
        EXPECT_EQ(antwort == IDYES ? 1111 : 2222, rek_von(kovra_ini));
    }
}

TEST_F(Testlauf, OutsideTheSettingsModeTheSaverRunsOnItsSavedSettings) {
    ini_anlegen(kovra_ini, 2222);
    schoner_testen(fenster, verzeichnisse);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(schoner, starts[0].programm);
    EXPECT_EQ("\"" + schoner + "\" /s", starts[0].befehlszeile);
    EXPECT_EQ(benutzer, starts[0].verzeichnis);
    EXPECT_EQ(2222, rek_von(kovra_ini));
    EXPECT_FALSE(vorhanden(geparkt));
}

TEST_F(Testlauf, InTheSettingsModeTheSavedSettingsWaitUntilTheWindowIsActivated) {
    ini_anlegen(kovra_ini, 2222);
    bss_modus = 1;
    schoner_testen(fenster, verzeichnisse);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(1111, rek_von(kovra_ini));
    EXPECT_EQ(2222, rek_von(geparkt));

    schoner_aktiviert(WA_CLICKACTIVE, verzeichnisse);
    schoner_aktiviert(WA_INACTIVE, verzeichnisse);
    EXPECT_EQ(1111, rek_von(kovra_ini));
    EXPECT_TRUE(vorhanden(geparkt));

    schoner_aktiviert(WA_ACTIVE, verzeichnisse);
    EXPECT_EQ(2222, rek_von(kovra_ini));
    EXPECT_FALSE(vorhanden(geparkt));
}

// The window may come back by a click, which leaves the parked copy where it
// is; nothing that follows may lose the saved settings.
TEST_F(Testlauf, SavedSettingsSurviveWhateverFollowsATestRun) {
    struct Fall {
        const char* name;
        int32_t (*danach)(Schoner_Partner&, const Schoner_Verzeichnisse&);
        int antwort;
        int32_t kovra_danach;
    };
    const Fall faelle[] = {
        {"a second test", schoner_testen, IDOK, 2222},
        {"the end, not kept", schoner_fenster_zerstoert, IDNO, 2222},
        {"the end, kept", schoner_fenster_zerstoert, IDYES, 1111},
        {"mode off, not kept", bearbeitung_umschalten, IDNO, 2222},
        {"given to the saver", schoner_uebergeben, IDYES, 1111},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        DeleteFileA(geparkt.c_str());
        ini_anlegen(kovra_ini, 2222);
        bss_modus = 1;
        fenster.werte.ansicht.rek = 5555;
        schoner_testen(fenster, verzeichnisse);
        schoner_aktiviert(WA_CLICKACTIVE, verzeichnisse);
        fenster.werte.ansicht.rek = 1111;
        antworten = {f.antwort};

        f.danach(fenster, verzeichnisse);
        schoner_aktiviert(WA_ACTIVE, verzeichnisse);  // a later activation changes nothing more

        EXPECT_EQ(f.kovra_danach, rek_von(kovra_ini));
        antworten.clear();
    }
}

TEST_F(Testlauf, EndingTheSettingsModeWithTheWindow) {
    for (const int antwort : {IDNO, IDYES}) {
        ini_anlegen(ini_pfad, 333);
        ini_anlegen(kovra_ini, 2222);
        bss_modus = 1;
        fenster.werte.ansicht.rek = 1111;
        fenster.geladen.clear();
        meldungen.clear();
        antworten = {antwort};

        schoner_fenster_zerstoert(fenster, verzeichnisse);

        ASSERT_EQ(1u, meldungen.size());
        EXPECT_EQ(nullptr, meldungen[0].besitzer);
        EXPECT_EQ(ui_text(UI_FRAGE_UEBERNEHMEN), meldungen[0].text);
        EXPECT_EQ(antwort == IDYES ? 1111 : 2222, rek_von(kovra_ini));
        ASSERT_EQ(1u, fenster.geladen.size());
        EXPECT_EQ(ini_pfad, fenster.geladen[0]);
        EXPECT_EQ(333, fenster.werte.ansicht.rek);
        EXPECT_EQ(0, bss_modus);
    }
    meldungen.clear();
    schoner_fenster_zerstoert(fenster, verzeichnisse);  // in mode 0 there is nothing to ask
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(Testlauf, TheProcessStartsInTheDirectoryGiven) {
    prozess_ersatz = nullptr;
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    const std::string cmd = std::string(system) + "\\cmd.exe";
    prozess_starten(cmd.c_str(), "cmd /c echo gestartet> zeichen.txt", benutzer.c_str());
    const std::string zeichen = benutzer + "\\zeichen.txt";
    for (int i = 0; i < 200 && datei_lesen(zeichen).empty(); ++i) Sleep(50);
    EXPECT_EQ("gestartet\r\n", datei_lesen(zeichen));
    Sleep(200);  // let cmd close the file before the folder goes
}
