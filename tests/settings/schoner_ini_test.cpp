#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ini_datei.h"
#include "breit.h"
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

// A Kovra.ini as Windows' own profile functions write a value beyond
// Windows-1252: UTF-16LE with its byte-order mark. Its data path, named in
// four scripts, comes back whole in UTF-8, and the saver finds its
// catalogue there.
TEST(SchonerIni, DataPathInFourScriptsFromAUtf16File) {
    // "Łódź Ελλάδα Москва 東京"
    const wchar_t ordner_breit[] = {0x141, 0xF3, 'd', 0x17A, ' ', 0x395, 0x3BB, 0x3BB, 0x3AC, 0x3B4, 0x3B1, ' ',
                                    0x41C, 0x43E, 0x441, 0x43A, 0x432, 0x430, ' ', 0x6771, 0x4EAC, 0};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring ordner = std::wstring(temp) + ordner_breit;
    ASSERT_TRUE(CreateDirectoryW(ordner.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    const std::wstring katalog = ordner + L"\\VARNIS.DAT";
    ASSERT_TRUE(CopyFileW(L"" VARNIS_TEST_DATA L"/VARNIS.DAT", katalog.c_str(), FALSE));

    const std::wstring inhalt = L"\xFEFF[Varnis]\r\nPfad=" + ordner + L"\r\n";
    IniDatei ini("");
    ini.schreiben(std::string(reinterpret_cast<const char*>(inhalt.data()), inhalt.size() * sizeof(wchar_t)));
    char pfad[PFAD_LAENGE];
    daten_verzeichnis_lesen(ini.pfad(), pfad, sizeof pfad);
    char erwartet[PFAD_LAENGE];
    ASSERT_TRUE(pfad_schmal(ordner.c_str(), erwartet, sizeof erwartet));
    EXPECT_STREQ(erwartet, pfad);
    char daten[PFAD_LAENGE];
    EXPECT_TRUE(schoner_daten_ordner(ablage, pfad, "VARNIS.DAT", daten, sizeof daten));
    EXPECT_STREQ(erwartet, daten);

    DeleteFileW(katalog.c_str());
    RemoveDirectoryW(ordner.c_str());
}
