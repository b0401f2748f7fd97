// The help and end commands: which help file is opened and how, what the user
// sees when none opens, and what the end closes before it posts the close
// message to the main window. The system's calls are recorded, not made.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "gemeinsam/meldung.h"
#include "gemeinsam/pfad.h"
#include "gemeinsam/ui_texte.h"
#include "menue/hilfe.h"

namespace {

const char ORDNER[] = "C:\\Programme\\Varnis";
const std::string CHM = std::string(ORDNER) + "\\Varnis.chm";
const std::string HLP = std::string(ORDNER) + "\\Varnis.hlp";

// Remembers every call as one line, answers as it is set up.
struct Aufnahme final : Hilfe_System {
    std::set<std::string> lesbare;
    bool html_zeigt = true;       // false: hhctrl.ocx missing, or the viewer opens no window
    intptr_t shell_ergebnis = 42;
    std::vector<std::string> aufrufe;

    bool lesbar(const char* pfad) override { return lesbare.count(pfad) > 0; }
    bool html_hilfe_zeigen(HWND, const char* datei) override {
        aufrufe.push_back(std::string("html ") + datei);
        return html_zeigt;
    }
    void html_hilfe_schliessen() override { aufrufe.push_back("html schliessen"); }
    intptr_t shell_oeffnen(HWND, const char* datei, const char* verzeichnis) override {
        aufrufe.push_back(std::string("shell ") + datei + " in " + verzeichnis);
        return shell_ergebnis;
    }
    void winhilfe_beenden(HWND) override { aufrufe.push_back("winhilfe beenden"); }
};

std::vector<std::string> meldungen;
int merken(HWND, const char* text, const char* titel, UINT) {
    meldungen.push_back(std::string(titel) + ": " + text);
    return IDOK;
}

class HilfeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ui_texte_entschluesseln(), 0);
        meldungen.clear();
        meldung_ersatz = merken;
    }
    void TearDown() override { meldung_ersatz = nullptr; }

    HWND fenster = reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234));
};

TEST_F(HilfeTest, ChmWhenItIsThereAndShownElseTheHlpThroughTheShell) {
    struct Fall {
        const char* fall;
        bool chm_da;
        bool html_zeigt;
        intptr_t shell_ergebnis;
        Hilfe_Form form;
        std::vector<std::string> aufrufe;
        bool meldung;
    };
    const std::string shell = "shell " + HLP + " in " + ORDNER;
    const Fall faelle[] = {
        {"chm shown", true, true, 42, Hilfe_Form::HTML, {"html " + CHM}, false},
        {"no HTML Help on the system", true, false, 42, Hilfe_Form::WINHELP, {"html " + CHM, shell}, false},
        {"no chm: HTML Help is not even loaded", false, true, 42, Hilfe_Form::WINHELP, {shell}, false},
        {"neither file opens", false, true, SE_ERR_FNF, Hilfe_Form::KEINE, {shell}, true},
        {"chm refused, hlp missing", true, false, SE_ERR_FNF, Hilfe_Form::KEINE, {"html " + CHM, shell}, true},
    };
    for (const Fall& f : faelle) {
        Aufnahme system;
        if (f.chm_da) system.lesbare.insert(CHM);
        system.html_zeigt = f.html_zeigt;
        system.shell_ergebnis = f.shell_ergebnis;
        meldungen.clear();
        Hilfe hilfe(system);
        EXPECT_EQ(hilfe.oeffnen(fenster, ORDNER), f.form) << f.fall;
        EXPECT_EQ(system.aufrufe, f.aufrufe) << f.fall;
        if (f.meldung) {
            ASSERT_EQ(meldungen.size(), 1u) << f.fall;
            EXPECT_EQ(meldungen[0], "Varnis - Fehler: Die Hilfedatei '" + HLP +
                                        "' konnte nicht geöffnet werden.") << f.fall;
        } else {
            EXPECT_TRUE(meldungen.empty()) << f.fall;
        }
    }
}

TEST_F(HilfeTest, APathThatDoesNotFitOpensNothingAndSaysSo) {
    Aufnahme system;
    Hilfe hilfe(system);
    const std::string lang(PFAD_LAENGE, 'x');  // longer than any path
    EXPECT_EQ(hilfe.oeffnen(fenster, lang.c_str()), Hilfe_Form::KEINE);
    EXPECT_TRUE(system.aufrufe.empty());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("'Varnis.hlp'"), std::string::npos) << meldungen[0];
}

TEST_F(HilfeTest, ClosingClosesHtmlHelpOnlyWhenItWasOpenedAndAlwaysQuitsWinHelp) {
    Aufnahme system;
    system.lesbare.insert(CHM);
    Hilfe hilfe(system);
    hilfe.schliessen(fenster);
    EXPECT_EQ(system.aufrufe, std::vector<std::string>{"winhilfe beenden"}) << "nothing opened yet";

    system.aufrufe.clear();
    ASSERT_EQ(hilfe.oeffnen(fenster, ORDNER), Hilfe_Form::HTML);
    hilfe.schliessen(fenster);
    EXPECT_EQ(system.aufrufe,
              (std::vector<std::string>{"html " + CHM, "html schliessen", "winhilfe beenden"}));

    system.aufrufe.clear();
    hilfe.schliessen(fenster);
    EXPECT_EQ(system.aufrufe, std::vector<std::string>{"winhilfe beenden"}) << "closed once";
}

TEST_F(HilfeTest, EndClosesTheHelpThenPostsCloseToTheMainWindow) {
    HWND haupt = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_TRUE(haupt);
    Aufnahme system;
    system.lesbare.insert(CHM);
    Hilfe hilfe(system);
    ASSERT_EQ(hilfe.oeffnen(haupt, ORDNER), Hilfe_Form::HTML);
    programm_beenden(haupt, hilfe);
    EXPECT_EQ(system.aufrufe.back(), "winhilfe beenden");
    EXPECT_EQ(system.aufrufe[1], "html schliessen");
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, haupt, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_TRUE(IsWindow(haupt)) << "posted, not sent";
    DestroyWindow(haupt);
}

}  // namespace
