// The saver's hand-off at the end of the start-up: its marker Kovra.acc in
// the program's directory opens the program on the saver's settings.
#include "gemeinsam/ui_texte.h"
#include "gestirne.h"
#include "ini_datei.h"
#include "schoner/modus.h"
#include "schoner_umgebung.h"

using Uebergabe = SchonerTest;

TEST_F(Uebergabe, WithoutTheMarkerTheStartIsUnchanged) {
    ini_anlegen(kovra_ini, 2222);
    uebergabe_pruefen(fenster, verzeichnisse);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_TRUE(fenster.gespeichert.empty());
    EXPECT_TRUE(fenster.geladen.empty());
    EXPECT_EQ(0, fenster.vorn);
    EXPECT_EQ(0, bss_modus);
    EXPECT_STREQ("", karten_banner());
}

TEST_F(Uebergabe, TheMarkerOpensTheSaversSettingsWithANotice) {
    ASSERT_TRUE(datei_schreiben(marke, "BSS-access"));
    ini_anlegen(ini_pfad, 333);
    ini_anlegen(kovra_ini, 2222);

    uebergabe_pruefen(fenster, verzeichnisse);

    EXPECT_FALSE(vorhanden(marke));
    EXPECT_EQ(1111, rek_von(ini_pfad));  // the program's view waits in Varnis.ini
    EXPECT_EQ(2222, fenster.werte.ansicht.rek);
    EXPECT_EQ(1, fenster.vorn);
    EXPECT_EQ(1, bss_modus);
    EXPECT_TRUE(fenster.haken);
    EXPECT_STREQ(ui_text(UI_BANNER_SCHONER), karten_banner());
    ASSERT_EQ(1u, meldungen.size());
    std::string text;
    for (int32_t i = UI_UEBERGABE_1; i <= UI_UEBERGABE_5 + 3; ++i) {
        if (i > UI_UEBERGABE_1) text += i == UI_UEBERGABE_5 ? "\n" : " ";
        text += ui_text(i);
    }
    EXPECT_EQ(text, meldungen[0].text);
    EXPECT_EQ(ui_text(UI_PROGRAMM), meldungen[0].titel);
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), meldungen[0].art);
    EXPECT_EQ(Fenster_Attrappe::kennung(), meldungen[0].besitzer);
}

// A second hand-off while the saver's settings are open already must not
// put them into the program's own file.
TEST_F(Uebergabe, InTheSettingsModeTheProgramsSettingsStayAsTheyAre) {
    ASSERT_TRUE(datei_schreiben(marke, "BSS-access"));
    ini_anlegen(ini_pfad, 333);
    ini_anlegen(kovra_ini, 2222);
    bss_modus = 1;
    uebergabe_pruefen(fenster, verzeichnisse);
    EXPECT_EQ(333, rek_von(ini_pfad));
    EXPECT_EQ(2222, fenster.werte.ansicht.rek);
    EXPECT_EQ(1, bss_modus);
}
