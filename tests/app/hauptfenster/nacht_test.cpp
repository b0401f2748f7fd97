// Night mode in the real main window: Strg+N switches it, every colour the
// chart, the overview, the panel and the popup use is then red (green and
// blue at most a small share of it) and never brighter than the chart's
// brightest star, and switching back restores the screen colours exactly.
#include "programm_umgebung.h"

#include <cstring>
#include <vector>

#include "bedienfeld/tasten_leiste.h"
#include "bildschirm.h"
#include "combobox_kf.h"
#include "edit_kf.h"
#include "farbgebung.h"
#include "menue/menue.h"
#include "nachtfarbe.h"
#include "start/programm.h"
#include "zeigen/roter_zeiger.h"

namespace {

using Nachtmodus = ProgrammTest;

// Green and blue at most an eighth of red, red at most the night's brightest.
void ist_nachtrot(COLORREF c, const char* was) {
    const int32_t r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    EXPECT_LE(8 * g, r) << was << " " << std::hex << c;
    EXPECT_LE(8 * b, r) << was << " " << std::hex << c;
    EXPECT_LE(r, NACHT_ROT_MAX) << was << " " << std::hex << c;
}

// The colours a dialog gives its controls for one WM_CTLCOLOR... message.
void antwort_pruefen(HWND dialog, UINT nachricht, HWND kontrolle) {
    HDC dc = GetDC(dialog);
    const HBRUSH pinsel = reinterpret_cast<HBRUSH>(
        SendMessageA(dialog, nachricht, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(kontrolle)));
    ASSERT_NE(nullptr, pinsel) << nachricht;
    LOGBRUSH lb{};
    GetObjectA(pinsel, sizeof lb, &lb);
    ist_nachtrot(lb.lbColor, "background");
    ist_nachtrot(GetTextColor(dc), "text");
    ist_nachtrot(GetBkColor(dc), "text background");
    ReleaseDC(dialog, dc);
}

// The controls the system would draw in its own colours (thumbs, arrows,
// drop buttons, selections): drawn by the library in night mode.
std::vector<HWND> eigene_kontrollen(Himmel_DF& f) {
    std::vector<HWND> h{f.rekt_leiste->hwnd, f.dekl_leiste->hwnd, f.feld_leiste->hwnd,
                        f.monat_wahl->hwnd, f.zeit_wahl->hwnd, f.ort_wahl->hwnd};
    for (const auto& l : f.ebenen_leisten) h.push_back(l->hwnd);
    return h;
}

MENUITEMINFOA punkt(HMENU menue, UINT stelle) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    GetMenuItemInfoA(menue, stelle, TRUE, &info);
    return info;
}

// An item of the menu as the window draws it, checked and selected by
// turns, onto a canvas: every pixel night red.
void menuepunkt_pruefen(HWND fenster, HMENU menue, UINT stelle) {
    const MENUITEMINFOA info = punkt(menue, stelle);
    ASSERT_NE(0u, info.fType & MFT_OWNERDRAW) << stelle;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, 200, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bild = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ alt = SelectObject(dc, bild);
    for (UINT zustand : {0u, static_cast<UINT>(ODS_CHECKED), static_cast<UINT>(ODS_SELECTED | ODS_CHECKED), static_cast<UINT>(ODS_GRAYED)}) {
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_MENU;
        d.itemState = zustand;
        d.hwndItem = reinterpret_cast<HWND>(menue);
        d.hDC = dc;
        d.rcItem = {0, 0, 200, 20};
        d.itemData = info.dwItemData;
        ASSERT_EQ(TRUE, SendMessageA(fenster, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)));
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        int32_t rot = 0;
        for (int32_t i = 0; i < 200 * 20; ++i) {
            ist_nachtrot(RGB(p[i] >> 16 & 0xFF, p[i] >> 8 & 0xFF, p[i] & 0xFF), "menu pixel");
            rot += (p[i] >> 16 & 0xFF) > 60;
        }
        EXPECT_GT(rot, 20) << "the text is drawn, state " << zustand;
    }
    SelectObject(dc, alt);
    DeleteObject(bild);
    DeleteDC(dc);
}

// The colour of a class background: a system colour's number + 1, or a
// brush (Wine may hand back the system colour's brush for the number).
COLORREF grundfarbe(ULONG_PTR wert) {
    if (wert <= COLOR_MENUBAR + 1) return GetSysColor(static_cast<int>(wert) - 1);
    LOGBRUSH lb{};
    GetObjectA(reinterpret_cast<HBRUSH>(wert), sizeof lb, &lb);
    return lb.lbColor;
}

void strg_n(Instanz& instanz, HWND fokus) {
    BYTE tasten[256];
    GetKeyboardState(tasten);
    tasten[VK_CONTROL] = 0x80;
    SetKeyboardState(tasten);
    PostMessageA(fokus, WM_KEYDOWN, 'N', 0);
    wie_main_pumpen(instanz);
    tasten[VK_CONTROL] = 0;
    SetKeyboardState(tasten);
}

TEST_F(Nachtmodus, StrgNMachtAllesRotUndZurueck) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& f = *hauptfenster;
    bis_ruhe(f);
    uint32_t karte_vorher[256], uebersicht_vorher[256];
    for (int32_t i = 0; i < 256; ++i) {
        karte_vorher[i] = f.karte_bild.farbe(i);
        uebersicht_vorher[i] = f.uebersicht_bild.farbe(i);
    }
    const HMENU menue = GetMenu(f.hwnd);
    ASSERT_EQ(0u, GetMenuState(menue, BEFEHL_NACHTMODUS, MF_BYCOMMAND) & MF_CHECKED);
    const ULONG_PTR grund_vorher = GetClassLongPtrA(f.hwnd, GCLP_HBRBACKGROUND);
    SetFocus(f.ort_wahl->hwnd);  // the field selected, in the highlight colours
    wie_main_pumpen(*instanz);
    std::vector<std::vector<uint32_t>> system_pixel;
    for (HWND h : eigene_kontrollen(f)) system_pixel.push_back(bildschirm_pixel(h));

    strg_n(*instanz, f.ort_wahl->hwnd);
    EXPECT_EQ(1, f.darstellung.nacht);
    EXPECT_NE(0u, GetMenuState(menue, BEFEHL_NACHTMODUS, MF_BYCOMMAND) & MF_CHECKED);
    for (int32_t i = 0; i < 256; ++i) {
        ASSERT_EQ(nachtfarbe(karte_vorher[i]), f.karte_bild.farbe(i)) << "chart entry " << i;
        ASSERT_EQ(nachtfarbe(uebersicht_vorher[i]), f.uebersicht_bild.farbe(i)) << "overview entry " << i;
    }
    const Farbgebung* farben = farbgebung();
    ASSERT_NE(nullptr, farben);
    for (COLORREF c : {farben->flaeche, farben->feld, farben->text, farben->schatten, farben->hell, farben->grau})
        ist_nachtrot(c, "scheme");
    ist_nachtrot(grundfarbe(GetClassLongPtrA(f.hwnd, GCLP_HBRBACKGROUND)), "panel background");
    antwort_pruefen(f.hwnd, WM_CTLCOLOREDIT, f.rekt_anzeige->hwnd);
    antwort_pruefen(f.hwnd, WM_CTLCOLORSTATIC, f.rekt_anzeige->hwnd);
    antwort_pruefen(f.hwnd, WM_CTLCOLORLISTBOX, f.ort_wahl->hwnd);
    antwort_pruefen(f.hwnd, WM_CTLCOLORSCROLLBAR, f.feld_leiste->hwnd);
    for (HWND h : eigene_kontrollen(f)) EXPECT_EQ(0, nicht_nachtrot(h)) << "control " << h;
    menuepunkt_pruefen(f.hwnd, menue, 0);                 // "Karte" in the bar
    const HMENU karte = GetSubMenu(menue, 0);
    UINT nacht = 0;
    while (GetMenuItemID(karte, static_cast<int>(nacht)) != BEFEHL_NACHTMODUS) ++nacht;
    menuepunkt_pruefen(f.hwnd, karte, nacht);  // "Nachtmodus", checked
    MENUINFO mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIM_BACKGROUND;
    ASSERT_TRUE(GetMenuInfo(GetSubMenu(menue, 2), &mi));
    LOGBRUSH menuegrund{};
    GetObjectA(mi.hbrBack, sizeof menuegrund, &menuegrund);
    ist_nachtrot(menuegrund.lbColor, "menu background");

    strg_n(*instanz, f.ort_wahl->hwnd);
    EXPECT_EQ(0, f.darstellung.nacht);
    EXPECT_EQ(nullptr, farbgebung());
    for (int32_t i = 0; i < 256; ++i) {
        ASSERT_EQ(karte_vorher[i], f.karte_bild.farbe(i)) << "chart entry " << i;
        ASSERT_EQ(uebersicht_vorher[i], f.uebersicht_bild.farbe(i)) << "overview entry " << i;
    }
    EXPECT_EQ(grundfarbe(grund_vorher), grundfarbe(GetClassLongPtrA(f.hwnd, GCLP_HBRBACKGROUND)));
    // The system draws the controls again, pixel for pixel as before.
    SetFocus(f.ort_wahl->hwnd);
    wie_main_pumpen(*instanz);
    const std::vector<HWND> kontrollen = eigene_kontrollen(f);
    for (size_t i = 0; i < kontrollen.size(); ++i) EXPECT_EQ(system_pixel[i], bildschirm_pixel(kontrollen[i])) << i;
    // The system draws the menus again, with their texts and checks.
    for (HMENU m : {menue, GetSubMenu(menue, 0), GetSubMenu(menue, 1)}) EXPECT_EQ(0u, punkt(m, 0).fType & MFT_OWNERDRAW);
    char text[40] = "";
    GetMenuStringA(menue, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&Karte", text);
    EXPECT_EQ(0u, GetMenuState(menue, BEFEHL_NACHTMODUS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_NE(0u, GetMenuState(menue, BEFEHL_KOERPER, MF_BYCOMMAND) & MF_CHECKED);
}

// A red cursor keeps the monochrome one's size, hot spot and mask; its
// colour is red where the old one was white and nothing green or blue.
TEST(RoterZeiger, WeissWirdRot) {
    HMODULE modul = GetModuleHandleA(nullptr);
    for (const char* name : {"Stern", "Sternbild"}) {
        HCURSOR einfarbig = LoadCursorA(modul, name);
        ASSERT_NE(nullptr, einfarbig) << name;
        HCURSOR rot = roter_zeiger(einfarbig, RGB(160, 0, 0));
        ASSERT_NE(nullptr, rot) << name;
        ICONINFO alt{}, neu{};
        ASSERT_TRUE(GetIconInfo(einfarbig, &alt));
        ASSERT_TRUE(GetIconInfo(rot, &neu));
        EXPECT_EQ(alt.xHotspot, neu.xHotspot);
        EXPECT_EQ(alt.yHotspot, neu.yHotspot);
        ASSERT_NE(nullptr, neu.hbmColor) << "a colour cursor";
        BITMAP b{};
        GetObjectA(neu.hbmColor, sizeof b, &b);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof bi.bmiHeader, b.bmWidth, -b.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<uint32_t> pixel(static_cast<size_t>(b.bmWidth) * b.bmHeight);
        HDC dc = GetDC(nullptr);
        ASSERT_EQ(b.bmHeight, GetDIBits(dc, neu.hbmColor, 0, b.bmHeight, pixel.data(), &bi, DIB_RGB_COLORS));
        ReleaseDC(nullptr, dc);
        int32_t rote = 0;
        for (uint32_t p : pixel) {
            const uint32_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, bl = p & 0xFF;
            if (p == 0xFFFFFF || p == 0) continue;  // inverting or transparent, black
            EXPECT_EQ(0u, g | bl) << std::hex << p;
            rote += r == 160;
        }
        EXPECT_GT(rote, 10) << name;
        for (HBITMAP h : {alt.hbmMask, alt.hbmColor, neu.hbmMask, neu.hbmColor})
            if (h) DeleteObject(h);
        DestroyCursor(rot);
    }
    EXPECT_EQ(nullptr, roter_zeiger(nullptr, RGB(160, 0, 0)));
}

}  // namespace
