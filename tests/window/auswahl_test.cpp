// The drop-down list draws its items itself: without a colour scheme pixel
// for pixel as the system draws a list that is not owner-drawn (closed,
// focused, dropped down), in a scheme with field, selection and drop
// button in its reds. A push button likewise: owner-drawn in the scheme
// only, the system's button as before after it.
#include "bildschirm.h"
#include "combobox_kf.h"
#include "dialog.h"
#include "farbgebung.h"
#include "taster_kf.h"
#include "umgebung.h"

#include <string>
#include <vector>

namespace {

using Auswahl = FensterTest;

HWND aufgeklappt(HWND wahl) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(wahl, &info);
    return info.hwndList;
}

constexpr DWORD LISTE = KIND | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

TEST_F(Auswahl, OhneSchemaWieDasSystem) {
    Dialog_F d(nullptr, "D", 0, 0, 400, 300, NUR_FLAECHE);
    Combobox_KF eigen(&d, nullptr, 10, 10, 150, 200, LISTE);
    ASSERT_TRUE(d.oeffnen(1));
    ASSERT_NE(0, GetWindowLongA(eigen.hwnd, GWL_STYLE) & CBS_OWNERDRAWFIXED);
    HWND system = CreateWindowExA(0, "combobox", "", LISTE, 200, 10, 150, 200, d.hwnd, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, system);
    SendMessageA(system, WM_SETFONT, SendMessageA(eigen.hwnd, WM_GETFONT, 0, 0), TRUE);
    for (const char* t : {"Januar", "Februar", "März", "April"}) {
        eigen.addstring(t);
        SendMessageA(system, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    }
    eigen.setcursel(2);
    SendMessageA(system, CB_SETCURSEL, 2, 0);
    SetFocus(d.hwnd);
    pumpen();
    EXPECT_EQ(bildschirm_pixel(system), bildschirm_pixel(eigen.hwnd)) << "closed";
    for (HWND h : {system, eigen.hwnd}) {
        SetFocus(h);
        pumpen();
    }
    SetFocus(eigen.hwnd);
    pumpen();
    const std::vector<uint32_t> eigen_fokus = bildschirm_pixel(eigen.hwnd);
    SetFocus(system);
    pumpen();
    EXPECT_EQ(bildschirm_pixel(system), eigen_fokus) << "focused";
    EXPECT_EQ(SendMessageA(system, CB_GETITEMHEIGHT, 0, 0), SendMessageA(eigen.hwnd, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(SendMessageA(system, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0),
              SendMessageA(eigen.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    // The pointer away from the lists, whose item under it would light up.
    SetCursorPos(700, 550);
    SendMessageA(system, CB_SHOWDROPDOWN, TRUE, 0);
    pumpen();
    const std::vector<uint32_t> system_offen = bildschirm_pixel(aufgeklappt(system));
    SendMessageA(system, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageA(eigen.hwnd, CB_SHOWDROPDOWN, TRUE, 0);
    pumpen();
    EXPECT_EQ(system_offen, bildschirm_pixel(aufgeklappt(eigen.hwnd))) << "dropped down";
    SendMessageA(eigen.hwnd, CB_SHOWDROPDOWN, FALSE, 0);
    DestroyWindow(system);
}

TEST_F(Auswahl, ImSchemaRotUndDanachWieVorher) {
    Dialog_F d(nullptr, "D", 0, 0, 400, 300, NUR_FLAECHE);
    Combobox_KF wahl(&d, nullptr, 10, 10, 150, 200, LISTE);
    ASSERT_TRUE(d.oeffnen(1));
    // More than the dropped list shows: its scroll bar in the scheme too.
    for (int32_t i = 0; i < 40; ++i) wahl.addstring(std::to_string(i).c_str());
    wahl.setcursel(2);
    SetFocus(wahl.hwnd);  // the field selected
    pumpen();
    const std::vector<uint32_t> vorher = bildschirm_pixel(wahl.hwnd);

    Dialog_F::farbgebung_wechseln(d.hwnd, &ROT);
    pumpen();
    EXPECT_GT(nur_rot(bildschirm_pixel(wahl.hwnd), "field and button"), 20) << "text and arrow";
    SetCursorPos(700, 550);
    SendMessageA(wahl.hwnd, CB_SHOWDROPDOWN, TRUE, 0);
    pumpen();
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    ASSERT_TRUE(GetScrollBarInfo(aufgeklappt(wahl.hwnd), OBJID_VSCROLL, &sbi));
    EXPECT_EQ(0u, sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE) << "a scroll bar";
    EXPECT_GT(nur_rot(bildschirm_pixel(aufgeklappt(wahl.hwnd)), "list"), 40) << "the items' texts";
    // Scrolled by the system, its bar drawn over again.
    SendMessageA(aufgeklappt(wahl.hwnd), WM_VSCROLL, SB_PAGEDOWN, 0);
    pumpen();
    EXPECT_GT(nur_rot(bildschirm_pixel(aufgeklappt(wahl.hwnd)), "scrolled list"), 40);
    SendMessageA(wahl.hwnd, CB_SHOWDROPDOWN, FALSE, 0);
    SetFocus(wahl.hwnd);

    Dialog_F::farbgebung_wechseln(d.hwnd, nullptr);
    pumpen();
    EXPECT_EQ(vorher, bildschirm_pixel(wahl.hwnd));
}

TEST_F(Auswahl, TasterImSchemaSelbstGezeichnet) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 100, NUR_FLAECHE);
    Taster_KF taster(&d, "&Zentrieren", 10, 10, 100, 25, KIND | WS_TABSTOP);
    ASSERT_TRUE(d.oeffnen(1));
    SetFocus(d.hwnd);
    pumpen();
    const LONG stil = GetWindowLongA(taster.hwnd, GWL_STYLE);
    const std::vector<uint32_t> vorher = bildschirm_pixel(taster.hwnd);
    for (bool fokus : {false, true}) {
        SetFocus(fokus ? taster.hwnd : d.hwnd);
        Dialog_F::farbgebung_wechseln(d.hwnd, &ROT);
        pumpen();
        EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(taster.hwnd, GWL_STYLE) & BS_TYPEMASK);
        EXPECT_GT(nur_rot(bildschirm_pixel(taster.hwnd), "button"), 20) << "the caption";
        Dialog_F::farbgebung_wechseln(d.hwnd, nullptr);
    }
    SetFocus(d.hwnd);
    pumpen();
    EXPECT_EQ(stil, GetWindowLongA(taster.hwnd, GWL_STYLE));
    EXPECT_EQ(vorher, bildschirm_pixel(taster.hwnd));
}

}  // namespace
