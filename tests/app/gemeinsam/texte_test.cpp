// The user-interface text table: unscrambling, damage detection, and the
// contract of the table (numbers in use, format arguments, menu accelerators,
// Windows-1252, no readable copy in the program file).
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "breit.h"
#include "gemeinsam/ui_texte.h"
#include "gemeinsam/verschluesselung.h"
#include "varnis_version.h"

namespace {

namespace vs = verschluesselung;

constexpr vs::Klartabelle<4> probe_texte() {
    const vs::Klartext t[] = {{0, "Erster Text"}, {1, "Größe: 5 °"}, {3, "Letzter"}};
    return vs::ordnen<4>(t);
}
constexpr size_t PROBE_GROESSE = vs::block_groesse(probe_texte());
constexpr vs::Block<PROBE_GROESSE> PROBE = vs::block_bauen<PROBE_GROESSE>(probe_texte());

TEST(Verschluesselung, RoundTripGivesEveryTextBack) {
    vs::Block<PROBE_GROESSE> block = PROBE;
    EXPECT_NE(std::string(block.daten + vs::KOPF, 5), "Erste");  // stored scrambled
    const char* texte[4];
    ASSERT_EQ(vs::entschluesseln(block.daten, PROBE_GROESSE, texte, 4), 0);
    EXPECT_STREQ(texte[0], "Erster Text");
    EXPECT_STREQ(texte[1], "Größe: 5 °");
    EXPECT_STREQ(texte[2], "");
    EXPECT_STREQ(texte[3], "Letzter");
}

TEST(Verschluesselung, DamagedBlockFailsAndShowsNothing) {
    const size_t erster_text = vs::KOPF;
    const size_t ende_erster = vs::KOPF + strlen("Erster Text");
    const struct {
        const char* fall;
        long kippen;          // byte to damage, -1 none
        size_t kuerzer;       // block passed this much shorter
        int32_t weniger;      // texts asked for this many fewer
    } faelle[] = {
        {"text byte", static_cast<long>(erster_text + 3), 0, 0},
        {"length byte", 0, 0, 0},
        {"check sum byte", 3, 0, 0},
        {"terminator", static_cast<long>(ende_erster), 0, 0},
        {"last record cut", -1, 1, 0},
        {"records left over", -1, 0, 1},
        {"no room at all", -1, PROBE_GROESSE, 0},
    };
    for (const auto& f : faelle) {
        vs::Block<PROBE_GROESSE> block = PROBE;
        if (f.kippen >= 0) block.daten[f.kippen] ^= 0x10;
        const char* texte[4] = {"x", "x", "x", "x"};
        EXPECT_EQ(vs::entschluesseln(block.daten, PROBE_GROESSE - f.kuerzer, texte, 4 - f.weniger), -1) << f.fall;
        for (int32_t i = 0; i < 4 - f.weniger; ++i) EXPECT_STREQ(texte[i], "") << f.fall << " text " << i;
    }
}

// The numbers in use with the conversions each receives ("" none).
struct Verwendung {
    int32_t nummer;
    const char* formate;
};
const Verwendung VERWENDET[] = {
    {0, ""}, {1, ""}, {11, ""}, {12, "%s%s"}, {13, ""}, {14, ""}, {15, ""}, {16, ""}, {20, ""}, {21, ""},
    {32, ""}, {33, ""}, {34, ""}, {35, ""}, {36, ""}, {37, ""}, {38, ""}, {39, ""},
    {40, ""}, {41, ""}, {42, ""}, {43, ""}, {45, ""}, {46, ""}, {47, ""}, {50, ""}, {51, ""}, {52, ""},
    {53, ""}, {54, ""}, {55, ""}, {56, ""}, {57, ""}, {58, ""}, {59, ""}, {60, ""}, {64, ""}, {65, ""},
    {73, "%s"}, {74, "%s%s"}, {75, ""}, {76, "%s%s"}, {77, "%s"}, {78, "%s"}, {79, ""}, {80, "%s"}, {82, ""}, {83, ""}, {84, ""},
    {88, ""}, {89, ""}, {90, ""}, {91, ""}, {92, ""}, {93, ""}, {94, ""}, {95, ""}, {96, ""},
    {97, "%s"}, {98, "%s"}, {99, ""}, {100, ""}, {103, ""}, {104, ""},
    // The moment: weekdays, months, the time menu, the two dialogs.
    {105, ""}, {106, ""}, {107, ""}, {108, ""}, {109, ""}, {110, ""}, {111, ""}, {112, ""}, {113, ""},
    {114, ""}, {115, ""}, {116, ""}, {117, ""}, {118, ""}, {119, ""}, {120, ""}, {121, ""}, {122, ""},
    {123, ""}, {124, ""}, {125, ""}, {126, ""}, {127, ""}, {128, ""}, {129, ""}, {130, ""}, {131, ""},
    {132, ""}, {133, ""}, {134, "%s%s"}, {135, "%s"}, {136, "%s"}, {137, ""}, {138, ""}, {139, ""}, {140, ""},
    {141, "%s"}, {142, "%s"}, {143, ""}, {144, ""}, {145, ""}, {146, ""}, {147, ""}, {148, ""}, {149, ""},
    {150, ""},
    // The search.
    {151, ""}, {152, ""}, {153, ""}, {154, "%s"}, {155, "%s"}, {156, "%s%s%s"}, {157, "%s"}, {158, "%s"},
    // Night mode.
    {160, ""},
    // The settings written nowhere.
    {165, "%s"},
};

std::string formate_von(const char* text) {
    std::string f;
    for (const char* p = strchr(text, '%'); p; p = strchr(p + 2, '%')) {
        f += p[0];
        if (p[1]) f += p[1];
        else break;
    }
    return f;
}

class UiTexte : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ui_texte_entschluesseln(), 0); }
};

TEST_F(UiTexte, SecondUnscramblingLeavesTheTextsAlone) {
    const char* vorher = ui_text(UI_TITEL_FEHLER);
    const std::string inhalt = vorher;
    EXPECT_EQ(ui_texte_entschluesseln(), 0);
    EXPECT_EQ(ui_text(UI_TITEL_FEHLER), vorher);
    EXPECT_EQ(inhalt, ui_text(UI_TITEL_FEHLER));
}

TEST_F(UiTexte, UsedPlacesHoldTextsWithTheirArgumentsFreePlacesAreEmpty) {
    std::set<int32_t> verwendet;
    for (const Verwendung& v : VERWENDET) {
        verwendet.insert(v.nummer);
        EXPECT_GT(strlen(ui_text(v.nummer)), 1u) << v.nummer;
        EXPECT_EQ(formate_von(ui_text(v.nummer)), v.formate) << v.nummer << ": " << ui_text(v.nummer);
    }
    for (int32_t i = 0; i < UI_TEXTE; ++i) {
        if (!verwendet.count(i)) {
            EXPECT_STREQ(ui_text(i), "") << i;
        }
    }
    for (int32_t i : {-1, UI_TEXTE, 1000, INT32_MIN}) EXPECT_STREQ(ui_text(i), "") << i;
    EXPECT_STREQ(PROGRAMM_VERSION, VARNIS_VERSION);
}

TEST_F(UiTexte, FormatsTakeTheirArgumentsWithinBounds) {
    char zeile[300];
    snprintf(zeile, sizeof zeile, ui_text(UI_INFO_VERSION), PROGRAMM_VERSION, PROGRAMM_WORTBREITE);
    EXPECT_NE(strstr(zeile, VARNIS_VERSION), nullptr);
    EXPECT_NE(strstr(zeile, "Bit"), nullptr);
    snprintf(zeile, sizeof zeile, ui_text(UI_SCHONER_INSTALLIERT), "32");
    EXPECT_NE(strstr(zeile, "Kovra32"), nullptr);
    snprintf(zeile, sizeof zeile, ui_text(UI_BILDDATEI_NICHT_GESCHRIEBEN), "C:\\Karten\\Orion.bmp");
    EXPECT_NE(strstr(zeile, "C:\\Karten\\Orion.bmp"), nullptr);
}

TEST_F(UiTexte, EachMenuHasOneAcceleratorPerItemAndNoneTwice) {
    const std::vector<std::vector<int32_t>> menues = {
        {UI_MENUE_KARTE, UI_MENUE_SCHONER, UI_MENUE_HILFE},
        {151, 150, 33, 34, 35, 47, 36, 37, 38, 39},
        {41, 42, 43, 45, 46},
        {51, 52},
    };
    for (const auto& menue : menues) {
        std::set<int> tasten;
        for (int32_t n : menue) {
            const char* text = ui_text(n);
            const char* und = strchr(text, '&');
            ASSERT_NE(und, nullptr) << n << ": " << text;
            EXPECT_EQ(strchr(und + 1, '&'), nullptr) << n << ": " << text;
            const int taste = std::tolower(static_cast<unsigned char>(und[1]));
            EXPECT_TRUE(tasten.insert(taste).second) << n << ": " << text;
        }
    }
}

TEST_F(UiTexte, TextsAreWindows1252) {
    EXPECT_EQ(ui_text(UI_INFO_TITEL)[0], '\xDC');  // the U umlaut of "Über"
    for (int32_t i = 0; i < UI_TEXTE; ++i)
        for (const char* p = ui_text(i); *p; ++p) {
            const unsigned char c = static_cast<unsigned char>(*p);
            // A tab only parts a menu item from its key's name.
            EXPECT_TRUE((c >= 0x20 || c == '\t') && c != 0x7F && c != 0xC2 && c != 0xC3) << i << ": byte " << int(c);
        }
}

// A box or the console shows a text as Windows-1252 with the paths in it as
// UTF-8 (datei/breit.h, text_breit): no text of the table may hold bytes
// that read as UTF-8, or it would show wrong.
TEST_F(UiTexte, TextsShowAsWindows1252BesidePathsInUtf8) {
    for (int32_t i = 0; i < UI_TEXTE; ++i) {
        const char* text = ui_text(i);
        wchar_t gezeigt[4096], erwartet[4096];
        text_breit(text, gezeigt, 4096);
        ASSERT_GT(MultiByteToWideChar(1252, 0, text, -1, erwartet, 4096), 0);
        EXPECT_EQ(std::wstring(erwartet), std::wstring(gezeigt)) << text;
    }
}

// The unscrambled texts are only in memory: none of them may be found
// readable in the program file, which links the same table.
TEST_F(UiTexte, ProgramFileHoldsNoReadableText) {
    char pfad[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, pfad, sizeof pfad), 0u);
    FILE* f = fopen(pfad, "rb");
    ASSERT_NE(f, nullptr);
    std::string datei;
    char stueck[65536];
    size_t n;
    while ((n = fread(stueck, 1, sizeof stueck, f)) > 0) datei.append(stueck, n);
    fclose(f);
    ASSERT_GT(datei.size(), 10000u);
    int32_t geprueft = 0;
    for (int32_t i = 0; i < UI_TEXTE; ++i) {
        const std::string text = ui_text(i);
        if (text.size() < 8) continue;
        // The month names stand in the clear in the half-month list's entries
        // ("15. September"), as they always have.
        if (i >= UI_MONATSNAME && i < UI_MONATSNAME + 12) continue;
        ++geprueft;
        EXPECT_EQ(datei.find(text), std::string::npos) << i << ": " << text;
    }
    EXPECT_GT(geprueft, 40);
}

}  // namespace
