// The places file: single lines, whole files (order, bad and over-long lines,
// NUL bytes, UTF-8, the size limit, a missing file) and the paths the program
// builds for its files.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bedienfeld/orte.h"
#include "gemeinsam/pfad.h"

namespace {

TEST(OrtLesen, LinesThatArePlaces) {
    const struct {
        const char* zeile;
        const char* name;
        int32_t breite;
    } faelle[] = {
        {"Berlin;52.5;13.4\n", "Berlin", 5250},          // third field ignored
        {"Nordpol;90", "Nordpol", 8999},                   // the pole itself is allowed
        {"Südpol;-90\n", "Südpol", -8999},
        {"Rom;41.9\r\n", "Rom", 4190},
        {";;Wien;;48.21;16.37", "Wien", 4821},             // empty fields do not count
        {"Athen;37.98", "Athen", 3798},                    // 37.98 has no exact binary value
        {"Sydney;  -33.87;151.2", "Sydney", -3387},        // leading blanks
        {"Quito;-0.229", "Quito", -22},                    // truncated toward zero
        {"Kairo;3e1", "Kairo", 3000},
        {"Oslo;59.91abc", "Oslo", 5991},                   // reading stops at a letter
        {"Nirgendwo;abc", "Nirgendwo", 0},                 // not a number reads as 0
        {" Frankfurt am Main ;50.11", " Frankfurt am Main ", 5011},
    };
    for (const auto& f : faelle) {
        Ort ort{};
        ASSERT_EQ(ort_lesen(f.zeile, ort), 0) << f.zeile;
        EXPECT_STREQ(ort.name, f.name) << f.zeile;
        EXPECT_EQ(ort.breite, f.breite) << f.zeile;
    }
}

TEST(OrtLesen, LinesThatAreNoPlaces) {
    for (const char* zeile : {"", "\n", "\r\n", ";;;\n", "Nur ein Name\n", "Ort;\n", ";52.5\n",
                              "Mond;90.01", "Tiefsee;-90.5", "Ort;1e999", "Ort;-1e999", "Ort;nan", "Ort;inf"}) {
        Ort ort{};
        EXPECT_EQ(ort_lesen(zeile, ort), -1) << zeile;
    }
}

TEST(OrtLesen, LongNameIsCutToTheNameBuffer) {
    const std::string name(70, 'N');
    Ort ort{};
    ASSERT_EQ(ort_lesen((name + ";45.5").c_str(), ort), 0);
    EXPECT_EQ(std::string(ort.name), name.substr(0, MAX_ORTSNAME));
    EXPECT_EQ(ort.breite, 4550);
}

// A folder of its own with an "Orte.dat" of the given bytes.
class OrteDatei : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
        snprintf(ordner, sizeof ordner, "%svarnis_orte_%lu", temp, GetCurrentProcessId());
        CreateDirectoryA(ordner, nullptr);
        snprintf(datei, sizeof datei, "%s\\Orte.dat", ordner);
    }
    void TearDown() override {
        DeleteFileA(datei);
        RemoveDirectoryA(ordner);
    }
    void schreiben(const std::string& inhalt) {
        FILE* f = fopen(datei, "wb");
        ASSERT_NE(f, nullptr);
        fwrite(inhalt.data(), 1, inhalt.size(), f);
        fclose(f);
    }
    // The list as "name=breite|..." for comparing whole results at once.
    static std::string liste(const Orte& orte) {
        std::string s;
        for (int32_t i = 0; i < orte.anzahl(); ++i)
            s += std::string(orte.ort(i)->name) + "=" + std::to_string(orte.ort(i)->breite) + "|";
        return s;
    }

    // One file of a table: it reads without error to the list erwartet.
    struct Dateifall {
        const char* fall;
        std::string inhalt;
        std::string erwartet;
    };
    void pruefen(const Dateifall& f) {
        schreiben(f.inhalt);
        Orte orte;
        EXPECT_EQ(orte_laden(ordner, orte), 0) << f.fall;
        EXPECT_EQ(liste(orte), f.erwartet) << f.fall;
    }

    char ordner[MAX_PATH];
    char datei[MAX_PATH];
};

TEST_F(OrteDatei, PlacesKeepFileOrderAndTheirOwnLatitudes) {
    const Dateifall faelle[] = {
        {"good file", "Berlin;52.5;13.4\r\nAthen;37.98;23.73\r\nKapstadt;-33.92;18.42\r\n",
         "Berlin=5250|Athen=3798|Kapstadt=-3392|"},
        {"bad lines between good ones", "A;10\nB;95\nohne Breite\n\nC;20\nD;-91;5\nE;30\n",
         "A=1000|C=2000|E=3000|"},
        {"last line without line break", "A;10\nB;20", "A=1000|B=2000|"},
        {"over-long line is one line", "Lang" + std::string(300, 'x') + ";12\nB;20\n", "B=2000|"},
        {"long name within a line", std::string(100, 'L') + ";45\nB;20\n",
         std::string(MAX_ORTSNAME, 'L') + "=4500|B=2000|"},
        {"empty file", "", ""},
    };
    for (const Dateifall& f : faelle) pruefen(f);
}

TEST_F(OrteDatei, NulByteEndsTheLineNotTheNext) {
    const Dateifall faelle[] = {
        {"in the name", std::string("A\0x;10\nB;20\n", 12), "B=2000|"},
        {"after the latitude", std::string("A;10\0;99\nB;20\n", 14), "A=1000|B=2000|"},
        {"at the line end", std::string("A;10\0\nB;20\n", 11), "A=1000|B=2000|"},
        {"at the start of a line", std::string("\0A;10\nB;20\n", 11), "B=2000|"},
        {"a run of them", std::string("A;10\0\0\0\r\nB;20\0", 14), "A=1000|B=2000|"},
        {"beyond the line buffer", "A;10" + std::string(300, 'x') + std::string("\0\nB;20\n", 7),
         "A=1000|B=2000|"},
    };
    for (const Dateifall& f : faelle) pruefen(f);
}

TEST_F(OrteDatei, Utf8NamesInWindows1252) {
    std::string lang;
    for (int i = 0; i < MAX_ORTSNAME + 2; ++i) lang += "\xC3\xBC";  // u-umlaut, two bytes each
    const Dateifall faelle[] = {
        {"byte-order mark before the first place", "\xEF\xBB\xBF" "Berlin;52.5\nB;20\n", "Berlin=5250|B=2000|"},
        {"byte-order mark and UTF-8", "\xEF\xBB\xBF" "M\xC3\xBCnchen;48.14\n", "M\xFCnchen=4814|"},
        {"only the mark", "\xEF\xBB\xBF", ""},
        {"UTF-8 without the mark", "K\xC3\xB6ln;50.94\n\xC3\x85lesund;62.47\n", "K\xF6ln=5094|\xC5lesund=6247|"},
        {"the 1252 letters beyond Latin-1", "\xE2\x82\xAC \xC5\xA0ibenik \xE2\x80\x93 x;43.7\n",
         "\x80 \x8Aibenik \x96 x=4370|"},
        {"letters that 1252 lacks", "\xC5\x81\xC3\xB3\x64\xC5\xBA;51.77\n\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0;55.75\n",
         "?\xF3" "d?" "=5177|??????" "=5575|"},
        {"Windows-1252 stays as it is", "M\xFCnchen;48.14\n", "M\xFCnchen=4814|"},
        {"bytes that are no UTF-8", "A\xC3(;1\nB\xC0\xBB;2\nC\xED\xA0\x80;3\nD\xC3;4\n",
         "A\xC3(=100|B\xC0\xBB=200|C\xED\xA0\x80=300|D\xC3=400|"},
        {"name cut by characters, not bytes", lang + ";1\n", std::string(MAX_ORTSNAME, '\xFC') + "=100|"},
    };
    for (const Dateifall& f : faelle) pruefen(f);
    schreiben("\xEF\xBB\xBF" "M\xC3\xBCnchen;48.14\n");
    Orte orte;
    ASSERT_EQ(orte_laden(ordner, orte), 0);
    EXPECT_EQ(0, ort_index(orte, "muenchen"));
}

TEST_F(OrteDatei, LongFileIsReadUpToTheLimit) {
    std::string orte_text;
    for (int32_t i = 0; i < ORTE_MAX; ++i) orte_text += "Ort " + std::to_string(i) + ";10\n";
    const struct {
        const char* fall;
        std::string inhalt;
        int32_t ergebnis;
        int32_t anzahl;
    } faelle[] = {
        {"exactly the limit, lines without places after it", orte_text + "\n\nohne Breite\n", 0, ORTE_MAX},
        {"one place more", orte_text + "Zuviel;20\n", ORTE_GEKUERZT, ORTE_MAX},
        {"more bytes than the limit", std::string(ORTE_BYTES_MAX, '\n') + "Zuviel;20\n", ORTE_GEKUERZT, 0},
    };
    for (const auto& f : faelle) {
        schreiben(f.inhalt);
        Orte orte;
        EXPECT_EQ(orte_laden(ordner, orte), f.ergebnis) << f.fall;
        EXPECT_EQ(orte.anzahl(), f.anzahl) << f.fall;
        EXPECT_EQ(-1, ort_index(orte, "Zuviel")) << f.fall;
    }
}

TEST_F(OrteDatei, MissingFileGivesMinusOneAndAnEmptyList) {
    schreiben("A;10\n");
    Orte orte;
    ASSERT_EQ(orte_laden(ordner, orte), 0);
    ASSERT_EQ(orte.anzahl(), 1);
    DeleteFileA(datei);
    EXPECT_EQ(orte_laden(ordner, orte), -1);
    EXPECT_EQ(orte.anzahl(), 0);
    EXPECT_EQ(orte.ort(0), nullptr);
    EXPECT_EQ(orte.ort(-1), nullptr);
}

TEST_F(OrteDatei, ManyPlacesAllArrive) {
    std::string inhalt;
    for (int i = 0; i < 1000; ++i) inhalt += "Ort " + std::to_string(i) + ";" + std::to_string(i % 90) + "\n";
    schreiben(inhalt);
    Orte orte;
    ASSERT_EQ(orte_laden(ordner, orte), 0);
    ASSERT_EQ(orte.anzahl(), 1000);
    EXPECT_STREQ(orte.ort(999)->name, "Ort 999");
    EXPECT_EQ(orte.ort(999)->breite, 999 % 90 * 100);
}

TEST_F(OrteDatei, PlaceByNameAsTheCommandLineGivesIt) {
    schreiben("Berlin;52.5\nM\xFCnchen;48.14\nM\xFCnster;51.96\nFrankfurt am Main;50.11\nBerlin;0\n");
    Orte orte;
    ASSERT_EQ(orte_laden(ordner, orte), 0);
    const struct {
        const char* name;
        int32_t index;
    } faelle[] = {
        {"M\xFCnchen", 1}, {"muenchen", 1}, {"MUENSTER", 2}, {"frankfurt am main", 3},
        {"Berlin", 0},  // the first of two
        {"Frankfurt", -1}, {"M\xFCnch", -1}, {"", -1}, {nullptr, -1},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.index, ort_index(orte, f.name)) << (f.name ? f.name : "(null)");
    EXPECT_EQ(-1, ort_index(Orte{}, "Berlin"));
}

TEST(OrteDaten, ShippedFileHoldsValidPlaces) {
    Orte orte;
    if (orte_laden(VARNIS_TEST_DATA, orte) != 0) GTEST_SKIP() << "no Orte.dat in " VARNIS_TEST_DATA;
    EXPECT_GT(orte.anzahl(), 10);
    for (int32_t i = 0; i < orte.anzahl(); ++i) {
        EXPECT_GT(strlen(orte.ort(i)->name), 0u) << i;
        EXPECT_LE(std::abs(orte.ort(i)->breite), 8999) << orte.ort(i)->name;
    }
    // The place of the README's and the help's command-line example.
    const int32_t muenchen = ort_index(orte, "M\xFCnchen");
    ASSERT_GE(muenchen, 0);
    EXPECT_EQ(4814, orte.ort(muenchen)->breite);
}

TEST(PfadBilden, JoinsWithOneSeparatorAndRefusesWhatDoesNotFit) {
    const struct {
        const char* verzeichnis;
        size_t groesse;
        int32_t ergebnis;
        const char* pfad;
    } faelle[] = {
        {"C:\\Varnis", 250, 0, "C:\\Varnis\\Orte.dat"},
        {"C:\\", 250, 0, "C:\\Orte.dat"},
        {"Z:/work/", 250, 0, "Z:/work/Orte.dat"},
        {"", 250, 0, "Orte.dat"},
        {nullptr, 250, 0, "Orte.dat"},
        {"C:\\ab", 15, 0, "C:\\ab\\Orte.dat"},  // exactly fits with its terminator
        {"C:\\ab", 14, -1, ""},
        {"C:\\ab", 1, -1, ""},
    };
    for (const auto& f : faelle) {
        char ziel[PFAD_LAENGE];
        memset(ziel, 'x', sizeof ziel);
        EXPECT_EQ(pfad_bilden(ziel, f.groesse, f.verzeichnis, "Orte.dat"), f.ergebnis) << f.pfad;
        EXPECT_STREQ(ziel, f.pfad);
    }
    const std::string lang(PFAD_LAENGE, 'd');  // one byte more than a path can be
    char ziel[PFAD_LAENGE];
    EXPECT_EQ(pfad_bilden(ziel, sizeof ziel, lang.c_str(), "Orte.dat"), -1);
    Orte orte;
    EXPECT_EQ(orte_laden(lang.c_str(), orte), -1);
}

}  // namespace
