// A small dialog built only from the library, driven by the keyboard through
// the library's message routing: keys are posted to the focused window and
// reach it through Instanz::meldungen and the dialogs' keyboard filter.
// With VARNIS_DEMO_MS set, the dialog stays on the screen that many
// milliseconds before the keys arrive (to look at it).
#include "combobox_kf.h"
#include "dialog.h"
#include "edit_kf.h"
#include "scrollbar_kf.h"
#include "taster_kf.h"
#include "text_kf.h"
#include "umgebung.h"

#include <cstdlib>
#include <string>

namespace {

class Demo : public Dialog_F {
public:
    Demo()
        : Dialog_F(nullptr, "Ort w\xE4hlen", 200, 150, 360, 200,
                   WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
          ueberschrift(this, "Beobachtungsort", 10, 8, 300, 16, KIND),
          name(this, "Name#", 10, 32, 150, 20, KIND | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL),
          breite(this, "Breite_#", 10, 58, 250, 16, KIND | SBS_HORZ),
          wert(this, "", 270, 73, 60, 20, KIND | WS_BORDER | ES_READONLY),
          // A combo box's height includes its list, and so does its label's:
          // it comes last, so that no other label lies under it.
          ort(this, "Ort#", 10, 105, 150, 120,
              KIND | WS_BORDER | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST),
          ok(this, "\xDC&bernehmen (F2)", 220, 145, 120, 26, KIND | WS_TABSTOP) {
        ok.tasten_init(uebernehmen, VK_F2);
        breite.setze_bereich(-90, 90);
        breite.setze_pos(48);
    }
    HWND oeffnen(int zeigen) override {
        Dialog_F::oeffnen(zeigen);
        for (const char* o : {"Berlin", "Hamburg", "M\xFCnchen", "Wien"}) ort.addstring(o);
        ort.setcursel(0);
        wert.sm_settext("48\xB0");
        return hwnd;
    }

    static void uebernehmen(Taster_KF* t) {
        auto* d = static_cast<Demo*>(t->vater);
        char puffer[64] = "";
        GetWindowTextA(d->name.hwnd, puffer, sizeof puffer);
        d->ergebnis = puffer;
        d->ergebnis += " / ";
        d->ort.getlbtext(static_cast<int32_t>(d->ort.getcursel()), puffer, sizeof puffer);
        d->ergebnis += puffer;
        d->schliessen();
    }

    Text_KF ueberschrift;
    Edit_KF name;
    Scrollbar_KF breite;
    Edit_KF wert;
    Combobox_KF ort;
    Taster_KF ok;
    std::string ergebnis;
};

using Vorfuehrung = FensterTest;

void tippen(const char* text) {
    for (const char* c = text; *c; ++c) {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(*c), 1);
    }
}

void taste(WPARAM code) {
    PostMessageA(GetFocus(), WM_KEYDOWN, code, 1);
    PostMessageA(GetFocus(), WM_KEYUP, code, 0xC0000001);
}

TEST_F(Vorfuehrung, DialogMitDerTastaturBedienen) {
    Demo demo;
    ASSERT_TRUE(demo.oeffnen(1));
    ASSERT_EQ(GetFocus(), demo.name.hwnd);
    if (const char* ms = getenv("VARNIS_DEMO_MS")) {
        for (int i = 0, n = atoi(ms) / 20; i < n; ++i) pumpen(4);
    }
    tippen("Sternwarte");
    pumpen();
    taste(VK_TAB);  // dialog navigation: on to the place list
    pumpen();
    ASSERT_EQ(GetFocus(), demo.ort.hwnd);
    taste(VK_DOWN);
    taste(VK_DOWN);
    pumpen();
    EXPECT_EQ(demo.ort.getcursel(), 2);
    taste(VK_F2);  // the button's accelerator, from wherever the focus is
    pumpen();
    EXPECT_EQ(demo.hwnd, nullptr);
    EXPECT_EQ(demo.ergebnis, "Sternwarte / M\xFCnchen");
}

}  // namespace
