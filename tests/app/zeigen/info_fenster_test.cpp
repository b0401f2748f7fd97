// The popup on real windows: the pane's geometry, the timers that show and
// hide the popup and the popup window itself; and the click on a label.
#include <gtest/gtest.h>

#include <windows.h>

#include "figuren.h"
#include "karten_umgebung.h"
#include "namen.h"
#include "zeigen/info_anzeige.h"
#include "zeigen/sternbild_klick.h"

namespace {

// A main window with a bordered chart pane and a hidden popup child.
class Fenster : public ::testing::Test {
protected:
    void SetUp() override {
        haupt = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 700, 500,
                                nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(haupt);
        karte = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 250, 10, 400, 300,
                                haupt, nullptr, nullptr, nullptr);
        info = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 100, 100, haupt, nullptr, nullptr, nullptr);
        ASSERT_TRUE(karte && info);
    }
    void TearDown() override { DestroyWindow(haupt); }

    // Waits up to ms for a timer message of the main window; its identifier
    // or 0. Other messages are dispatched.
    UINT_PTR naechster_zeitgeber(DWORD ms) {
        const DWORD ende = GetTickCount() + ms;
        for (;;) {
            MSG m;
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
                if (m.message == WM_TIMER && m.hwnd == haupt) return m.wParam;
                DispatchMessageA(&m);
            }
            if (static_cast<LONG>(GetTickCount() - ende) >= 0) return 0;
            Sleep(5);
        }
    }
    RECT info_rechteck() {
        RECT r;
        GetWindowRect(info, &r);
        MapWindowPoints(nullptr, haupt, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    HWND haupt = nullptr, karte = nullptr, info = nullptr;
};

TEST_F(Fenster, PaneGeometry) {
    const Kartenbereich f = kartenbereich(karte, haupt);
    EXPECT_EQ(400 - 2 - 2, f.breite);  // client width of a bordered pane, minus 2
    EXPECT_EQ(300 - 2 - 2, f.hoehe);
    EXPECT_EQ(250, f.links);
    EXPECT_EQ(10, f.oben);
}

TEST_F(Fenster, MovingToAnotherStarRestartsTheDelay) {
    const Maus_Folge zeigen{Zeiger::STERN, Zeitgeber::ZEIGEN};
    folge_ausfuehren(haupt, zeigen, nullptr, nullptr);
    EXPECT_EQ(0u, naechster_zeitgeber(250));
    const DWORD neu = GetTickCount();
    folge_ausfuehren(haupt, zeigen, nullptr, nullptr);
    // Without the restart the popup would come 500 ms after the first star.
    EXPECT_EQ(0u, naechster_zeitgeber(400));
    EXPECT_EQ(ZEITGEBER_INFO_ZEIGEN, naechster_zeitgeber(2000));
    EXPECT_GE(GetTickCount() - neu, 480u);
}

TEST_F(Fenster, ShownAtItsPlaceAndHiddenSoonAfterLeaving) {
    folge_ausfuehren(haupt, {Zeiger::STERN, Zeitgeber::ZEIGEN}, nullptr, nullptr);
    ASSERT_EQ(ZEITGEBER_INFO_ZEIGEN, naechster_zeitgeber(2000));
    info_zeigen(haupt, info, {300, 40, 170, 122});
    EXPECT_TRUE(IsWindowVisible(info));
    const RECT r = info_rechteck();
    EXPECT_EQ(300, r.left);
    EXPECT_EQ(40, r.top);
    EXPECT_EQ(170, r.right - r.left);
    EXPECT_EQ(122, r.bottom - r.top);
    EXPECT_EQ(0u, naechster_zeitgeber(700)) << "timer 2 fires once";
    EXPECT_EQ(info, GetWindow(haupt, GW_CHILD)) << "the popup stands above the panes";

    const DWORD weg = GetTickCount();
    folge_ausfuehren(haupt, {Zeiger::BLEIBT, Zeitgeber::VERBERGEN}, nullptr, nullptr);
    ASSERT_EQ(ZEITGEBER_INFO_VERBERGEN, naechster_zeitgeber(2000));
    EXPECT_LT(GetTickCount() - weg, 300u);
    info_verbergen(haupt, info);
    EXPECT_FALSE(IsWindowVisible(info));
    EXPECT_EQ(0u, naechster_zeitgeber(300)) << "timer 3 fires once";
}

TEST_F(Fenster, LeavingBeforeTheDelayShowsNothing) {
    folge_ausfuehren(haupt, {Zeiger::STERN, Zeitgeber::ZEIGEN}, nullptr, nullptr);
    folge_ausfuehren(haupt, {Zeiger::BLEIBT, Zeitgeber::VERBERGEN}, nullptr, nullptr);
    EXPECT_EQ(ZEITGEBER_INFO_VERBERGEN, naechster_zeitgeber(2000));
    info_verbergen(haupt, info);
    EXPECT_EQ(0u, naechster_zeitgeber(700)) << "the showing timer was stopped";
}

TEST_F(Fenster, CursorOverAnObject) {
    HCURSOR stern = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
    HCURSOR sternbild = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    SetCursor(nullptr);
    folge_ausfuehren(haupt, {Zeiger::STERN, Zeitgeber::BLEIBT}, stern, sternbild);
    EXPECT_EQ(stern, GetCursor());
    folge_ausfuehren(haupt, {Zeiger::STERNBILD, Zeitgeber::BLEIBT}, stern, sternbild);
    EXPECT_EQ(sternbild, GetCursor());
    folge_ausfuehren(haupt, {Zeiger::BLEIBT, Zeitgeber::BLEIBT}, stern, sternbild);
    EXPECT_EQ(sternbild, GetCursor());
}

// A click on Orion's label on a chart of 60 degrees around it.
class Klick : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(katalog_laden(himmel));
        himmel.setze_mitte(5.6, 3);
        himmel.setze_gesichtsfeld(60);
        orion = sternbild_index(himmel, "Ori");
        ASSERT_GE(orion, 0);
        ASSERT_TRUE(label_finden());
        // A canvas whose entries all differ, so each colour has one index.
        ASSERT_EQ(0, bild.erzeugen(flaeche.breite + 2, flaeche.hoehe + 2, 8, 0, 0));
        for (int32_t i = 0; i < 256; ++i) bild.farbe_setzen(i, RGB(i, 255 - i, (i * 7) & 0xFF));
        bild.farbe_setzen(0, 0x000000);
        bild.farbe_setzen(200, 0xFFFFFF);
        bild.fuellen(0);
    }
    // A pane pixel that hits Orion's label.
    bool label_finden() {
        const int32_t r = flaeche.breite / 2;
        for (y = 0; y < flaeche.hoehe; ++y)
            for (x = 2; x < flaeche.breite; ++x)
                if (himmel.sternbild_suchen(x - 2, y, r) == orion) return true;
        return false;
    }
    int32_t pixel_mit(int32_t index) const {
        int32_t n = 0;
        for (int32_t z = 0; z < bild.hoehe(); ++z)
            for (int32_t i = 0; i < bild.breite(); ++i) n += bild.pixel(i, z) == index;
        return n;
    }
    int32_t klick() { return sternbild_klick(x, y, flaeche, &bild, {himmel, s.schriften(), werte}); }

    Himmel himmel;
    Testschriften s;
    Darstellung werte = testwerte();
    Kartenbereich flaeche{400, 400, 0, 0};
    DIB bild;
    int32_t orion = -1, x = 0, y = 0;
};

TEST_F(Klick, TwiceHighlightsAndRestores) {
    EXPECT_EQ(100, klick()) << "highlighted: the labels are placed anew after the grid and figures";
    EXPECT_EQ(1, himmel.sternbilder[orion].hervorgehoben);
    // The designations as stage 102 draws them, in white.
    stern_kennungen(himmel, bild.dc, &bild, s.text, s.symbol, flaeche.breite / 2, 0xFFFFFF);
    const int32_t weiss = pixel_mit(200);
    ASSERT_GT(weiss, 50);
    EXPECT_EQ(100, klick()) << "plain again: continue from the grid";
    EXPECT_EQ(0, himmel.sternbilder[orion].hervorgehoben);
    EXPECT_LT(pixel_mit(200), weiss / 10) << "the designations were painted over in colour 0";
}

TEST_F(Klick, WithTheLabelLayersOffTheCanvasIsLeftAlone) {
    // The click paints over the labels of the layers that are on, so that
    // none stays behind when they are placed anew; the designations only
    // with Sternbilder on.
    werte.staerke_prozent[STERNBILDER] = 0;
    werte.staerke_prozent[STERNBILDNAMEN] = 0;
    werte.staerke_prozent[STERNNAMEN] = 0;
    ASSERT_EQ(100, klick());
    stern_kennungen(himmel, bild.dc, &bild, s.text, s.symbol, flaeche.breite / 2, 0xFFFFFF);
    const int32_t weiss = pixel_mit(200);
    EXPECT_EQ(100, klick());
    EXPECT_EQ(weiss, pixel_mit(200));
}

TEST_F(Klick, BesideEveryLabelNothingHappens) {
    EXPECT_EQ(-1, sternbild_klick(1, flaeche.hoehe - 1, flaeche, &bild, {himmel, s.schriften(), werte}));
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i) EXPECT_EQ(0, himmel.sternbilder[i].hervorgehoben);
}

}  // namespace
