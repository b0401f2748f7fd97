// Dialogs: the keyboard filter, focus on opening, the client rectangle, and
// the information windows.
#include "dialog.h"
#include "edit_kf.h"
#include "info.h"
#include "taster_kf.h"
#include "text_kf.h"
#include "umgebung.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> angeboten;

// A child that notes every key offered to it and takes one code.
class Tastenprobe : public Fenster {
public:
    Tastenprobe(Fenster* vater, const char* name, uint16_t nimmt)
        : Fenster(vater, name, 0, 0, 10, 10, KIND), name(name), nimmt(nimmt) {}
    int taste(uint16_t code) override {
        angeboten.push_back(name);
        return code == nimmt ? 1 : 0;
    }
    const char* name;
    uint16_t nimmt;
};

MSG taste_fuer(HWND hwnd, WPARAM code) {
    MSG msg{};
    msg.hwnd = hwnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = code;
    msg.lParam = 0x1;
    return msg;
}

class Dialog : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        angeboten.clear();
    }
};

TEST_F(Dialog, TastenGehenNurAnDieKinderDesGemeintenDialogsLetztesZuerst) {
    Dialog_F erster(nullptr, "1", 0, 0, 100, 100, NUR_FLAECHE);
    Tastenprobe a1(&erster, "a1", 0), a2(&erster, "a2", 0);
    Dialog_F zweiter(nullptr, "2", 150, 0, 100, 100, NUR_FLAECHE);
    Tastenprobe b1(&zweiter, "b1", 'K'), b2(&zweiter, "b2", 0), b3(&zweiter, "b3", 'K');
    ASSERT_TRUE(erster.oeffnen(1));
    ASSERT_TRUE(zweiter.oeffnen(1));

    MSG msg = taste_fuer(b2.hwnd, 'K');  // for a control of the second dialog
    Dialog_F::is_dialog_message(instanz, &msg);
    EXPECT_EQ(angeboten, (std::vector<std::string>{"b3"}));  // the last child took it
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(msg.lParam, 0);

    angeboten.clear();
    msg = taste_fuer(zweiter.hwnd, 'Q');  // for the dialog itself; nobody takes it
    Dialog_F::is_dialog_message(instanz, &msg);
    EXPECT_EQ(angeboten, (std::vector<std::string>{"b3", "b2", "b1"}));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('Q'));

    angeboten.clear();
    msg = taste_fuer(a1.hwnd, 'K');
    Dialog_F::is_dialog_message(instanz, &msg);
    EXPECT_EQ(angeboten, (std::vector<std::string>{"a2", "a1"}));

    angeboten.clear();
    msg = taste_fuer(a1.hwnd, 'K');
    msg.message = WM_KEYUP;  // only key-down messages are offered
    Dialog_F::is_dialog_message(instanz, &msg);
    EXPECT_TRUE(angeboten.empty());
}

int klicks = 0;

TEST_F(Dialog, BeschleunigerNurFuerEingeschalteteTaster) {
    Dialog_F d(nullptr, "D", 0, 0, 200, 100, NUR_FLAECHE);
    Taster_KF t(&d, "Ende", 10, 10, 60, 24, KIND | WS_TABSTOP);
    t.tasten_init([](Taster_KF*) { ++klicks; }, VK_F2);
    ASSERT_TRUE(d.oeffnen(1));
    struct Fall {
        int an;
        WPARAM code;
        int klicks;
        WPARAM danach;
    };
    const Fall faelle[] = {
        {1, VK_F2, 1, 0},      // taken: the key does nothing more
        {0, VK_F2, 0, VK_F2},  // a disabled button lets the key pass
        {1, VK_F3, 0, VK_F3},  // another key
    };
    for (const Fall& f : faelle) {
        klicks = 0;
        t.an(f.an);
        MSG msg = taste_fuer(t.hwnd, f.code);
        Dialog_F::is_dialog_message(instanz, &msg);
        EXPECT_EQ(klicks, f.klicks) << f.an << " " << f.code;
        EXPECT_EQ(msg.wParam, f.danach) << f.an << " " << f.code;
    }
}

TEST_F(Dialog, OeffnenFokussiertDasErsteKindMitTabstopp) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 100, NUR_FLAECHE);
    Text_KF beschriftung(&d, "Name", 10, 10, 50, 20, KIND);
    Edit_KF ohne(&d, nullptr, 60, 10, 80, 20, KIND);
    Edit_KF mit(&d, "Kette", 150, 10, 80, 20, KIND | WS_TABSTOP);
    ASSERT_TRUE(d.oeffnen(1));
    EXPECT_EQ(GetFocus(), mit.hwnd);
    DWORD a = 99, e = 99;
    mit.getsel_bereich(&a, &e);
    EXPECT_EQ(a, 0u);  // the whole text is selected
    EXPECT_EQ(e, 5u);
}

TEST_F(Dialog, AktivierungFokussiertDasErsteKindMitTabstopp) {
    Dialog_F d(nullptr, "D", 0, 0, 300, 100, NUR_FLAECHE);
    Edit_KF erstes(&d, "eins", 10, 10, 80, 20, KIND | WS_TABSTOP);
    Edit_KF zweites(&d, "zwei", 100, 10, 80, 20, KIND | WS_TABSTOP);
    ASSERT_TRUE(d.oeffnen(1));
    SetFocus(zweites.hwnd);
    SendMessageA(d.hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(GetFocus(), zweites.hwnd);
    SendMessageA(d.hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), erstes.hwnd);
}

TEST_F(Dialog, OhneTabstoppDerDialogSelbstOhneKinderKeinWechsel) {
    Dialog_F anderer(nullptr, "A", 0, 0, 100, 100, NUR_FLAECHE);
    Edit_KF feld(&anderer, nullptr, 0, 0, 80, 20, KIND | WS_TABSTOP);
    ASSERT_TRUE(anderer.oeffnen(1));
    ASSERT_EQ(GetFocus(), feld.hwnd);

    Dialog_F leer(nullptr, "L", 200, 0, 100, 100, NUR_FLAECHE);
    ASSERT_TRUE(leer.oeffnen(0));
    EXPECT_EQ(GetFocus(), feld.hwnd);

    Dialog_F ohne(nullptr, "O", 400, 0, 100, 100, NUR_FLAECHE);
    Text_KF t(&ohne, "x", 0, 0, 50, 20, KIND);
    ASSERT_TRUE(ohne.oeffnen(1));
    EXPECT_EQ(GetFocus(), ohne.hwnd);
}

TEST_F(Dialog, KlientenrechteckAufDemBildschirm) {
    Dialog_F d(nullptr, "D", 100, 50, 300, 200, NUR_FLAECHE);
    RECT r{};
    d.get_client_rect(r);  // no window yet
    EXPECT_EQ(r.right - r.left, 0);
    ASSERT_TRUE(d.oeffnen(1));
    d.get_client_rect(r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 250);
    EXPECT_EQ(d.br_client(), 300);
    EXPECT_EQ(d.ho_client(), 200);
}

TEST_F(Dialog, GeometrieMitEinschliessendenEcken) {
    Dialog_F d(nullptr, "D", 100, 50, 300, 200, NUR_FLAECHE);
    Fenster kind(&d, nullptr, 10, 20, 30, 40, KIND);
    ASSERT_TRUE(d.oeffnen(1));
    RECT r;
    kind.masse_orig(r);
    EXPECT_EQ(r.right, 39);
    EXPECT_EQ(r.bottom, 59);
    EXPECT_EQ(kind.x(), 110);
    EXPECT_EQ(kind.y(), 70);
    EXPECT_EQ(kind.br(), 30);
    EXPECT_EQ(kind.ho(), 40);
    kind.pos_rel(5, -10);
    EXPECT_EQ(kind.x(), 115);
    EXPECT_EQ(kind.y(), 60);
    kind.masse_abs(RECT{0, 0, 49, 9});  // inclusive: 50 by 10
    EXPECT_EQ(kind.br(), 50);
    EXPECT_EQ(kind.ho(), 10);
    kind.groesse_rel(1, 2);
    EXPECT_EQ(kind.br(), 51);
    EXPECT_EQ(kind.ho(), 12);
    kind.masse_rect(10, 10, 30, 15);
    EXPECT_EQ(kind.x(), 110);
    EXPECT_EQ(kind.br(), 20);
    EXPECT_EQ(kind.ho(), 5);
}

TEST_F(Dialog, KinderUeberlebenIhrenDialog) {
    auto* d = new Dialog_F(nullptr, "D", 0, 0, 100, 100, NUR_FLAECHE);
    auto* t = new Text_KF(d, "x", 0, 0, 50, 20, KIND);
    ASSERT_TRUE(d->oeffnen(1));
    EXPECT_EQ(instanz->dialoge.anzahl(), 1);
    delete d;
    EXPECT_EQ(instanz->dialoge.anzahl(), 0);
    EXPECT_EQ(t->vater, nullptr);
    EXPECT_EQ(t->hwnd, nullptr);  // its window went with the dialog's
    delete t;
}

TEST_F(Dialog, InfofensterZeilenUndKnopf) {
    Info_DF info(nullptr, "", "OK", 20, 20, 410, 443, WS_POPUP | WS_VISIBLE | WS_DLGFRAME);
    info.texte("Zeile 1", nullptr, "Zeile 3");
    ASSERT_TRUE(info.oeffnen(1));
    // Lines 1 and 3 at y 20 and 50 of the client area; the place of line 2 is empty.
    std::vector<int> zeilen_y;
    DVListe<Fenster>& kinder = info.kinder();
    for (uint32_t i = 0; Fenster* k = kinder[i]; ++i) {
        if (k->klassen_name_("Text_KF", 1)) {
            RECT r;
            k->masse_orig(r);
            zeilen_y.push_back(r.top);
        }
    }
    EXPECT_EQ(zeilen_y, (std::vector<int>{20, 50}));
    info.texte("neu");  // replaces the earlier lines, also on the screen
    int texte = 0;
    for (uint32_t i = 0; Fenster* k = kinder[i]; ++i) {
        if (k->klassen_name_("Text_KF", 1)) {
            ++texte;
            EXPECT_TRUE(k->hwnd);
        }
    }
    EXPECT_EQ(texte, 1);
    SendMessageA(info.knopf()->hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(info.hwnd, nullptr);
    // Opened again, Enter presses its default button.
    ASSERT_TRUE(info.oeffnen(1));
    MSG msg = taste_fuer(info.knopf()->hwnd, VK_RETURN);
    EXPECT_EQ(Dialog_F::is_dialog_message(instanz, &msg), 1);
    EXPECT_EQ(info.hwnd, nullptr);
}

}  // namespace
