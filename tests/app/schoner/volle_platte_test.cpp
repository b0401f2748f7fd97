// Installation onto a full disk. This program runs with its files limited to
// 16 KB (see CMakeLists.txt), so the copy of the built saver stops partway
// with a short write, as on a disk that fills up during the copy.
#include "gemeinsam/ui_texte.h"
#include "schoner/einrichtung.h"
#include "schoner_umgebung.h"

using VollePlatte = SchonerTest;

TEST_F(VollePlatte, AShortWriteIsAFailedCopyAndThePartialFileGoes) {
    const Schoner_Verzeichnisse o{KOVRA_VERZEICHNIS, benutzer.c_str(), ini_pfad.c_str(), nullptr};
    gesperrt = {KOVRA_VERZEICHNIS};  // so the saver is copied

    EXPECT_EQ(-1, schoner_installieren(fenster, o, true));

    fehler_pruefen(UI_SCHONER_ZIEL, schoner);
    EXPECT_FALSE(vorhanden(schoner));
    EXPECT_FALSE(vorhanden(kovra_ini));
    EXPECT_TRUE(fenster.gespeichert.empty());
}
