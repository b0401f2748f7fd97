// The settings mode: the banner and the check mark, command 110 in both
// modes with each answer, and one question at a time.
#include "gemeinsam/ui_texte.h"
#include "gestirne.h"
#include "schoner/befehle.h"
#include "schoner/modus.h"
#include "schoner_umgebung.h"

using Modus = SchonerTest;

TEST_F(Modus, BannerAndCheckMarkFollowEachChangeOfMode) {
    EXPECT_EQ(0, modus_setzen(fenster, -1));
    EXPECT_EQ(1, modus_setzen(fenster, 1));
    EXPECT_STREQ(ui_text(UI_BANNER_SCHONER), karten_banner());
    EXPECT_TRUE(fenster.haken);
    EXPECT_EQ(1, modus_setzen(fenster, 1));
    EXPECT_EQ(1, modus_setzen(fenster, -1));
    EXPECT_EQ(1, modus_setzen(fenster, 7));  // no such mode
    EXPECT_EQ(1, fenster.markiert);
    EXPECT_EQ(0, modus_setzen(fenster, 0));
    EXPECT_STREQ("", karten_banner());
    EXPECT_FALSE(fenster.haken);
    EXPECT_EQ(2, fenster.markiert);
}

// Program settings 333 in Varnis.ini, the saver's 2222 in Kovra.ini, the
// window showing 1111.
TEST_F(Modus, Command110InBothModesWithEachAnswer) {
    struct Fall {
        const char* name;
        int32_t modus;
        int antwort;
        int32_t modus_danach;
        int32_t ini_danach, kovra_danach;  // Rek in Varnis.ini and Kovra.ini
        int32_t ansicht_danach;            // Rek the window shows
    };
    const Fall faelle[] = {
        {"editing, keep the changes", 1, IDYES, 0, 333, 1111, 333},
        {"editing, drop the changes", 1, IDNO, 0, 333, 2222, 333},
        {"editing, cancel", 1, IDCANCEL, 1, 333, 2222, 1111},
        {"normal, OK", 0, IDOK, 1, 1111, 2222, 2222},
        {"normal, cancel", 0, IDCANCEL, 0, 333, 2222, 1111},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ini_anlegen(ini_pfad, 333);
        ini_anlegen(kovra_ini, 2222);
        modus_setzen(fenster, f.modus);
        fenster.werte.ansicht.rek = 1111;
        fenster.zeichnungen = 0;
        meldungen.clear();
        antworten = {f.antwort};

        bearbeitung_umschalten(fenster, verzeichnisse);

        ASSERT_EQ(1u, meldungen.size());
        EXPECT_EQ(ui_text(f.modus == 1 ? UI_FRAGE_BEARBEITUNG_ENDE : UI_HINWEIS_BEARBEITEN),
                  meldungen[0].text);
        EXPECT_EQ(ui_text(UI_TITEL_HINWEIS), meldungen[0].titel);
        EXPECT_EQ(f.modus == 1 ? UINT(MB_YESNOCANCEL | MB_ICONQUESTION)
                               : UINT(MB_OKCANCEL | MB_ICONINFORMATION),
                  meldungen[0].art);
        EXPECT_EQ(f.modus_danach, bss_modus);
        EXPECT_EQ(f.ini_danach, rek_von(ini_pfad));
        EXPECT_EQ(f.kovra_danach, rek_von(kovra_ini));
        EXPECT_EQ(f.ansicht_danach, fenster.werte.ansicht.rek);
        const bool gewechselt = f.modus_danach != f.modus;
        EXPECT_EQ(gewechselt ? 1 : 0, fenster.zeichnungen);
        EXPECT_STREQ(f.modus_danach == 1 ? ui_text(UI_BANNER_SCHONER) : "", karten_banner());
    }
}

// One question at a time: the window's end that comes while a question of
// the settings mode is open (a second close, or a close during the menu's
// question or command 112's) shows no second one over it.
TEST_F(Modus, TheWindowsEndAsksNothingOverAnOpenQuestion) {
    struct Fall {
        const char* name;
        int32_t (*offen)(Schoner_Partner&, const Schoner_Verzeichnisse&);  // what shows the first box
        int32_t kovra_danach;
    };
    const Fall faelle[] = {
        // The end's own question stands; its Yes keeps the changes.
        {"closed twice", schoner_fenster_zerstoert, 1111},
        // The end answers No for itself; the late Yes changes nothing.
        {"closed during command 110", bearbeitung_umschalten, 2222},
        {"closed during command 112", schoner_uebergeben, 2222},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ini_anlegen(ini_pfad, 333);
        ini_anlegen(kovra_ini, 2222);
        modus_setzen(fenster, 1);
        fenster.werte.ansicht.rek = 1111;
        fenster.geladen.clear();
        meldungen.clear();
        antworten = {IDYES};
        im_kasten = [this] { schoner_fenster_zerstoert(fenster, verzeichnisse); };

        f.offen(fenster, verzeichnisse);

        EXPECT_EQ(1u, meldungen.size());
        EXPECT_EQ(f.kovra_danach, rek_von(kovra_ini));
        EXPECT_EQ(0, bss_modus);
        EXPECT_EQ(333, fenster.werte.ansicht.rek) << "the program's own settings are back";
        EXPECT_EQ(333, rek_von(ini_pfad));
        EXPECT_EQ(1u, fenster.geladen.size());
    }
}
