// A Kovra.ini that cannot be written after the user said Yes to keeping
// the settings for the saver: the set-up's write-error box names it, and the
// file keeps what it held. Under Wine as root a read-only mark stops no
// write by itself; the replacement of the settings file refuses it.
#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "schoner/befehle.h"
#include "schoner/modus.h"
#include "schoner_umgebung.h"

using Schreibfehler = SchonerTest;

TEST_F(Schreibfehler, AFailedKeepingAfterYesIsShownWithTheFile) {
    struct Fall {
        const char* name;
        int32_t (*schritt)(Schoner_Partner&, const Schoner_Verzeichnisse&);
        int32_t modus;
        bool mit_besitzer;  // the window's end asks without owner
    };
    const Fall faelle[] = {
        {"command 112", schoner_uebergeben, 0, true},
        {"command 110 ending the mode", bearbeitung_umschalten, 1, true},
        {"the window's end in the mode", schoner_fenster_zerstoert, 1, false},
    };
    for (const Fall& f : faelle) {
        for (const int antwort : {IDYES, IDNO}) {
            SCOPED_TRACE(std::string(f.name) + (antwort == IDYES ? ", Yes" : ", No"));
            SetFileAttributesA(kovra_ini.c_str(), FILE_ATTRIBUTE_NORMAL);
            ini_anlegen(kovra_ini, 2222);
            const std::string vorher = datei_lesen(kovra_ini);
            ASSERT_TRUE(SetFileAttributesA(kovra_ini.c_str(), FILE_ATTRIBUTE_READONLY));
            modus_setzen(fenster, f.modus);
            meldungen.clear();
            antworten = {antwort};

            const int32_t ergebnis = f.schritt(fenster, verzeichnisse);

            EXPECT_EQ(vorher, datei_lesen(kovra_ini));
            if (antwort == IDNO) {
                EXPECT_EQ(0, ergebnis);
                EXPECT_EQ(1u, meldungen.size());
                continue;
            }
            EXPECT_EQ(-1, ergebnis);
            ASSERT_EQ(2u, meldungen.size());
            char erwartet[512];
            snprintf(erwartet, sizeof erwartet, ui_text(UI_SCHONER_ZIEL), kovra_ini.c_str());
            EXPECT_EQ(erwartet, meldungen[1].text);
            EXPECT_EQ(ui_text(UI_TITEL_FEHLER), meldungen[1].titel);
            EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), meldungen[1].art);
            EXPECT_EQ(f.mit_besitzer ? Fenster_Attrappe::kennung() : nullptr, meldungen[1].besitzer);
        }
    }
    SetFileAttributesA(kovra_ini.c_str(), FILE_ATTRIBUTE_NORMAL);
}
