// The shell's window alone (its own procedure, no sky): the window of each
// mode and when a running saver closes.
#include <gtest/gtest.h>

#include <vector>

#include "schale.h"
#include "schale_umgebung.h"

using namespace umgebung;

namespace {

constexpr const char* KLASSE = "VarnisBSSSchale";

class Schale : public ::testing::Test {
protected:
    void TearDown() override {
        if (fenster && IsWindow(fenster)) DestroyWindow(fenster);
        if (wirt) DestroyWindow(wirt);
        pumpen();
    }

    HWND anlegen(ScrModus modus, HWND eltern = nullptr, bool debug = false) {
        schale_einrichten(modus, eltern, ScrGrundProz, KLASSE);
        if (debug) ScrDebugEin();
        fenster = ScrFensterAnlegen();
        return fenster;
    }

    // A host window as the display settings give the preview.
    HWND wirt_anlegen() {
        wirt = CreateWindowExA(0, "STATIC", "Wirt", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 320,
                               240, nullptr, nullptr, nullptr, nullptr);
        return wirt;
    }

    // Sends nachricht and lets a posted close run its course.
    bool schliesst_bei(UINT nachricht, WPARAM wparam = 0) {
        SendMessageA(fenster, nachricht, wparam, 0);
        pumpen(fenster);
        return !IsWindow(fenster);
    }

    HWND fenster = nullptr;
    HWND wirt = nullptr;
};

TEST_F(Schale, WindowOfEachMode) {
    const int b = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    wirt_anlegen();
    // The preview fills the host's client area; the full screen is the
    // virtual screen, every monitor.
    RECT wr;
    GetClientRect(wirt, &wr);
    const int vb = GetSystemMetrics(SM_CXVIRTUALSCREEN), vh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const struct {
        const char* fall;
        ScrModus modus;
        HWND eltern;
        bool debug;
        DWORD art;  // WS_POPUP, WS_CHILD or 0 for an overlapped window
        bool oben;  // topmost
        HWND vater;
        int breite, hoehe;
    } faelle[] = {
        {"full screen", SCHONER, nullptr, false, WS_POPUP, true, nullptr, vb, vh},
        {"debug", SCHONER, nullptr, true, 0, false, nullptr, b / 3, h / 3},
        {"preview", VORSCHAU, wirt, false, WS_CHILD, false, wirt, wr.right, wr.bottom},
        {"preview, no host", VORSCHAU, nullptr, false, 0, false, nullptr, b / 3, h / 3},
        {"preview, debug", VORSCHAU, wirt, true, 0, false, nullptr, b / 3, h / 3},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        ASSERT_NE(anlegen(f.modus, f.eltern, f.debug), nullptr);
        const DWORD stil = GetWindowLongA(fenster, GWL_STYLE);
        EXPECT_TRUE(stil & WS_VISIBLE);
        EXPECT_EQ(stil & (WS_POPUP | WS_CHILD), f.art);
        if (!f.art) {
            EXPECT_EQ(stil & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
        }
        EXPECT_EQ((GetWindowLongA(fenster, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, f.oben);
        EXPECT_EQ(GetAncestor(fenster, GA_PARENT) == wirt, f.vater == wirt);
        RECT r;
        GetWindowRect(fenster, &r);
        EXPECT_EQ(r.right - r.left, f.breite);
        EXPECT_EQ(r.bottom - r.top, f.hoehe);
        char titel[16];
        GetWindowTextA(fenster, titel, sizeof titel);
        EXPECT_STREQ(titel, "Varnis");
        EXPECT_EQ(scr_zustand.fenster, fenster) << "stored on WM_CREATE";
        DestroyWindow(fenster);
        EXPECT_TRUE(pumpen()) << "the quit message follows the window's end";
    }
}

TEST_F(Schale, KeyOrButtonClosesTheFullScreenSaver) {
    for (UINT nachricht : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        anlegen(SCHONER);
        SendMessageA(fenster, nachricht, 0, 0);
        EXPECT_TRUE(pumpen(fenster)) << nachricht;
        EXPECT_FALSE(IsWindow(fenster)) << nachricht;
        EXPECT_EQ(passwort_gefragt, 0) << "within the delay no password is asked";
    }
}

TEST_F(Schale, MouseClosesOnlyBeyondTheThreshold) {
    const struct {
        int dx, dy;
        bool schliesst;
    } faelle[] = {
        {0, 0, false}, {50, 50, false}, {-50, -50, false}, {51, 0, true}, {0, -51, true}, {-51, 51, true},
    };
    for (const auto& f : faelle) {
        anlegen(SCHONER);
        POINT p;
        GetCursorPos(&p);
        scr_zustand.start_pos = {p.x - f.dx, p.y - f.dy};
        EXPECT_EQ(schliesst_bei(WM_MOUSEMOVE), f.schliesst) << f.dx << ", " << f.dy;
        if (IsWindow(fenster)) DestroyWindow(fenster);
        pumpen();
    }
}

TEST_F(Schale, DeactivationClosesTheFullScreenSaver) {
    for (UINT nachricht : {WM_ACTIVATE, WM_ACTIVATEAPP, WM_NCACTIVATE}) {
        anlegen(SCHONER);
        EXPECT_FALSE(schliesst_bei(nachricht, 1)) << "activation " << nachricht;
        EXPECT_TRUE(schliesst_bei(nachricht, 0)) << "deactivation " << nachricht;
    }
}

TEST_F(Schale, AltF4AndANewSaverAreSwallowed) {
    anlegen(SCHONER);
    EXPECT_EQ(SendMessageA(fenster, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    // A close already asked for would go through if SC_CLOSE reached WM_CLOSE.
    scr_zustand.schliessen_angefordert = 1;
    EXPECT_FALSE(schliesst_bei(WM_SYSCOMMAND, SC_CLOSE));
}

TEST_F(Schale, DebugWindowKeepsItsCursorAndClosesByKeyOrAltF4Only) {
    anlegen(SCHONER, nullptr, true);
    POINT p;
    GetCursorPos(&p);
    scr_zustand.start_pos = {p.x - 200, p.y};
    EXPECT_FALSE(schliesst_bei(WM_MOUSEMOVE));
    EXPECT_FALSE(schliesst_bei(WM_ACTIVATE, WA_INACTIVE));
    scr_zustand.schliessen_angefordert = 1;
    EXPECT_TRUE(schliesst_bei(WM_SYSCOMMAND, SC_CLOSE));
    anlegen(SCHONER, nullptr, true);
    EXPECT_TRUE(schliesst_bei(WM_KEYDOWN));
}

TEST_F(Schale, NothingClosesAPreview) {
    wirt_anlegen();
    anlegen(VORSCHAU, wirt);
    POINT p;
    GetCursorPos(&p);
    scr_zustand.start_pos = {p.x - 200, p.y - 200};
    for (UINT nachricht : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_ACTIVATE}) {
        EXPECT_FALSE(schliesst_bei(nachricht)) << nachricht;
    }
    DestroyWindow(wirt);
    wirt = nullptr;
    EXPECT_FALSE(IsWindow(fenster)) << "the host ends the preview";
    EXPECT_TRUE(pumpen());
}

TEST_F(Schale, PasswordOnlyAfterTheDelay) {
    const struct {
        DWORD start, vergangen;
        uint32_t verzoegerung;
        bool gefragt;
    } faelle[] = {
        {1000, 10000, 15, false},
        {1000, 15000, 15, false},
        {1000, 15001, 15, true},
        {1000, 20000, 15, true},
        {0xFFFFF000u, 10000, 15, false},     // the tick count wraps in between
        {0xFFFFF000u, 20000, 15, true},
        {1000, 10000, 4294968, false},       // x 1000 does not wrap to 704 ms
        {1000, 1, 0, true},
    };
    for (const auto& f : faelle) {
        anlegen(SCHONER);
        scr_zustand.passwort_verzoegerung = f.verzoegerung;
        scr_zustand.start_tick = f.start;
        uhr_ms = f.start + f.vergangen;
        EXPECT_TRUE(schliesst_bei(WM_KEYDOWN)) << f.vergangen;
        EXPECT_EQ(passwort_gefragt, f.gefragt ? 1 : 0) << f.vergangen << " ms, " << f.verzoegerung << " s";
    }
}

TEST_F(Schale, WrongPasswordKeepsTheSaverAndAsksAgain) {
    anlegen(SCHONER);
    uhr_ms += 20000;
    passwort_richtig = 0;
    POINT p;
    GetCursorPos(&p);
    scr_zustand.start_pos = {p.x - 100, p.y};
    EXPECT_FALSE(schliesst_bei(WM_MOUSEMOVE));
    EXPECT_EQ(passwort_gefragt, 1);
    EXPECT_EQ(scr_zustand.schliessen_angefordert, 0);
    EXPECT_EQ(scr_zustand.im_passwort, 0);
    EXPECT_EQ(scr_zustand.start_pos.x, p.x) << "the cursor reference starts anew";
    EXPECT_FALSE(schliesst_bei(WM_MOUSEMOVE)) << "no movement since the dialog";

    scr_zustand.start_pos = {p.x, p.y + 60};
    passwort_richtig = 1;
    EXPECT_TRUE(schliesst_bei(WM_MOUSEMOVE));
    EXPECT_EQ(passwort_gefragt, 2);
}

TEST_F(Schale, CursorHiddenOnlyOverTheFullScreenSaver) {
    const HCURSOR pfeil = LoadCursorA(nullptr, IDC_ARROW);
    wirt_anlegen();
    const struct {
        const char* fall;
        ScrModus modus;
        HWND eltern;
        bool debug;
        HCURSOR cursor;
    } faelle[] = {
        {"full screen", SCHONER, nullptr, false, nullptr},
        {"preview", VORSCHAU, wirt, false, pfeil},
        {"debug", SCHONER, nullptr, true, pfeil},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        SetCursor(LoadCursorA(nullptr, IDC_CROSS));
        anlegen(f.modus, f.eltern, f.debug);
        if (!f.cursor) {
            EXPECT_EQ(GetCursor(), nullptr) << "hidden from the start";
        }
        SendMessageA(fenster, WM_SETCURSOR, reinterpret_cast<WPARAM>(fenster), HTCLIENT);
        EXPECT_EQ(GetCursor(), f.cursor);
        DestroyWindow(fenster);
        pumpen();
    }
}

TEST_F(Schale, CursorShownForThePasswordAndHiddenAgainAfterIt) {
    anlegen(SCHONER);
    uhr_ms += 20000;
    passwort_richtig = 0;
    EXPECT_FALSE(schliesst_bei(WM_KEYDOWN));
    EXPECT_EQ(passwort_gefragt, 1);
    EXPECT_EQ(cursor_beim_passwort, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(GetCursor(), nullptr);
}

// The system is told that a saver runs just before the full-screen saver's
// message loop and that none runs just after it; the first call posts a key,
// so that the loop has something to end it.
struct Parameteraufruf {
    UINT aktion, wert;
    bool fenster_da;
};
std::vector<Parameteraufruf> parameteraufrufe;

BOOL WINAPI parameter_merken(UINT aktion, UINT wert, PVOID, UINT) {
    parameteraufrufe.push_back({aktion, wert, IsWindow(scr_zustand.fenster) != FALSE});
    if (parameteraufrufe.size() == 1) PostMessageA(scr_zustand.fenster, WM_KEYDOWN, VK_SPACE, 0);
    return TRUE;
}

TEST_F(Schale, RunningSaverFlagSetAndClearedAroundTheLoop) {
    parameteraufrufe.clear();
    schale_einrichten(SCHONER, nullptr, ScrGrundProz, KLASSE);
    scr_zustand.system_parameter = parameter_merken;
    ScrFensterErzeugen();
    ASSERT_EQ(parameteraufrufe.size(), 2u);
    EXPECT_EQ(parameteraufrufe[0].aktion, static_cast<UINT>(SPI_SETSCREENSAVERRUNNING));
    EXPECT_EQ(parameteraufrufe[0].wert, 1u);
    EXPECT_TRUE(parameteraufrufe[0].fenster_da) << "set once the window is there";
    EXPECT_EQ(parameteraufrufe[1].aktion, static_cast<UINT>(SPI_SETSCREENSAVERRUNNING));
    EXPECT_EQ(parameteraufrufe[1].wert, 0u);
    EXPECT_FALSE(parameteraufrufe[1].fenster_da) << "cleared when the window is gone";

    // A preview is no running saver; its host's end ends the loop.
    parameteraufrufe.clear();
    wirt_anlegen();
    schale_einrichten(VORSCHAU, wirt, ScrGrundProz, KLASSE);
    scr_zustand.system_parameter = parameter_merken;
    PostMessageA(wirt, WM_CLOSE, 0, 0);
    ScrFensterErzeugen();
    wirt = nullptr;
    EXPECT_TRUE(parameteraufrufe.empty());
}

TEST_F(Schale, ACloseNotAskedForByTheShellIsIgnored) {
    anlegen(SCHONER);
    EXPECT_FALSE(schliesst_bei(WM_CLOSE));
}

}  // namespace
