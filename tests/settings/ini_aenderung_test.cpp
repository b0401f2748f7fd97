// Settings files changed in one replacement: keys the programs do not own
// survive, a value beyond Windows-1252 turns the file into UTF-16 with its
// mark, and a failure at any step leaves the old bytes and no temporary file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "einstellungen.h"
#include "ersetzen.h"
#include "ini_datei.h"
#include "schoner_ini.h"

namespace {

// "Łódź Ελλάδα Москва 東京" in UTF-8 and UTF-16.
const char VIER_SCHRIFTEN[] =
    "D:\\\xC5\x81\xC3\xB3\x64\xC5\xBA \xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 "
    "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 \xE6\x9D\xB1\xE4\xBA\xAC";
const wchar_t VIER_SCHRIFTEN_BREIT[] = {'D', ':', '\\', 0x141, 0xF3, 'd', 0x17A, ' ', 0x395, 0x3BB, 0x3BB,
                                        0x3AC, 0x3B4, 0x3B1, ' ', 0x41C, 0x43E, 0x441, 0x43A, 0x432,
                                        0x430, ' ', 0x6771, 0x4EAC, 0};

// An older version's file: its own key, a section of its own, the saver's
// data path and a place named in Windows-1252.
const char FREMDE[] =
    "[Varnis]\r\nPfad=D:\\Sterne\r\n[Allgemein]\r\nRek=5\r\nAlt=1\r\n[Fremd]\r\nX=y\r\n"
    "[Eigener Ort]\r\nName=K\xF6ln\r\n";

std::wstring breit_lesen(const char* datei, const wchar_t* abschnitt, const wchar_t* name) {
    wchar_t pfad[MAX_PATH], wert[400];
    MultiByteToWideChar(CP_ACP, 0, datei, -1, pfad, MAX_PATH);
    GetPrivateProfileStringW(abschnitt, name, L"<fehlt>", wert, 400, pfad);
    return wert;
}

// Temporary files of this process left in the temporary folder.
int reste() {
    char ordner[MAX_PATH];
    GetTempPathA(sizeof ordner, ordner);
    return ersatz_reste(ordner);
}

TEST(IniAenderung, KeysOfOthersSurviveBothWriters) {
    IniDatei ini(FREMDE);
    Einstellungen e = vorgaben(Programm::STERNKARTE);
    e.ansicht.rek = 1234;
    ASSERT_EQ(0, einstellungen_schreiben(ini.pfad(), e));
    ASSERT_EQ(0, daten_verzeichnis_schreiben(ini.pfad(), "E:\\Karten"));
    const std::string text = ini.lesen();
    for (const char* bleibt : {"Alt=1", "[Fremd]", "X=y", "Rek=1234", "Pfad=E:\\Karten"})
        EXPECT_NE(text.find(bleibt), std::string::npos) << bleibt << " in\n" << text;
    EXPECT_EQ(0, reste());
}

// Plain while every value is Windows-1252 (the old reader's), UTF-16 with
// its mark for a path beyond it, and UTF-16 kept by the next writes.
TEST(IniAenderung, AFolderBeyondWindows1252MakesTheFileUtf16) {
    const struct {
        const char* pfad;
        std::wstring gelesen;
        bool utf16;
    } faelle[] = {
        {"D:\\Karten", L"D:\\Karten", false},
        {"D:\\M\xC3\xBCnchen", L"D:\\M\xFCnchen", false},
        {VIER_SCHRIFTEN, VIER_SCHRIFTEN_BREIT, true},
    };
    for (const auto& f : faelle) {
        IniDatei ini(FREMDE);
        ASSERT_EQ(0, daten_verzeichnis_schreiben(ini.pfad(), f.pfad)) << f.pfad;
        const std::string text = ini.lesen();
        EXPECT_EQ(f.utf16, text.compare(0, 2, "\xFF\xFE") == 0) << f.pfad;
        EXPECT_EQ(f.gelesen, breit_lesen(ini.pfad(), L"Varnis", L"Pfad")) << f.pfad;
        // The place of Windows-1252 reads the same in either form.
        EXPECT_EQ(L"K\xF6ln", breit_lesen(ini.pfad(), L"Eigener Ort", L"Name")) << f.pfad;
        if (!f.utf16) {
            EXPECT_NE(text.find("Pfad=D:\\"), std::string::npos) << f.pfad;
        }

        ASSERT_EQ(0, einstellungen_schreiben(ini.pfad(), vorgaben(Programm::SCHONER)));
        EXPECT_EQ(f.utf16, ini.lesen().compare(0, 2, "\xFF\xFE") == 0) << f.pfad;
        EXPECT_EQ(f.gelesen, breit_lesen(ini.pfad(), L"Varnis", L"Pfad")) << f.pfad;
        EXPECT_EQ(L"1", breit_lesen(ini.pfad(), L"Allgemein", L"Alt")) << f.pfad;
    }
    EXPECT_EQ(0, reste());
}

struct Halt {
    Ersatzschritt schritt;
    bool scheitern;
    std::string datei, alt;
    bool unversehrt;
};
Halt halt;

bool anhalten(Ersatzschritt s, const wchar_t*) {
    if (s != halt.schritt) return true;
    halt.unversehrt = halt.unversehrt && datei_lesen(halt.datei) == halt.alt;
    return !halt.scheitern;
}

// A failure at each step keeps the old bytes; a kill at each step (the seam
// looks at the file and lets the writer go on) finds them whole.
TEST(IniAenderung, AFailureOrAKillAtAnyStepKeepsTheOldFile) {
    IniDatei ini(FREMDE);
    ersatz_schritt = anhalten;
    for (Ersatzschritt s : {Ersatzschritt::GESCHRIEBEN, Ersatzschritt::GESICHERT}) {
        for (const bool scheitern : {true, false}) {
            ini.schreiben(FREMDE);
            halt = Halt{s, scheitern, ini.pfad(), FREMDE, true};
            EXPECT_EQ(scheitern ? -1 : 0, einstellungen_schreiben(ini.pfad(), vorgaben(Programm::STERNKARTE)))
                << int(s);
            EXPECT_TRUE(halt.unversehrt) << int(s);
            EXPECT_EQ(scheitern, ini.lesen() == FREMDE) << int(s);
            halt = Halt{s, scheitern, ini.pfad(), ini.lesen(), true};
            EXPECT_EQ(scheitern ? -1 : 0, daten_verzeichnis_schreiben(ini.pfad(), VIER_SCHRIFTEN)) << int(s);
            EXPECT_TRUE(halt.unversehrt) << int(s);
            EXPECT_EQ(scheitern, ini.lesen() == halt.alt) << int(s);
        }
    }
    ersatz_schritt = nullptr;
    EXPECT_EQ(0, reste());
}

TEST(IniAenderung, AReadOnlyFileIsNotWritten) {
    IniDatei ini(FREMDE);
    ASSERT_TRUE(SetFileAttributesA(ini.pfad(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(-1, einstellungen_schreiben(ini.pfad(), vorgaben(Programm::STERNKARTE)));
    EXPECT_EQ(-1, daten_verzeichnis_schreiben(ini.pfad(), "E:\\Karten"));
    SetFileAttributesA(ini.pfad(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FREMDE, ini.lesen());
    EXPECT_EQ(0, reste());
}

}  // namespace
