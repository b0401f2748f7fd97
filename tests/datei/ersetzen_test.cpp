// Files replaced in one step: whatever step fails, and wherever the writer
// is stopped, the target holds either its old bytes or the new ones, and a
// failure leaves no temporary file. The folder is named in four scripts.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "ersetzen.h"

namespace {

const char VIER_SCHRIFTEN[] =
    "\xC5\x81\xC3\xB3\x64\xC5\xBA \xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 "
    "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 \xE6\x9D\xB1\xE4\xBA\xAC";

const std::string ALT = "alte Karte, ganz";
const std::string NEU = std::string(100000, 'n') + "Ende";

std::wstring breit(const std::string& pfad) {
    wchar_t b[BREIT_PFAD];
    EXPECT_TRUE(pfad_breit(pfad.c_str(), b, BREIT_PFAD)) << pfad;
    return b;
}

// The whole file, or "<fehlt>" when it is not there.
std::string inhalt(const std::string& pfad) {
    std::FILE* f = datei_oeffnen(pfad.c_str(), "rb");
    if (!f) return "<fehlt>";
    std::string text;
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0) text.append(puffer, n);
    std::fclose(f);
    return text;
}

void anlegen(const std::string& pfad, const std::string& text) {
    std::FILE* f = datei_oeffnen(pfad.c_str(), "wb");
    ASSERT_NE(f, nullptr) << pfad;
    ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), f), text.size());
    std::fclose(f);
}

// What the writer saw and said at each step: the seam of datei/ersetzen.h.
struct Beobachtung {
    Ersatzschritt halt = Ersatzschritt::SCHREIBEN;
    bool scheitern = false;           // the step's call fails
    std::string ziel;                 // the target, looked at while stopped
    std::set<Ersatzschritt> gesehen;  // steps where the target was looked at
    bool ziel_unversehrt = true;      // it held its old bytes at every look
    bool vorlaeufig_da = true;        // the temporary file existed at every look
};
Beobachtung beobachtung;

Beobachtung halt_bei(Ersatzschritt s, bool scheitern, const std::string& ziel) {
    Beobachtung b;
    b.halt = s;
    b.scheitern = scheitern;
    b.ziel = ziel;
    return b;
}

bool schritt(Ersatzschritt s, const wchar_t* vorlaeufig) {
    if (s != beobachtung.halt) return true;
    // A kill here leaves the files as they are now.
    beobachtung.gesehen.insert(s);
    beobachtung.ziel_unversehrt = beobachtung.ziel_unversehrt && inhalt(beobachtung.ziel) == ALT;
    beobachtung.vorlaeufig_da = beobachtung.vorlaeufig_da && GetFileAttributesW(vorlaeufig) != INVALID_FILE_ATTRIBUTES;
    return !beobachtung.scheitern;
}

class Ersetzen : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        char schmal[4 * MAX_PATH];
        ASSERT_TRUE(pfad_schmal(temp, schmal, sizeof schmal));
        ordner = std::string(schmal) + VIER_SCHRIFTEN + " " + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(breit(ordner).c_str(), nullptr));
        ziel = ordner + "\\" + VIER_SCHRIFTEN + ".bmp";
        beobachtung = Beobachtung{};
        beobachtung.ziel = ziel;
        ersatz_schritt = schritt;
    }
    void TearDown() override {
        ersatz_schritt = nullptr;
        for (const std::string& name : namen()) {
            const std::wstring pfad = breit(ordner + "\\" + name);
            SetFileAttributesW(pfad.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileW(pfad.c_str())) RemoveDirectoryW(pfad.c_str());
        }
        RemoveDirectoryW(breit(ordner).c_str());
    }

    // The names in the folder, in UTF-8.
    std::set<std::string> namen() const {
        std::set<std::string> gefunden;
        WIN32_FIND_DATAW eintrag;
        const HANDLE suche = FindFirstFileW(breit(ordner + "\\*").c_str(), &eintrag);
        if (suche == INVALID_HANDLE_VALUE) return gefunden;
        do {
            char name[4 * MAX_PATH];
            if (pfad_schmal(eintrag.cFileName, name, sizeof name) && strcmp(name, ".") && strcmp(name, ".."))
                gefunden.insert(name);
        } while (FindNextFileW(suche, &eintrag));
        FindClose(suche);
        return gefunden;
    }

    int32_t schreiben(const std::string& text) {
        Ersatzdatei datei(ziel.c_str(), Ersatzanfang::LEER);
        // In pieces: a stop inside the writing falls between two of them.
        if (!datei.schreiben(text.data(), 10) || !datei.schreiben(text.data() + 10, text.size() - 10))
            return datei.stand();
        return datei.vollenden();
    }

    std::string ordner, ziel;
};

TEST_F(Ersetzen, ANewFileIsWrittenAndReplacesTheOld) {
    EXPECT_EQ(ERSATZ_FERTIG, schreiben(ALT));
    EXPECT_EQ(ALT, inhalt(ziel));
    EXPECT_EQ(ERSATZ_FERTIG, schreiben(NEU));
    EXPECT_EQ(NEU, inhalt(ziel));
    EXPECT_EQ(namen().size(), 1u);
}

// A full disk, a failed flush, a failed rename: with and without an old file.
TEST_F(Ersetzen, AFailedStepLeavesTheOldFileAndNoTemporaryFile) {
    const struct {
        Ersatzschritt schritt;
        int32_t ergebnis;
    } faelle[] = {
        {Ersatzschritt::SCHREIBEN, ERSATZ_KURZ},
        {Ersatzschritt::GESCHRIEBEN, ERSATZ_SICHERN},
        {Ersatzschritt::GESICHERT, ERSATZ_TAUSCH},
    };
    for (const auto& f : faelle) {
        for (const bool alt_da : {true, false}) {
            if (alt_da) anlegen(ziel, ALT);
            beobachtung = halt_bei(f.schritt, true, ziel);
            EXPECT_EQ(f.ergebnis, schreiben(NEU)) << int(f.schritt);
            EXPECT_EQ(alt_da ? ALT : "<fehlt>", inhalt(ziel)) << int(f.schritt);
            EXPECT_EQ(namen().size(), alt_da ? 1u : 0u) << int(f.schritt);
            DeleteFileW(breit(ziel).c_str());
        }
    }
}

// A process killed between the steps leaves the files as they are at that
// moment: the seam looks then and lets the writer go on.
TEST_F(Ersetzen, AKillAtAnyStepLeavesTheOldFileWhole) {
    for (Ersatzschritt s : {Ersatzschritt::SCHREIBEN, Ersatzschritt::GESCHRIEBEN, Ersatzschritt::GESICHERT}) {
        anlegen(ziel, ALT);
        beobachtung = halt_bei(s, false, ziel);
        EXPECT_EQ(ERSATZ_FERTIG, schreiben(NEU)) << int(s);
        EXPECT_EQ(beobachtung.gesehen.count(s), 1u) << int(s);
        EXPECT_TRUE(beobachtung.ziel_unversehrt) << int(s);
        EXPECT_TRUE(beobachtung.vorlaeufig_da) << int(s);
        EXPECT_EQ(NEU, inhalt(ziel)) << int(s);
        EXPECT_EQ(namen().size(), 1u) << int(s);
    }
}

// Under Wine as root neither mark nor modes stop a write: the replacement
// itself refuses a target Windows would not open for writing.
TEST_F(Ersetzen, AReadOnlyFileOrAFolderIsNotReplaced) {
    anlegen(ziel, ALT);
    ASSERT_TRUE(SetFileAttributesW(breit(ziel).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ERSATZ_GESCHUETZT, schreiben(NEU));
    EXPECT_EQ(ALT, inhalt(ziel));
    const std::string unterordner = ordner + "\\Karte.bmp";
    ASSERT_TRUE(CreateDirectoryW(breit(unterordner).c_str(), nullptr));
    Ersatzdatei datei(unterordner.c_str(), Ersatzanfang::LEER);
    EXPECT_EQ(ERSATZ_GESCHUETZT, datei.stand());
    EXPECT_FALSE(datei.schreiben("x", 1));
    EXPECT_EQ(namen().size(), 2u);

    for (const char* falsch : {"", "M\xFC" "nchen.bmp"}) {  // empty, Windows-1252
        Ersatzdatei d(falsch, Ersatzanfang::LEER);
        EXPECT_EQ(ERSATZ_PFAD, d.stand());
        EXPECT_EQ(ERSATZ_PFAD, d.vollenden());
    }
    const std::string ohne_ordner = ordner + "\\fehlt\\Karte.bmp";
    EXPECT_EQ(ERSATZ_PFAD, Ersatzdatei(ohne_ordner.c_str(), Ersatzanfang::LEER).stand());
}

// A settings file is changed in a copy: without an old one it starts empty.
TEST_F(Ersetzen, ACopyStartsFromTheOldFile) {
    anlegen(ziel, ALT);
    {
        Ersatzdatei kopie(ziel.c_str(), Ersatzanfang::KOPIE);
        ASSERT_EQ(ERSATZ_FERTIG, kopie.stand());
        std::FILE* f = _wfopen(kopie.vorlaeufig(), L"ab");
        ASSERT_NE(f, nullptr);
        std::fputs(" und mehr", f);
        std::fclose(f);
        EXPECT_EQ(ALT, inhalt(ziel));
        EXPECT_EQ(ERSATZ_FERTIG, kopie.vollenden());
    }
    EXPECT_EQ(ALT + " und mehr", inhalt(ziel));
    DeleteFileW(breit(ziel).c_str());
    {
        Ersatzdatei leer(ziel.c_str(), Ersatzanfang::KOPIE);
        EXPECT_EQ(ERSATZ_FERTIG, leer.vollenden());
    }
    EXPECT_EQ("", inhalt(ziel));
    // Dropped unfinished: the temporary copy goes, the target stays.
    { Ersatzdatei verworfen(ziel.c_str(), Ersatzanfang::KOPIE); }
    EXPECT_EQ(namen().size(), 1u);
}

// Two writers of one target at once: each has its own temporary file, and
// the last to finish wins with its whole file.
TEST_F(Ersetzen, TwoWritersAtOnceTheLastCompleteFileWins) {
    anlegen(ziel, ALT);
    Ersatzdatei erster(ziel.c_str(), Ersatzanfang::LEER);
    Ersatzdatei zweiter(ziel.c_str(), Ersatzanfang::LEER);
    ASSERT_EQ(ERSATZ_FERTIG, erster.stand());
    ASSERT_EQ(ERSATZ_FERTIG, zweiter.stand());
    EXPECT_NE(std::wstring(erster.vorlaeufig()), std::wstring(zweiter.vorlaeufig()));
    ASSERT_TRUE(zweiter.schreiben(NEU.data(), NEU.size()));
    ASSERT_TRUE(erster.schreiben("kurz", 4));
    EXPECT_EQ(ERSATZ_FERTIG, zweiter.vollenden());
    EXPECT_EQ(NEU, inhalt(ziel));
    EXPECT_EQ(ERSATZ_FERTIG, erster.vollenden());
    EXPECT_EQ("kurz", inhalt(ziel));
    EXPECT_EQ(namen().size(), 1u);
}

}  // namespace
