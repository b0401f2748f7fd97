// Binding of objects to native windows and the dispatch of messages.
#include "dialog.h"
#include "taster_kf.h"
#include "text_kf.h"
#include "umgebung.h"

#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace {

std::vector<std::string> protokoll;

std::string text(const char* format, long long a, long long b = 0, long long c = 0) {
    char puffer[128];
    snprintf(puffer, sizeof puffer, format, a, b, c);
    return puffer;
}

// Records the decoded parameters of the handlers it overrides.
class Probe : public Fenster {
public:
    explicit Probe(Instanz* i) : Fenster(i, "Probe", 10, 10, 200, 100, WS_POPUP) {}
    LRESULT wm_size(WPARAM a, uint16_t b, uint16_t h) override {
        protokoll.push_back(text("size %lld %lld %lld", a, b, h));
        return 0;
    }
    LRESULT wm_mousemove(WPARAM f, uint16_t x, uint16_t y) override {
        protokoll.push_back(text("mousemove %lld %lld %lld", f, x, y));
        return 0;
    }
    LRESULT wm_command(uint16_t id, LPARAM k, uint16_t code) override {
        protokoll.push_back(text("command %lld %lld %lld", id, k, code));
        return 0;
    }
    LRESULT wm_activate(uint16_t z, LPARAM a, uint16_t m) override {
        protokoll.push_back(text("activate %lld %lld %lld", z, a, m));
        return 0;
    }
    LRESULT wm_hscroll(uint16_t art, int16_t pos, LPARAM l) override {
        protokoll.push_back(text("hscroll %lld %lld %lld", art, pos, l));
        return 0;
    }
    LRESULT wm_vscroll(uint16_t art, int16_t pos, LPARAM l) override {
        protokoll.push_back(text("vscroll %lld %lld %lld", art, pos, l));
        return 0;
    }
    LRESULT wm_timer(WPARAM n, LPARAM p) override {
        protokoll.push_back(text("timer %lld %lld", static_cast<long long>(n), p));
        return 0;
    }
    LRESULT wm_user(WPARAM w, LPARAM l) override {
        protokoll.push_back(text("user %lld %lld", static_cast<long long>(w), l));
        return 0;
    }
    LRESULT wm_setfont(WPARAM f, uint16_t n) override {
        protokoll.push_back(text("setfont %lld %lld", static_cast<long long>(f), n));
        return 0;
    }
    LRESULT wm_keydown(WPARAM c, LPARAM d) override {
        protokoll.push_back(text("keydown %lld %lld", static_cast<long long>(c), d));
        return Fenster::wm_keydown(c, d);
    }
    void setze_hwnd(HWND h) override {
        if (!h) protokoll.push_back("setze_hwnd 0");
        Fenster::setze_hwnd(h);
    }
};

class Verteilung : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        protokoll.clear();
    }
};

struct Fall {
    UINT msg;
    WPARAM w;
    LPARAM l;
    const char* erwartet;
};

TEST_F(Verteilung, VirtuelleHandlerBekommenZerlegteParameter) {
    Probe p(instanz);
    ASSERT_TRUE(p.oeffnen(0));
    const Fall faelle[] = {
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200), "size 0 300 200"},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(65535, 7), "mousemove 1 65535 7"},
        {WM_COMMAND, MAKEWPARAM(117, 3), 0x1234, "command 117 4660 3"},
        {WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0, "activate 1 0 1"},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, static_cast<uint16_t>(-1990)), 0, "hscroll 5 -1990 0"},
        {WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 8999), 0, "vscroll 1 8999 0"},
        {WM_TIMER, 3, 0, "timer 3 0"},
        {WM_USER, 5, -6, "user 5 -6"},
        {WM_SETFONT, 0x40, MAKELPARAM(1, 9), "setfont 64 1"},
        {WM_KEYDOWN, VK_F2, 0x3C0001, "keydown 113 3932161"},
    };
    for (const Fall& f : faelle) {
        protokoll.clear();
        SendMessageA(p.hwnd, f.msg, f.w, f.l);
        ASSERT_EQ(protokoll.size(), 1u) << f.erwartet;
        EXPECT_EQ(protokoll[0], f.erwartet);
    }
}

LRESULT tabelle_size(wFenster*, WPARAM art, uint16_t b, uint16_t h) {
    protokoll.push_back(text("tabelle size %lld %lld %lld", art, b, h));
    return 11;
}

LRESULT tabelle_command(wFenster* f, uint16_t id, LPARAM k, uint16_t code) {
    protokoll.push_back(text("tabelle command %lld %lld %lld", id, k, code));
    // A table handler may end in the class's own handling.
    return static_cast<Fenster*>(f)->Fenster::wm_command(id, k, code);
}

LRESULT tabelle_paint(wFenster* f) {
    protokoll.push_back("tabelle paint");
    ValidateRect(f->hwnd, nullptr);
    return 0;
}

TEST_F(Verteilung, NachrichtentabelleVorDenVirtuellenHandlern) {
    static const Mldg_Eintrag tabelle[] = {
        mldg_eintrag<WM_SIZE>(tabelle_size),
        mldg_eintrag<WM_COMMAND>(tabelle_command),
        mldg_eintrag<WM_PAINT>(tabelle_paint),
        mldg_ende,
    };
    static_assert(sizeof(Mldg_Eintrag::handler) == sizeof(void*), "full-width handler");
    Probe p(instanz);
    p.mldg_tabelle = tabelle;
    ASSERT_TRUE(p.oeffnen(0));
    protokoll.clear();
    EXPECT_EQ(SendMessageA(p.hwnd, WM_SIZE, 2, MAKELPARAM(640, 480)), 11);
    SendMessageA(p.hwnd, WM_COMMAND, MAKEWPARAM(40, 1), 0);
    SendMessageA(p.hwnd, WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), 0);  // not in the table
    EXPECT_EQ(protokoll, (std::vector<std::string>{"tabelle size 2 640 480",
                                                   "tabelle command 40 0 1",
                                                   "hscroll 0 0 0"}));
}

TEST_F(Verteilung, FensterOhneObjektGehtAnDieSystemprozedur) {
    HWND h = CreateWindowExA(0, "wFenster", "frei", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(h);
    EXPECT_EQ(wFenster::welches_fenster(h), nullptr);
    char titel[16] = "";
    GetWindowTextA(h, titel, sizeof titel);
    EXPECT_STREQ(titel, "frei");
    DestroyWindow(h);
}

// Objects far above 4 GB: the window property and the procedure carry the
// whole address.
TEST_F(Verteilung, ObjektOberhalbVierGigabyte) {
    void* speicher = VirtualAlloc(nullptr, sizeof(Probe), MEM_COMMIT | MEM_RESERVE | MEM_TOP_DOWN,
                                  PAGE_READWRITE);
    ASSERT_TRUE(speicher);
    if (sizeof(void*) == 8) {
        EXPECT_GT(reinterpret_cast<uintptr_t>(speicher), uintptr_t{0xFFFFFFFF});
    }
    Probe* p = new (speicher) Probe(instanz);
    ASSERT_TRUE(p->oeffnen(0));
    EXPECT_EQ(wFenster::welches_fenster(p->hwnd), p);
    protokoll.clear();
    SendMessageA(p->hwnd, WM_USER, 1, 2);
    EXPECT_EQ(protokoll, std::vector<std::string>{"user 1 2"});
    p->~Probe();
    VirtualFree(speicher, 0, MEM_RELEASE);
}

class ProbeTaster : public Taster_KF {
public:
    using Taster_KF::Taster_KF;
    LRESULT wm_command(uint16_t id, LPARAM k, uint16_t code) override {
        protokoll.push_back(text("taster command %lld %lld", id, code));
        return Taster_KF::wm_command(id, k, code);
    }
};

class ProbeDialog : public Dialog_F {
public:
    using Dialog_F::Dialog_F;
    LRESULT wm_command(uint16_t id, LPARAM k, uint16_t code) override {
        protokoll.push_back(text("dialog command %lld %lld", id, code));
        return Dialog_F::wm_command(id, k, code);
    }
};

TEST_F(Verteilung, KontrollelementSiehtSeineMeldungZuerst) {
    ProbeDialog d(nullptr, "D", 0, 0, 200, 100, NUR_FLAECHE);
    ProbeTaster t(&d, "OK", 10, 10, 60, 24, KIND);
    t.id(7);
    t.tasten_init([](Taster_KF*) { protokoll.push_back("klick"); }, 0);
    ASSERT_TRUE(d.oeffnen(1));
    protokoll.clear();
    SendMessageA(t.hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(protokoll, (std::vector<std::string>{"taster command 7 0", "klick",
                                                   "dialog command 7 0"}));
    // A menu command (no window in lparam) goes to the dialog only.
    protokoll.clear();
    SendMessageA(d.hwnd, WM_COMMAND, MAKEWPARAM(117, 0), 0);
    EXPECT_EQ(protokoll, std::vector<std::string>{"dialog command 117 0"});
}

class ZeichnenderTaster : public Taster_KF {
public:
    using Taster_KF::Taster_KF;
    LRESULT wm_drawitem(WPARAM, DRAWITEMSTRUCT* e) override {
        protokoll.push_back(text("taster zeichnet %lld", e->CtlID));
        return TRUE;
    }
};

TEST_F(Verteilung, EigengezeichnetesElementZeichnetSichSelbst) {
    ProbeDialog d(nullptr, "D", 0, 0, 200, 100, NUR_FLAECHE);
    ZeichnenderTaster t(&d, "X", 10, 10, 60, 24, KIND | BS_OWNERDRAW);
    t.id(9);
    ASSERT_TRUE(d.oeffnen(1));
    protokoll.clear();
    DRAWITEMSTRUCT e{};
    e.CtlType = ODT_BUTTON;
    e.CtlID = 9;
    e.hwndItem = t.hwnd;
    SendMessageA(d.hwnd, WM_DRAWITEM, 9, reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(protokoll, std::vector<std::string>{"taster zeichnet 9"});
}

TEST_F(Verteilung, NachDemZerstoerenIstHwndNullUndDasObjektLebtWeiter) {
    Probe p(instanz);
    HWND alt = p.oeffnen(0);
    ASSERT_TRUE(alt);
    protokoll.clear();
    DestroyWindow(alt);
    EXPECT_EQ(p.hwnd, nullptr);
    EXPECT_EQ(protokoll, std::vector<std::string>{"setze_hwnd 0"});
    // Opened again, it is bound to a new window.
    ASSERT_TRUE(p.oeffnen(0));
    EXPECT_EQ(wFenster::welches_fenster(p.hwnd), &p);
}

TEST_F(Verteilung, LoeschenZerstoertDasNochOffeneFenster) {
    auto* p = new Probe(instanz);
    HWND h = p->oeffnen(0);
    ASSERT_TRUE(h);
    delete p;
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(Verteilung, SchliessenDesHauptfenstersBeendetDieSchleife) {
    auto* haupt = new Probe(instanz);
    instanz->hf(haupt);
    ASSERT_TRUE(haupt->oeffnen(1));
    SendMessageA(haupt->hwnd, WM_CLOSE, 0, 0);  // the default handling destroys it
    EXPECT_EQ(haupt->hwnd, nullptr);
    EXPECT_EQ(instanz->hf(), nullptr);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    delete haupt;
}

TEST_F(Verteilung, MeldungenLaesstDieQuitMeldungLiegen) {
    Probe p(instanz);
    ASSERT_TRUE(p.oeffnen(0));
    protokoll.clear();
    PostMessageA(p.hwnd, WM_USER, 1, 0);
    PostQuitMessage(3);
    instanz->meldungen();
    EXPECT_EQ(protokoll, std::vector<std::string>{"user 1 0"});
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // for the program's loop
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Verteilung, KlassennamenAlsTypTest) {
    Dialog_F d(nullptr, "D", 0, 0, 100, 100, NUR_FLAECHE);
    Text_KF t(&d, "x", 0, 0, 10, 10, KIND);
    EXPECT_EQ(t.klassen_name_("Text_KF", 1), 1);
    EXPECT_EQ(t.klassen_name_("Kontroll_F", 0), 1);
    EXPECT_EQ(t.klassen_name_("Kontroll_F", 1), 0);
    EXPECT_EQ(t.klassen_name_("Fenster", 0), 1);
    EXPECT_EQ(t.klassen_name_("Dialog_F", 0), 0);
    EXPECT_EQ(d.klassen_name_("Dialog_F", 0), 1);
    EXPECT_EQ(d.klassen_name_("wFenster", 0), 1);
}

TEST_F(Verteilung, UeberschriftFormatiertUndSetztDenTitel) {
    Probe p(instanz);
    ASSERT_TRUE(p.oeffnen(0));
    EXPECT_STREQ(p.ueberschrift("Version %s (%d Bit)", "2.2.3", 32), "Version 2.2.3 (32 Bit)");
    char titel[64] = "";
    GetWindowTextA(p.hwnd, titel, sizeof titel);
    EXPECT_STREQ(titel, "Version 2.2.3 (32 Bit)");
    EXPECT_STREQ(p.ueberschrift(nullptr), "Version 2.2.3 (32 Bit)");
    // Longer than any fixed buffer would be.
    std::string lang(5000, 'x');
    EXPECT_EQ(std::string(p.ueberschrift("%s", lang.c_str())), lang);
}

TEST_F(Verteilung, ProgrammUndHilfePfad) {
    char verzeichnis[MAX_PATH];
    GetCurrentDirectoryA(sizeof verzeichnis, verzeichnis);
    std::string erwartet = verzeichnis;
    if (erwartet.back() != '\\') erwartet += '\\';
    EXPECT_EQ(instanz->progr_pfad(), erwartet);
    EXPECT_EQ(instanz->hilfe_pfad(), erwartet + "Test.hlp");
    EXPECT_EQ(Fenster::neue_instanz, instanz);
}

}  // namespace
