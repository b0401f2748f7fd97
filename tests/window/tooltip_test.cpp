// Tooltips: their settings, and the two timers driven by hand (one test lets
// the real timers run with delays of a few milliseconds).
#include "canvas_kf.h"
#include "dialog.h"
#include "tooltip_ckf.h"
#include "umgebung.h"

#include <string>

namespace {

class ToolTip : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        dialog = new Dialog_F(nullptr, "D", 100, 100, 300, 200, NUR_FLAECHE);
        ziel = new Canvas_KF(dialog, nullptr, 50, 50, 100, 40, KIND);
        ASSERT_TRUE(dialog->oeffnen(1));
        tip = instanz->tooltip;
    }
    void TearDown() override {
        delete ziel;
        delete dialog;
        FensterTest::TearDown();
    }
    // The pointer comes to rest at (x, y) of the target's client area.
    POINT zeiger_auf(Fenster* f, int x, int y) {
        POINT p{x, y};
        ClientToScreen(f->hwnd, &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(f->hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        return p;
    }
    void zeitgeber(UINT_PTR nummer) {
        ASSERT_TRUE(tip->hwnd);
        SendMessageA(tip->hwnd, WM_TIMER, nummer, 0);
    }

    Dialog_F* dialog = nullptr;
    Canvas_KF* ziel = nullptr;
    ToolTip_CKF* tip = nullptr;
};

TEST_F(ToolTip, EinstellungenUndIhreVorgaben) {
    struct Fall {
        size_t zeichen;
        int32_t breite;
        uint32_t verzoegerung, dauer;
        int32_t tip_breite;
        uint32_t tip_verzoegerung, tip_dauer;
    };
    const Fall faelle[] = {
        {5, 0, 0, 0, 500, 800, 2000},         // at least 2 seconds
        {100, 200, 300, 0, 200, 300, 10000},  // 100 ms per character
        {1000, 600, 0, 0, 500, 800, 64000},   // at most 64 seconds; width at most 500
        {5, -3, 0, 1234, 500, 800, 1234},
    };
    for (const Fall& f : faelle) {
        ziel->tooltiptext(std::string(f.zeichen, 'x').c_str(), f.breite, f.verzoegerung, f.dauer);
        tip->verbergen();
        zeiger_auf(ziel, 10, 10);
        EXPECT_EQ(tip->textbreite(), f.tip_breite) << f.zeichen;
        EXPECT_EQ(tip->wartezeit(), f.tip_verzoegerung) << f.zeichen;
        EXPECT_EQ(tip->anzeigezeit(), f.tip_dauer) << f.zeichen;
        EXPECT_TRUE(tip->hwnd);  // opened hidden, waiting for timer 1
        EXPECT_FALSE(IsWindowVisible(tip->hwnd));
    }
}

TEST_F(ToolTip, ErscheintUnterDemZeigerUndVerschwindetNachDerAnzeigezeit) {
    ziel->tooltiptext("Rektaszension des Mittelpunkts", 0, 0, 0);
    const POINT p = zeiger_auf(ziel, 20, 15);
    zeitgeber(1);
    ASSERT_EQ(tip->gezeigt(), 1);
    EXPECT_TRUE(IsWindowVisible(tip->hwnd));
    RECT r;
    GetWindowRect(tip->hwnd, &r);
    EXPECT_EQ(r.left, p.x + 2);
    EXPECT_EQ(r.top, p.y + 20);
    EXPECT_EQ(r.right - r.left, instanz->font.textbreite("Rektaszension des Mittelpunkts") + 7);
    EXPECT_EQ(r.bottom - r.top, instanz->font.metrik().tmHeight + 6);
    zeitgeber(2);
    EXPECT_EQ(tip->hwnd, nullptr);
    EXPECT_EQ(tip->gezeigt(), 0);
}

TEST_F(ToolTip, TasteKlickUndBewegungVerbergen) {
    ziel->tooltiptext("Hilfe", 0, 0, 0);
    zeiger_auf(ziel, 20, 15);
    zeitgeber(1);
    ASSERT_TRUE(tip->gezeigt());
    zeiger_auf(ziel, 23, 18);  // 3 pixels: stays
    EXPECT_TRUE(tip->gezeigt());
    SendMessageA(ziel->hwnd, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(tip->hwnd, nullptr);

    zeiger_auf(ziel, 20, 15);
    zeitgeber(1);
    ASSERT_TRUE(tip->gezeigt());
    SendMessageA(ziel->hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(20, 15));
    EXPECT_EQ(tip->hwnd, nullptr);

    zeiger_auf(ziel, 20, 15);
    zeitgeber(1);
    ASSERT_TRUE(tip->gezeigt());
    zeiger_auf(ziel, 27, 15);  // 7 pixels: hidden, and a new delay begins
    EXPECT_FALSE(tip->gezeigt());
    EXPECT_FALSE(IsWindowVisible(tip->hwnd));
}

TEST_F(ToolTip, ZeigerNichtMehrUeberDemFenster) {
    ziel->tooltiptext("Hilfe", 0, 0, 0);
    zeiger_auf(ziel, 20, 15);
    SetCursorPos(5, 5);  // left before the delay ran out
    zeitgeber(1);
    EXPECT_FALSE(tip->gezeigt());
    EXPECT_EQ(tip->hwnd, nullptr);
}

TEST_F(ToolTip, BleibtAufDemBildschirm) {
    const int32_t b = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    Dialog_F ecke(nullptr, "E", b - 60, h - 40, 60, 40, NUR_FLAECHE);
    Canvas_KF feld(&ecke, nullptr, 0, 0, 60, 40, KIND);
    feld.tooltiptext("ein langer Hilfetext in der Ecke des Bildschirms", 120, 0, 0);
    ASSERT_TRUE(ecke.oeffnen(1));
    zeiger_auf(&feld, 55, 35);
    zeitgeber(1);
    ASSERT_TRUE(tip->gezeigt());
    RECT r;
    GetWindowRect(tip->hwnd, &r);
    EXPECT_LE(r.right, b);
    EXPECT_LE(r.bottom, h);
    EXPECT_GT(r.bottom - r.top, instanz->font.metrik().tmHeight + 6);  // wrapped to 120 pixels
    EXPECT_LE(r.right - r.left, 120 + 7);
}

TEST_F(ToolTip, GesperrtesKindBekommtSeinenTipUeberDenDialog) {
    ziel->tooltiptext("gesperrt", 0, 0, 0);
    ziel->an(0);
    zeiger_auf(dialog, 70, 60);  // over the disabled child, seen by the dialog
    ASSERT_TRUE(tip->hwnd);
    zeitgeber(1);
    EXPECT_TRUE(tip->gezeigt());
}

TEST_F(ToolTip, GeloeschtesFensterWirdVergessen) {
    ziel->tooltiptext("Hilfe", 0, 0, 0);
    zeiger_auf(ziel, 20, 15);
    delete ziel;
    ziel = nullptr;
    EXPECT_EQ(tip->hwnd, nullptr);
}

TEST_F(ToolTip, EchteZeitgeberMitKurzenZeiten) {
    ziel->tooltiptext("Hilfe", 0, 20, 40);
    zeiger_auf(ziel, 20, 15);
    bool gesehen = false;
    for (int i = 0; i < 200 && tip->hwnd; ++i) {
        pumpen(1);
        gesehen = gesehen || tip->gezeigt();
    }
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(tip->hwnd, nullptr);
}

}  // namespace
