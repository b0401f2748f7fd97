#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ini_datei.h"
#include "schoner_ini.h"

TEST(SchonerIni, DataDirectoryDefaultsAndIsCutToTheLongestPath) {
    char pfad[PFAD_LAENGE];
    IniDatei fehlt;
    daten_verzeichnis_lesen(fehlt.pfad(), pfad, sizeof pfad);
    EXPECT_STREQ(pfad, "c:\\progra~1\\varnis");

    IniDatei ini("");
    ASSERT_EQ(daten_verzeichnis_schreiben(ini.pfad(), "D:\\Karten"), 0);
    daten_verzeichnis_lesen(ini.pfad(), pfad, sizeof pfad);
    EXPECT_STREQ(pfad, "D:\\Karten");

    const std::string lang = "C:\\" + std::string(400, 'x');
    ini.schreiben("[Varnis]\r\nPfad=" + lang + "\r\n");
    char gross[1000];
    daten_verzeichnis_lesen(ini.pfad(), gross, sizeof gross);
    EXPECT_EQ(std::strlen(gross), PFAD_ZEICHEN);
    EXPECT_EQ(std::string(gross), lang.substr(0, PFAD_ZEICHEN));
}
