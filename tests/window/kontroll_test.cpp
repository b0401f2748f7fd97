// Controls: the caption syntax, label columns, the 3-D frame, scroll bars,
// list requests and the canvas pane.
#include "bitmap_kf.h"
#include "combobox_kf.h"
#include "dib.h"
#include "dib_kf.h"
#include "dialog.h"
#include "edit_kf.h"
#include "listbox_kf.h"
#include "scrollbar_kf.h"
#include "text_kf.h"
#include "umgebung.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using Kontrolle = FensterTest;

TEST_F(Kontrolle, BeschriftungssyntaxPlatziertUndBenennt) {
    struct Fall {
        const char* text;
        int32_t x, y;             // where the control ends up (given: 10, 20)
        int32_t beschriftung;     // label width, -1: no label
        const char* titel;
    };
    const Fall faelle[] = {
        {"Name#", 110, 20, 100, nullptr},
        {"Name_#", 10, 35, 100, nullptr},       // label above: 15 lower, x unchanged
        {"A|B#C", 210, 20, 200, nullptr},       // "#" begins field 2; one "#": no title
        {"|Feld#", 210, 20, 200, nullptr},
        {"Wert#Titel#", 110, 20, 200, "Titel"},
        {"OK", 10, 20, -1, "OK"},               // no "#": no label, the whole text is the title
        {"#", 10, 20, -1, nullptr},             // one character: no label
        {"##", 10, 20, 200, nullptr},           // empty title
        {"", 10, 20, -1, nullptr},
        {"a|b|c|d|e|f|g|h|i|j|k|l#", 910, 20, 900, nullptr},  // beyond the last column
    };
    Dialog_F d(nullptr, "D", 0, 0, 300, 200, NUR_FLAECHE);
    for (const Fall& f : faelle) {
        Edit_KF e(&d, f.text, 10, 20, 80, 20, KIND);
        RECT r;
        e.masse_orig(r);
        EXPECT_EQ(r.left, f.x) << f.text;
        EXPECT_EQ(r.top, f.y) << f.text;
        Text_KF* b = e.beschriftung_von();
        if (f.beschriftung < 0) {
            EXPECT_EQ(b, nullptr) << f.text;
        } else {
            ASSERT_NE(b, nullptr) << f.text;
            b->masse_orig(r);
            EXPECT_EQ(r.left, 10) << f.text;
            EXPECT_EQ(r.top, 20) << f.text;
            EXPECT_EQ(r.right - r.left + 1, f.beschriftung) << f.text;
        }
        if (f.titel) EXPECT_STREQ(e.titel_text(), f.titel) << f.text;
        else EXPECT_EQ(e.titel_text(), nullptr) << f.text;
    }
    EXPECT_EQ(d.kinder().anzahl(), 0);  // controls and labels left the dialog again
}

TEST_F(Kontrolle, TextspaltenAnDenTabulatoren) {
    struct Fall {
        const char* text;
        std::vector<std::string> spalten;
    };
    const Fall faelle[] = {
        {"A|B#C", {"A", "B", "", "C"}},
        {"Name_#", {"Name", ""}},            // the control stands below: no column skipped
        {"  a  \tb  ", {"  a", "b"}},         // blanks at the end go
        {"#X", {"", "X"}},                   // a "#" at the start skips nothing
        {"", {""}},
        {"0|1|2|3|4|5|6|7|8|9|10|11", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    };
    Dialog_F d(nullptr, "D", 0, 0, 300, 200, NUR_FLAECHE);
    for (const Fall& f : faelle) {
        Text_KF t(&d, f.text, 0, 0, 300, 20, KIND);
        std::vector<std::string> spalten;
        for (int32_t n = 0; t.spalte(n); ++n) spalten.push_back(t.spalte(n));
        EXPECT_EQ(spalten, f.spalten) << f.text;
    }
}

TEST_F(Kontrolle, GleicherTextZeichnetNichtNeu) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 100, NUR_FLAECHE);
    Text_KF t(&d, "Rektaszension#", 10, 10, 200, 20, KIND);
    ASSERT_TRUE(d.oeffnen(1));
    pumpen();
    ValidateRect(t.hwnd, nullptr);
    ValidateRect(d.hwnd, nullptr);
    t.sm_settext("Rektaszension#");
    EXPECT_FALSE(GetUpdateRect(t.hwnd, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(d.hwnd, nullptr, FALSE));
    t.sm_settext("Deklination#");
    EXPECT_TRUE(GetUpdateRect(t.hwnd, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(d.hwnd, nullptr, FALSE));  // its place in the parent too
    EXPECT_STREQ(t.spalte(0), "Deklination");
}

TEST_F(Kontrolle, BeschriftungLiegtUntenUndWirdMitAbgeschaltet) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 100, NUR_FLAECHE);
    Edit_KF feld(&d, "Feld des Blickfelds#", 10, 10, 80, 20, KIND | WS_BORDER);
    ASSERT_TRUE(d.oeffnen(1));
    Text_KF* b = feld.beschriftung_von();
    ASSERT_TRUE(b && b->hwnd);
    EXPECT_EQ(GetWindow(d.hwnd, GW_CHILD), feld.hwnd);  // the control above its label
    EXPECT_EQ(GetWindow(feld.hwnd, GW_HWNDNEXT), b->hwnd);
    feld.an(0);
    EXPECT_FALSE(IsWindowEnabled(feld.hwnd));
    EXPECT_EQ(b->ist_an(), 0);
    EXPECT_TRUE(IsWindowEnabled(b->hwnd));  // painted grey, but still enabled
    feld.an(1);
    EXPECT_TRUE(IsWindowEnabled(feld.hwnd));
    EXPECT_EQ(b->ist_an(), 1);
}

// The frame drawn into a bitmap, read back pixel by pixel.
class Rahmenbild {
public:
    Rahmenbild(int32_t b, int32_t h) : b(b), h(h) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = b;
        info.bmiHeader.biHeight = -h;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        alt = SelectObject(dc, bitmap);
        memset(bits, 0x7F, static_cast<size_t>(b) * h * 4);
    }
    ~Rahmenbild() {
        SelectObject(dc, alt);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF punkt(int32_t x, int32_t y) const {
        const uint32_t p = bits[y * b + x];  // 0x00RRGGBB
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int32_t b, h;
    HDC dc;

private:
    HBITMAP bitmap;
    HGDIOBJ alt;
    uint32_t* bits = nullptr;
};

TEST_F(Kontrolle, DreiDRahmenLinien) {
    Rahmenbild bild(100, 20);
    Kontroll_F::dreiD_zeichnen(bild.dc, 100, 20, 1);
    const COLORREF flaeche = GetSysColor(COLOR_BTNFACE);
    auto halb = [](int c) { return c + (255 - c) / 2; };
    const COLORREF hell = RGB(halb(GetRValue(flaeche)), halb(GetGValue(flaeche)), halb(GetBValue(flaeche)));
    const COLORREF dunkel = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF fenster = GetSysColor(COLOR_WINDOW);
    const COLORREF schwarz = RGB(0, 0, 0);
    struct Linie {
        int32_t x1, y1, x2, y2;  // both ends included
        COLORREF farbe;
    };
    const Linie linien[] = {
        {0, 19, 99, 19, hell},  {99, 0, 99, 18, hell},      // outermost light line
        {0, 0, 98, 0, dunkel},  {0, 1, 0, 18, dunkel},      // outer shadow
        {1, 1, 97, 1, schwarz}, {1, 2, 1, 17, schwarz},     // inner shadow
        {1, 18, 97, 18, flaeche}, {98, 1, 98, 17, flaeche},  // inner light
        {2, 2, 96, 2, fenster}, {2, 3, 2, 16, fenster},     // edit fields: window colour
        {2, 17, 96, 17, fenster}, {97, 2, 97, 16, fenster},
    };
    for (const Linie& l : linien) {
        for (int32_t x = l.x1; x <= l.x2; ++x) {
            for (int32_t y = l.y1; y <= l.y2; ++y) {
                ASSERT_EQ(bild.punkt(x, y), l.farbe) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(bild.punkt(3, 3), RGB(0x7F, 0x7F, 0x7F));  // the inside is left alone
}

TEST_F(Kontrolle, RahmenStattSystemrandImNichtklientenbereich) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 200, NUR_FLAECHE);
    Edit_KF edit(&d, nullptr, 10, 10, 100, 20, KIND | WS_BORDER);
    Listbox_KF liste(&d, nullptr, 10, 40, 100, 60, KIND | WS_BORDER | LBS_NOINTEGRALHEIGHT);
    Edit_KF ohne(&d, nullptr, 120, 10, 100, 20, KIND);
    ASSERT_TRUE(d.oeffnen(1));
    pumpen();
    struct Fall {
        Fenster* f;
        int32_t b, h;
    };
    for (const Fall& f : {Fall{&edit, 94, 14}, Fall{&liste, 96, 56}, Fall{&ohne, 100, 20}}) {
        RECT r;
        GetClientRect(f.f->hwnd, &r);
        EXPECT_EQ(r.right, f.b);
        EXPECT_EQ(r.bottom, f.h);
        EXPECT_FALSE(GetWindowLongA(f.f->hwnd, GWL_STYLE) & WS_BORDER);
    }
    // The frame is on the screen: the outermost light line of the edit field.
    HDC dc = GetWindowDC(edit.hwnd);
    const COLORREF unten = GetPixel(dc, 50, 19);
    const COLORREF oben = GetPixel(dc, 50, 0);
    ReleaseDC(edit.hwnd, dc);
    EXPECT_EQ(oben, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_NE(unten, oben);
}

TEST_F(Kontrolle, RollbalkenBehaeltBereichUndPositionOhneFenster) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 200, NUR_FLAECHE);
    Scrollbar_KF leiste(&d, nullptr, 10, 10, 200, 16, KIND | SBS_HORZ);
    int32_t mini = 0, maxi = 0;
    leiste.bereich(mini, maxi);
    EXPECT_EQ(mini, -32000);
    EXPECT_EQ(maxi, 32000);
    EXPECT_EQ(leiste.pos(), 0);
    leiste.setze_bereich(-2400, 0);
    leiste.setze_pos(-1990);
    EXPECT_EQ(leiste.pos(), -1990);
    ASSERT_TRUE(d.oeffnen(1));
    int mn = 0, mx = 0;
    GetScrollRange(leiste.hwnd, SB_CTL, &mn, &mx);
    EXPECT_EQ(mn, -2400);
    EXPECT_EQ(mx, 0);
    EXPECT_EQ(GetScrollPos(leiste.hwnd, SB_CTL), -1990);
    leiste.setze_pos(-300);
    EXPECT_EQ(GetScrollPos(leiste.hwnd, SB_CTL), -300);
    leiste.setze_pos(50);  // beyond the range: kept at its end, as on the control
    EXPECT_EQ(leiste.pos(), 0);
    EXPECT_EQ(GetScrollPos(leiste.hwnd, SB_CTL), 0);
    leiste.setze_bereich(-180, -3);
    EXPECT_EQ(leiste.pos(), -3);
}

TEST_F(Kontrolle, ListenAnfragen) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 300, NUR_FLAECHE);
    Combobox_KF wahl(&d, nullptr, 10, 10, 150, 200, KIND | CBS_DROPDOWNLIST | WS_VSCROLL | WS_BORDER);
    Listbox_KF liste(&d, nullptr, 170, 10, 100, 100, KIND | WS_BORDER);
    Text_KF text(&d, "x", 10, 250, 50, 20, KIND);
    ASSERT_TRUE(d.oeffnen(1));
    const LPARAM gross = static_cast<LPARAM>(sizeof(LPARAM) == 8 ? 0x123456789ABCLL : 0x12345678);
    for (Fenster* f : {static_cast<Fenster*>(&wahl), static_cast<Fenster*>(&liste)}) {
        EXPECT_EQ(f->addstring("  1. Januar"), 0);
        EXPECT_EQ(f->addstring("15. Januar"), 1);
        EXPECT_EQ(f->getcount(), 2);
        f->setcursel(1);
        EXPECT_EQ(f->getcursel(), 1);
        f->setitemdata(1, gross);
        EXPECT_EQ(f->getitemdata(1), gross);
    }
    char puffer[8] = "frei";
    EXPECT_EQ(wahl.getlbtext(0, puffer, sizeof puffer), -1);  // 11 characters do not fit
    EXPECT_STREQ(puffer, "frei");
    EXPECT_EQ(wahl.getlbtext(1, puffer, 3), -1);
    char gross_genug[32];
    EXPECT_EQ(wahl.getlbtext(1, gross_genug, sizeof gross_genug), 10);
    EXPECT_STREQ(gross_genug, "15. Januar");
    EXPECT_EQ(wahl.getlbtext(5, gross_genug, sizeof gross_genug), -1);
    EXPECT_EQ(liste.gettext(0, gross_genug, sizeof gross_genug), 11);
    EXPECT_EQ(liste.gettext(0, puffer, sizeof puffer), -1);
    EXPECT_EQ(text.addstring("nein"), -1);  // a label has no list
    EXPECT_EQ(text.getcursel(), -1);
}

TEST_F(Kontrolle, BildGroesseMitUndOhneRand) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 200, NUR_FLAECHE);
    Bitmap_KF ohne(&d, nullptr, 0, 0, 10, 10, KIND);
    Bitmap_KF mit(&d, nullptr, 100, 0, 10, 10, KIND | WS_BORDER);
    HDC schirm = GetDC(nullptr);
    HBITMAP bild = CreateCompatibleBitmap(schirm, 64, 48);
    ReleaseDC(nullptr, schirm);
    ohne.setze_bild(bild);
    mit.setze_bild(bild);
    mit.setze_bild(nullptr);  // ignored
    RECT r;
    ohne.masse_orig(r);
    EXPECT_EQ(r.right - r.left + 1, 64);
    EXPECT_EQ(r.bottom - r.top + 1, 48);
    mit.masse_orig(r);
    EXPECT_EQ(r.right - r.left + 1, 68);
    EXPECT_EQ(r.bottom - r.top + 1, 52);
    ASSERT_TRUE(d.oeffnen(1));
    RECT client;
    GetClientRect(mit.hwnd, &client);
    EXPECT_EQ(client.right, 64);  // the frame takes the 4 pixels
    d.destroy_window();
    DeleteObject(bild);
}

TEST_F(Kontrolle, DIBFensterKopiertSeineLeinwand) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 200, NUR_FLAECHE);
    DIB_KF feld(&d, nullptr, 10, 10, 60, 40, KIND);
    DIB bild;
    ASSERT_EQ(bild.erzeugen(60, 40, 8, 0, 0), 0);
    bild.farbe_setzen(1, 0x0000FF);  // red
    bild.farbe_setzen(2, 0xFF0000);  // blue
    bild.fuellen(1);
    bild.spanne(0, 59, 0, 2);        // the bottom row
    EXPECT_EQ(feld.setze_dib(nullptr), nullptr);
    EXPECT_EQ(feld.setze_dib(&bild), &bild);
    EXPECT_EQ(feld.setze_dib(nullptr), &bild);  // only asks
    ASSERT_TRUE(d.oeffnen(1));
    pumpen();
    HDC dc = GetDC(feld.hwnd);
    EXPECT_EQ(GetPixel(dc, 30, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 30, 39), RGB(0, 0, 255));
    bild.fuellen(2);
    feld.neu_ausgeben();
    EXPECT_EQ(GetPixel(dc, 30, 10), RGB(0, 0, 255));
    ReleaseDC(feld.hwnd, dc);
}

}  // namespace
