// The scroll bar in a colour scheme: its parts along the bar, what it paints
// (every pixel in the scheme's reds, on the screen and through WM_PRINT),
// its mouse handling with the system bar's notifications, and the system
// bar exactly as before once the scheme goes.
#include "bildschirm.h"
#include "dialog.h"
#include "farbgebung.h"
#include "scrollbar_kf.h"
#include "umgebung.h"

#include <vector>

namespace {

using Rollbalken = FensterTest;
using M = Scrollbar_KF::Masse;

TEST(RollbalkenMasse, TeileEntlangDerLeiste) {
    struct Fall {
        int32_t laenge, min, max;
        uint32_t seite;
        int32_t pos;
        bool an;
        M erwartet;
    };
    const Fall faelle[] = {
        {200, -2400, 0, 0, -2400, true, {16, 16, 16, 200}},   // at the start
        {200, -2400, 0, 0, 0, true, {16, 168, 16, 200}},      // at the end
        {200, -2400, 0, 0, -1200, true, {16, 92, 16, 200}},   // halfway: 136 free pixels
        {200, -2400, 0, 0, 99999, true, {16, 168, 16, 200}},  // beyond the range: at its end
        {232, 0, 99, 10, 90, true, {16, 196, 20, 232}},       // a page: 200 * 10 / 100
        {232, 0, 99, 1, 0, true, {16, 16, 6, 232}},           // a tiny page: the shortest thumb
        {200, -2400, 0, 0, -1200, false, {16, 16, 0, 200}},   // disabled: no thumb
        {20, 0, 10, 0, 5, true, {10, 10, 0, 20}},             // too short: half-length arrows
        {40, 0, 10, 0, 5, true, {16, 16, 0, 40}},             // no room for the thumb
        {200, 5, 5, 0, 5, true, {16, 16, 0, 200}},            // an empty range
    };
    for (const Fall& f : faelle) {
        const M m = Scrollbar_KF::masse_von(f.laenge, 16, f.min, f.max, f.seite, f.pos, f.an);
        EXPECT_EQ(f.erwartet.pfeil, m.pfeil) << f.laenge << " " << f.pos;
        EXPECT_EQ(f.erwartet.daumen, m.daumen) << f.laenge << " " << f.pos;
        EXPECT_EQ(f.erwartet.daumen_laenge, m.daumen_laenge) << f.laenge << " " << f.pos;
        EXPECT_EQ(f.erwartet.laenge, m.laenge) << f.laenge << " " << f.pos;
    }
    const M m = Scrollbar_KF::masse_von(200, 16, -2400, 0, 0, -1200, true);
    const Scrollbar_KF::Teil teile[] = {Scrollbar_KF::KEIN_TEIL, Scrollbar_KF::PFEIL_VOR,
                                        Scrollbar_KF::PFEIL_VOR, Scrollbar_KF::SEITE_VOR,
                                        Scrollbar_KF::DAUMEN, Scrollbar_KF::DAUMEN,
                                        Scrollbar_KF::SEITE_NACH, Scrollbar_KF::PFEIL_NACH,
                                        Scrollbar_KF::KEIN_TEIL};
    const int32_t stellen[] = {-1, 0, 15, 91, 92, 107, 108, 184, 200};
    for (size_t i = 0; i < sizeof stellen / sizeof *stellen; ++i)
        EXPECT_EQ(teile[i], Scrollbar_KF::teil_bei(m, stellen[i])) << stellen[i];
    // Every position comes back from where its thumb is drawn, when the
    // pixels are finer than the positions, and a thumb dragged beyond the
    // track stands for the ends.
    for (int32_t pos : {0, 1, 37, 98, 99}) {
        const M p = Scrollbar_KF::masse_von(232, 16, 0, 99, 0, pos, true);
        EXPECT_EQ(pos, Scrollbar_KF::pos_bei(p, p.daumen, 0, 99, 0)) << pos;
    }
    EXPECT_EQ(-2400, Scrollbar_KF::pos_bei(m, -50, -2400, 0, 0));
    EXPECT_EQ(0, Scrollbar_KF::pos_bei(m, 500, -2400, 0, 0));
    EXPECT_EQ(90, Scrollbar_KF::pos_bei(Scrollbar_KF::masse_von(232, 16, 0, 99, 10, 0, true), 500, 0, 99, 10));
}

// Records the scroll notifications it gets as (code, position).
class Eltern : public Dialog_F {
public:
    Eltern() : Dialog_F(nullptr, "D", 0, 0, 300, 260, NUR_FLAECHE) {}
    LRESULT wm_hscroll(uint16_t art, int16_t pos, LPARAM) override {
        meldungen.push_back({art, pos});
        return 0;
    }
    LRESULT wm_vscroll(uint16_t art, int16_t pos, LPARAM l) override { return wm_hscroll(art, pos, l); }
    std::vector<std::pair<int, int>> meldungen;
};

// The client pixels of a window painted through WM_PRINT into a bitmap,
// 0x00RRGGBB.
std::vector<uint32_t> gedruckt(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bild = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ alt = SelectObject(dc, bild);
    SendMessageA(h, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> pixel(p, p + static_cast<size_t>(r.right) * r.bottom);
    SelectObject(dc, alt);
    DeleteObject(bild);
    DeleteDC(dc);
    return pixel;
}

TEST_F(Rollbalken, ZeichnetImSchemaUndGibtDieSystemleisteZurueck) {
    Eltern d;
    Scrollbar_KF waag(&d, nullptr, 10, 10, 200, 16, KIND | SBS_HORZ);
    Scrollbar_KF senk(&d, nullptr, 250, 10, 16, 200, KIND | SBS_VERT);
    waag.setze_bereich(-2400, 0);
    waag.setze_pos(-1990);
    senk.setze_bereich(0, 100);
    ASSERT_TRUE(d.oeffnen(1));
    pumpen();
    const std::vector<uint32_t> system_waag = bildschirm_pixel(waag.hwnd), system_senk = bildschirm_pixel(senk.hwnd);

    Dialog_F::farbgebung_wechseln(d.hwnd, &ROT);
    pumpen();
    for (Scrollbar_KF* l : {&waag, &senk}) {
        EXPECT_GT(nur_rot(bildschirm_pixel(l->hwnd), "screen"), 8) << "the arrows are drawn";
        EXPECT_GT(nur_rot(gedruckt(l->hwnd), "printed"), 8);
    }
    // Moving the thumb and disabling the bar do not let the system draw.
    const std::vector<uint32_t> vorher = bildschirm_pixel(waag.hwnd);
    waag.setze_pos(-100);
    pumpen();
    EXPECT_NE(vorher, bildschirm_pixel(waag.hwnd)) << "the thumb moved";
    nur_rot(bildschirm_pixel(waag.hwnd), "moved");
    EnableWindow(senk.hwnd, FALSE);
    pumpen();
    EXPECT_EQ(0, nur_rot(bildschirm_pixel(senk.hwnd), "disabled")) << "grey arrows, no thumb";
    EnableWindow(senk.hwnd, TRUE);

    Dialog_F::farbgebung_wechseln(d.hwnd, nullptr);
    waag.setze_pos(-1990);
    pumpen();
    EXPECT_EQ(system_waag, bildschirm_pixel(waag.hwnd));
    EXPECT_EQ(system_senk, bildschirm_pixel(senk.hwnd));
}

// The mouse on the scheme's bar: arrows and track step, the thumb is
// dragged and tracked, each press ends with SB_ENDSCROLL, as the system
// bar reports them.
TEST_F(Rollbalken, MausImSchemaMeldetWieDasSystem) {
    Eltern d;
    Scrollbar_KF waag(&d, nullptr, 10, 10, 200, 16, KIND | SBS_HORZ);
    waag.setze_bereich(-2400, 0);
    waag.setze_pos(-1200);  // the thumb in the middle
    ASSERT_TRUE(d.oeffnen(1));
    Dialog_F::farbgebung_wechseln(d.hwnd, &ROT);
    pumpen();
    using P = std::vector<std::pair<int, int>>;
    struct Fall {
        int32_t x;
        P erwartet;
    };
    const Fall faelle[] = {
        {5, P{{SB_LINELEFT, 0}, {SB_ENDSCROLL, 0}}},
        {195, P{{SB_LINERIGHT, 0}, {SB_ENDSCROLL, 0}}},
        {40, P{{SB_PAGELEFT, 0}, {SB_ENDSCROLL, 0}}},
        {150, P{{SB_PAGERIGHT, 0}, {SB_ENDSCROLL, 0}}},
    };
    for (const Fall& f : faelle) {
        d.meldungen.clear();
        SendMessageA(waag.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(f.x, 8));
        SendMessageA(waag.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(f.x, 8));
        EXPECT_EQ(f.erwartet, d.meldungen) << f.x;
        EXPECT_EQ(nullptr, GetCapture()) << f.x;
    }
    // The thumb gripped 8 pixels into it and dragged 34 pixels right, the
    // real pointer there too (its moves reach the bar while it holds it).
    const int32_t dicke = GetSystemMetrics(SM_CXHSCROLL);
    const M m = Scrollbar_KF::masse_von(200, dicke, -2400, 0, 0, -1200, true);
    const int32_t ziel = Scrollbar_KF::pos_bei(m, m.daumen + 34, -2400, 0, 0);
    EXPECT_NEAR(-1200 + 34 * 2400 / (200 - 3 * dicke), ziel, 2400 / (200 - 3 * dicke) + 1) << "within a pixel";
    d.meldungen.clear();
    SendMessageA(waag.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(m.daumen + 8, 8));
    EXPECT_EQ(waag.hwnd, GetCapture());
    POINT zeiger{m.daumen + 42, 40};  // beside the bar too
    ClientToScreen(waag.hwnd, &zeiger);
    SetCursorPos(zeiger.x, zeiger.y);
    SendMessageA(waag.hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(m.daumen + 42, 40));
    pumpen();
    // While dragged the thumb is drawn where the pointer holds it.
    const std::vector<uint32_t> gezogen = bildschirm_pixel(waag.hwnd);
    nur_rot(gezogen, "dragged");
    EXPECT_EQ(ROT.schatten & 0xFF, gezogen[8 * 200 + m.daumen + 42] >> 16) << "the thumb's face";
    EXPECT_EQ(ROT.feld & 0xFF, gezogen[8 * 200 + m.daumen + 4] >> 16) << "the track where it was";
    SendMessageA(waag.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(m.daumen + 42, 40));
    EXPECT_EQ((P{{SB_THUMBTRACK, ziel}, {SB_THUMBPOSITION, ziel}, {SB_ENDSCROLL, 0}}), d.meldungen);
    EXPECT_EQ(nullptr, GetCapture());
    // A press off the bar starts nothing.
    d.meldungen.clear();
    SendMessageA(waag.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 8));
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(nullptr, GetCapture());
    Dialog_F::farbgebung_wechseln(d.hwnd, nullptr);
}

}  // namespace
