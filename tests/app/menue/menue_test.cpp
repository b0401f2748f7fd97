// The menu bar: pop-ups and items of UI texts in their order, the screen
// saver's items by whether it is installed, and which command messages are
// menu commands.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gemeinsam/ui_texte.h"
#include "karten_umgebung.h"
#include "menue/menue.h"
#include "menue/menuepunkt.h"
#include "schoner_wahl.h"

namespace {

struct Punkt {
    UINT befehl;  // 0 for a separator
    int32_t text;
};

std::string menue_text(HMENU menue, UINT position) {
    char text[100] = "";
    GetMenuStringA(menue, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class Menue : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, ui_texte_entschluesseln());
        menue = menue_erzeugen();
        ASSERT_TRUE(menue);
    }
    void TearDown() override { DestroyMenu(menue); }
    bool grau(UINT befehl) const { return (GetMenuState(menue, befehl, MF_BYCOMMAND) & MF_GRAYED) != 0; }

    HMENU menue = nullptr;
};

TEST_F(Menue, FourPopupsOfUiTexts) {
    const std::vector<std::pair<int32_t, std::vector<Punkt>>> erwartet = {
        {32, {{131, 151}, {0, 0}, {130, 150}, {132, 160}, {0, 0}, {101, 33}, {0, 0}, {102, 34}, {103, 35}, {118, 47}, {0, 0},
              {104, 36}, {105, 37}, {106, 38}, {0, 0}, {107, 39}}},
        {124, {{119, 125}, {120, 126}, {121, 127}, {0, 0}, {124, 130}, {125, 131}, {126, 132},
               {127, 133}, {0, 0}, {123, 129}, {0, 0}, {122, 128}}},
        {40, {{108, 41}, {109, 42}, {0, 0}, {110, 43}, {112, 45}, {0, 0}, {113, 46}}},
        {50, {{116, 51}, {0, 0}, {117, 52}}},
    };
    ASSERT_EQ(4, GetMenuItemCount(menue));
    for (UINT p = 0; p < erwartet.size(); ++p) {
        EXPECT_EQ(ui_text(erwartet[p].first), menue_text(menue, p));
        HMENU popup = GetSubMenu(menue, static_cast<int>(p));
        ASSERT_TRUE(popup);
        const auto& punkte = erwartet[p].second;
        ASSERT_EQ(static_cast<int>(punkte.size()), GetMenuItemCount(popup)) << "pop-up " << p;
        for (UINT i = 0; i < punkte.size(); ++i) {
            const bool trenner = (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
            EXPECT_EQ(punkte[i].befehl == 0, trenner) << "pop-up " << p << " item " << i;
            if (trenner) continue;
            EXPECT_EQ(punkte[i].befehl, GetMenuItemID(popup, static_cast<int>(i)));
            EXPECT_EQ(ui_text(punkte[i].text), menue_text(popup, i));
            EXPECT_FALSE(std::string(ui_text(punkte[i].text)).empty());
        }
    }
}

// Installed means chosen: the user's screen-saver value names a Kovra32.scr
// that exists.
TEST_F(Menue, ScreenSaverItemsFollowTheUsersChoice) {
    const UINT uebrige[] = {109, 110, 112, 113};
    const Benutzerwahl vorher = benutzerwahl_lesen();
    Temp_Ordner benutzer;
    const std::string kovra = benutzer.datei("Kovra32.scr");
    benutzerwahl_setzen({kovra, "1"});
    schoner_punkte_setzen(menue, benutzer.pfad().c_str());
    EXPECT_FALSE(grau(108)) << "chosen but not there: only the install item";
    for (UINT b : uebrige) EXPECT_TRUE(grau(b)) << b;

    FILE* datei = fopen(kovra.c_str(), "wb");
    ASSERT_TRUE(datei);
    fclose(datei);
    schoner_punkte_setzen(menue, benutzer.pfad().c_str());
    EXPECT_TRUE(grau(108)) << "installed: all but the install item";
    for (UINT b : uebrige) EXPECT_FALSE(grau(b)) << b;
    benutzerwahl_setzen({benutzer.datei("Blasen.scr"), "1"});
    schoner_punkte_setzen(menue, benutzer.pfad().c_str());
    EXPECT_FALSE(grau(108)) << "another saver chosen";
    benutzerwahl_setzen(vorher);
    // The chart's items are never touched.
    for (UINT b = 101; b <= 107; ++b) EXPECT_FALSE(grau(b)) << b;
    EXPECT_FALSE(grau(118));
    EXPECT_FALSE(grau(116));
    EXPECT_FALSE(grau(117));
}

// The user's folder is not known: nowhere to install to, and the program's
// own Kovra32.scr in the current directory is no installed saver.
TEST_F(Menue, AnUnknownUsersFolderGreysEveryScreenSaverItem) {
    Temp_Ordner aktuell;
    FILE* datei = fopen(aktuell.datei("Kovra32.scr").c_str(), "wb");
    ASSERT_TRUE(datei);
    fclose(datei);
    char vorher[MAX_PATH];
    GetCurrentDirectoryA(sizeof vorher, vorher);
    ASSERT_TRUE(SetCurrentDirectoryA(aktuell.pfad().c_str()));
    schoner_punkte_setzen(menue, "");
    SetCurrentDirectoryA(vorher);
    for (UINT b : {108, 109, 110, 112, 113}) EXPECT_TRUE(grau(b)) << b;
    EXPECT_FALSE(grau(101));
}

TEST_F(Menue, AWindowsFolderTooLongForThePathCountsAsNotInstalled) {
    const std::string lang(300, 'x');
    schoner_punkte_setzen(menue, lang.c_str());
    EXPECT_FALSE(grau(108));
    EXPECT_TRUE(grau(109));
}

TEST(MenueBefehl, OnlyMenuOrKeyCodesWithoutAControlAndTheMenuIdentifiers) {
    struct Fall {
        int32_t kennung, code;
        LPARAM kontrolle;
        bool befehl;
    };
    const LPARAM liste = 0x1234;  // any control's window
    const Fall faelle[] = {
        {101, 0, 0, true},  {110, 0, 0, true},  {118, 0, 0, true},  {129, 0, 0, true},
        {130, 0, 0, true},  {131, 0, 0, true},  {132, 0, 0, true},
        // The key table sends code 1 without a control.
        {119, 1, 0, true},  {128, 1, 0, true},
        {100, 0, 0, false}, {133, 0, 0, false}, {1, 0, 0, false},
        // A list notification with an identifier in the menu range; CBN_SELCHANGE is 1
        // too, only the control's window tells it from a key.
        {105, CBN_SELCHANGE, liste, false}, {110, CBN_DROPDOWN, liste, false},
        {118, 1, liste, false}, {101, 0, liste, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.befehl, ist_menue_befehl(f.kennung, f.code, f.kontrolle)) << f.kennung << "/" << f.code;
}

// Night mode's items measured at 96, 144 and 192 DPI: the height and the
// width (text in the menu font, margins, check column, the gap before the
// key) are those of 96 DPI scaled, within the rounding of the text's
// glyph widths.
TEST(Menuepunkt, GemessenBeiDerAufloesungDesFensters) {
    const Menuepunkt punkte[] = {{"&Nachtmodus\tStrg+N", false}, {"&Karte", true}};
    for (const Menuepunkt& p : punkte) {
        MEASUREITEMSTRUCT bei96{};
        bei96.CtlType = ODT_MENU;
        bei96.itemData = reinterpret_cast<ULONG_PTR>(&p);
        menuepunkt_messen(nullptr, bei96, 96);
        ASSERT_GT(bei96.itemWidth, 30u) << p.text;
        ASSERT_GT(bei96.itemHeight, 10u) << p.text;
        for (const int32_t dpi : {144, 192}) {
            MEASUREITEMSTRUCT m = bei96;
            menuepunkt_messen(nullptr, m, dpi);
            const int32_t breite = MulDiv(static_cast<int>(bei96.itemWidth), dpi, 96);
            const int32_t hoehe = MulDiv(static_cast<int>(bei96.itemHeight), dpi, 96);
            EXPECT_LE(std::abs(static_cast<int32_t>(m.itemWidth) - breite), breite / 12 + 2)
                << p.text << " at " << dpi << ": " << m.itemWidth << ", scaled " << breite;
            EXPECT_LE(std::abs(static_cast<int32_t>(m.itemHeight) - hoehe), 1) << p.text << " at " << dpi;
        }
    }
}

}  // namespace
