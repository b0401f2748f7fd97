// The search in the real main window: Ctrl+F's command opens the dialog;
// a Greek letter reaches its Unicode field as such, also through the
// program's message loop; the find is ringed on both canvases and its popup
// opens; Zentrieren turns the view to a find above the horizon and leaves
// it for one below, saying when that rises and sets; nonsense changes
// nothing; closing takes the ring away.
#include "programm_umgebung.h"

#include <string>
#include <utility>

#include "bildschirm.h"
#include "canvas_kf.h"
#include "dib_kf.h"
#include "dpi.h"
#include "menue/menue.h"
#include "projektion.h"
#include "start/programm.h"
#include "suchen/fundort.h"
#include "suchen/such_df.h"
#include "vektor.h"

namespace {

using Suche = ProgrammTest;

std::wstring text(HWND fenster) {
    wchar_t puffer[256] = L"";
    GetWindowTextW(fenster, puffer, 256);
    return puffer;
}

// For the failure messages.
std::string utf8(const std::wstring& text) {
    char puffer[512] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, puffer, sizeof puffer, nullptr, nullptr);
    return puffer;
}

std::wstring eintrag(HWND liste, int i) {
    wchar_t puffer[256] = L"";
    if (SendMessageW(liste, LB_GETTEXTLEN, i, 0) < 255) SendMessageW(liste, LB_GETTEXT, i, reinterpret_cast<LPARAM>(puffer));
    return puffer;
}

// Types text into the field character by character, as the keyboard's
// WM_CHAR messages would deliver it.
void tippen(HWND feld, const wchar_t* text) {
    SetWindowTextW(feld, L"");
    for (; *text; ++text) SendMessageW(feld, WM_CHAR, *text, 1);
}

void druecken(Such_DF& s, uint16_t id) {
    SendMessageW(s.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 id == IDOK ? 0 : reinterpret_cast<LPARAM>(GetDlgItem(s.hwnd, id)));
}

// Whether the four points of the ring (10 pixels right, left, above and
// below the find) are white on the canvas of radius r.
bool beringt(const DIB& bild, int32_t r, const Himmel& himmel, double rekt, double dekl, bool karte) {
    const PolarPos p = himmel.polar_berechnen(einheitsvektor(rekt, dekl));
    const double massstab = karte ? kartenmassstab(p.abstand, himmel.gesichtsfeld, r) : uebersichtsmassstab(p.abstand, r);
    const Versatz v = versatz(p.winkel, massstab);
    const int32_t x = r + v.dx, y = r - v.dy;
    for (const POINT q : {POINT{x + 10, y}, POINT{x - 10, y}, POINT{x, y + 10}, POINT{x, y - 10}})
        if (GetPixel(bild.dc, q.x, q.y) != RGB(255, 255, 255)) return false;
    return true;
}

TEST_F(Suche, GreekTypedFindsMarksCentresAndTellsTheHorizon) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& h = *hauptfenster;
    // Baltimore (39.3 degrees north) at midnight in mid-July: Sirius is down.
    Moment neu = h.moment;
    neu.datum = Datum{2026, 7, 15};
    neu.zeit = Uhrzeit{0, 0};
    h.moment_setzen(neu);
    ASSERT_NEAR(39.3, h.moment.ort.breite, 0.1);
    bis_ruhe(h);

    SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(BEFEHL_SUCHEN, 1), 0);
    ASSERT_TRUE(h.suche);
    Such_DF& s = *h.suche;
    ASSERT_TRUE(IsWindowVisible(s.hwnd));
    ASSERT_TRUE(s.feld && IsWindowUnicode(s.feld) && IsWindowUnicode(s.liste) && IsWindowUnicode(s.zeile));
    EXPECT_EQ(s.feld, GetFocus());

    // Posted and handed on by the program's own loop: the letter stays α.
    SetWindowTextW(s.feld, L"");
    PostMessageW(s.feld, WM_CHAR, 0x03B1, 1);
    wie_main_pumpen(*instanz);
    EXPECT_EQ(L"\u03B1", text(s.feld));

    tippen(s.feld, L"\u03B1 Lyr");
    EXPECT_EQ(L"\u03B1 Lyr", text(s.feld));
    ASSERT_GE(SendMessageW(s.liste, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(L"Wega (\u03B1 Lyr)", eintrag(s.liste, 0));
    druecken(s, IDOK);
    ASSERT_EQ(Fundart::STERN, h.such_fund.art);
    EXPECT_EQ(7001, h.himmel->stern_saetze[h.such_fund.klasse][h.such_fund.index].nummer);
    double rekt = 0, dekl = 0;
    ASSERT_TRUE(fund_richtung(*h.himmel, nullptr, h.such_fund, rekt, dekl));
    ASSERT_TRUE(ueber_horizont(*h.himmel, rekt, dekl)) << "Wega stands high at midnight in July";
    EXPECT_NE(std::wstring::npos, text(s.zeile).find(L"Wega (\u03B1 Lyr) steht \u00FCber dem Horizont"))
        << utf8(text(s.zeile));
    bis_ruhe(h);
    EXPECT_TRUE(beringt(h.uebersicht_bild, Himmel_DF::radius(h.uebersicht.get()), *h.himmel, rekt, dekl, false));

    // Zentrieren: the bars turn to Wega, the place follows the declination.
    const Blickwerte vorher = h.blick();
    druecken(s, SUCH_ZENTRIEREN);
    EXPECT_NE(vorher.dekl, h.blick().dekl);
    EXPECT_NEAR(dekl, h.himmel->deklination, 0.6);
    EXPECT_NEAR(dekl, h.moment.ort.breite, 0.6);
    bis_ruhe(h);
    const Vektor3 mitte = einheitsvektor(h.himmel->rektaszension, h.himmel->deklination);
    const Vektor3 wega = einheitsvektor(rekt, dekl);
    EXPECT_GT(mitte.x * wega.x + mitte.y * wega.y + mitte.z * wega.z, std::cos(1.0 * PI / 180));
    // In the middle of the chart: ringed, and its popup open with its name.
    const int32_t r = Himmel_DF::radius(h.karte.get());
    EXPECT_TRUE(beringt(h.karte_bild, r, *h.himmel, rekt, dekl, true));
    EXPECT_TRUE(IsWindowVisible(h.info_fenster->hwnd));
    // The mouse over an empty corner of the chart clears the selection; the
    // popup, still the find's, paints Wega all the same.
    SendMessageA(h.karte->hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    InvalidateRect(h.info_fenster->hwnd, nullptr, FALSE);
    UpdateWindow(h.info_fenster->hwnd);
    EXPECT_TRUE(IsWindowVisible(h.info_fenster->hwnd));
    EXPECT_STREQ("Wega", h.himmel->stern_text(3));
    EXPECT_EQ(INFO_STERN, h.info_anzeige.art());
    EXPECT_STREQ("Wega", h.himmel->stern_text(3));
    // The moved view armed the hiding of the old popup; the new one stays.
    Sleep(50);
    wie_main_pumpen(*instanz);
    EXPECT_TRUE(IsWindowVisible(h.info_fenster->hwnd));

    // Sirius lies below: the view stays and the line gives its rising and
    // setting.
    tippen(s.feld, L"sirius");
    const Blickwerte bei_wega = h.blick();
    druecken(s, SUCH_ZENTRIEREN);
    EXPECT_EQ(bei_wega.rekt, h.blick().rekt);
    EXPECT_EQ(bei_wega.dekl, h.blick().dekl);
    const std::wstring unten = text(s.zeile);
    EXPECT_NE(std::wstring::npos, unten.find(L"Sirius (\u03B1 CMa) steht unter dem Horizont. Aufgang ")) << utf8(unten);
    EXPECT_NE(std::wstring::npos, unten.find(L", Untergang ")) << utf8(unten);

    // Canopus never rises at 38.8 degrees north.
    tippen(s.feld, L"Canopus");
    druecken(s, SUCH_ZENTRIEREN);
    EXPECT_NE(std::wstring::npos, text(s.zeile).find(L"bleibt an diesem Tag unter dem Horizont")) << utf8(text(s.zeile));
    EXPECT_EQ(bei_wega.dekl, h.blick().dekl);

    // Nonsense: a clear line, the find and the view stay.
    const Fund canopus = h.such_fund;
    tippen(s.feld, L"xyzzy");
    EXPECT_EQ(0, SendMessageW(s.liste, LB_GETCOUNT, 0, 0));
    druecken(s, IDOK);
    EXPECT_EQ(L"\u201Exyzzy\u201C wurde nicht gefunden.", text(s.zeile));
    EXPECT_EQ(canopus.index, h.such_fund.index);
    EXPECT_EQ(bei_wega.dekl, h.blick().dekl);

    // A constellation by its German name with the umlaut spelled out, then
    // a planet from the suggestions.
    tippen(s.feld, L"Grosser Baer");
    druecken(s, IDOK);
    ASSERT_EQ(Fundart::STERNBILD, h.such_fund.art);
    EXPECT_STREQ("UMa", h.himmel->sternbilder[h.such_fund.index].abk);
    tippen(s.feld, L"Jupi");
    ASSERT_GE(SendMessageW(s.liste, LB_GETCOUNT, 0, 0), 1);
    SendMessageW(s.liste, LB_SETCURSEL, 0, 0);
    SendMessageW(s.hwnd, WM_COMMAND, MAKEWPARAM(SUCH_LISTE, LBN_SELCHANGE), reinterpret_cast<LPARAM>(s.liste));
    ASSERT_EQ(Fundart::KOERPER, h.such_fund.art);
    EXPECT_EQ(JUPITER, h.such_fund.index);

    // Closing: hidden, the mark gone; Ctrl+F shows it again.
    SendMessageW(s.hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(s.hwnd));
    EXPECT_EQ(Fundart::KEINER, h.such_fund.art);
    SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(BEFEHL_SUCHEN, 1), 0);
    EXPECT_TRUE(IsWindowVisible(s.hwnd));
    varnis_beenden();
}

// The suggestions are drawn by the dialog: without night mode pixel for
// pixel as the system draws such a list (the chosen one blue), in night
// mode all red, edges and scroll bar too.
TEST_F(Suche, VorschlaegeWieDasSystemUndNachtsRot) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& h = *hauptfenster;
    bis_ruhe(h);
    SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(BEFEHL_SUCHEN, 1), 0);
    ASSERT_TRUE(h.suche);
    Such_DF& s = *h.suche;
    tippen(s.feld, L"Al");
    ASSERT_GT(SendMessageW(s.liste, LB_GETCOUNT, 0, 0), 10) << "more than the list shows";
    SendMessageW(s.liste, LB_SETCURSEL, 1, 0);
    wie_main_pumpen(*instanz);
    const std::vector<uint32_t> eigen = bildschirm_pixel(s.liste);

    // A list the system draws, in the same place with the same items.
    RECT r;
    GetWindowRect(s.liste, &r);
    MapWindowPoints(nullptr, s.hwnd, reinterpret_cast<POINT*>(&r), 2);
    HWND system = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, s.hwnd, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, system);
    SendMessageW(system, WM_SETFONT, SendMessageW(s.liste, WM_GETFONT, 0, 0), FALSE);
    for (int i = 0; i < SendMessageW(s.liste, LB_GETCOUNT, 0, 0); ++i)
        SendMessageW(system, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(eintrag(s.liste, i).c_str()));
    SendMessageW(system, LB_SETCURSEL, 1, 0);
    ShowWindow(s.liste, SW_HIDE);
    wie_main_pumpen(*instanz);
    EXPECT_EQ(bildschirm_pixel(system), eigen);
    DestroyWindow(system);
    ShowWindow(s.liste, SW_SHOW);

    SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(BEFEHL_NACHTMODUS, 1), 0);
    wie_main_pumpen(*instanz);
    EXPECT_EQ(0, nicht_nachtrot(s.liste));
    SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(BEFEHL_NACHTMODUS, 1), 0);
    wie_main_pumpen(*instanz);
    EXPECT_EQ(eigen, bildschirm_pixel(s.liste));
}

// The rectangle of a control in its dialog's client area.
RECT im_dialog(HWND kind) {
    RECT r;
    GetWindowRect(kind, &r);
    MapWindowPoints(nullptr, GetParent(kind), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int32_t schrifthoehe(HWND kind) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageW(kind, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

// The main window at 96, 144 and 192 DPI opens the dialog at its own
// resolution: each control's place and size and the dialog's width are the
// 96-DPI ones scaled, the font is the library's scaled; at 96 the
// library's font itself and the sizes as they always were.
TEST_F(Suche, DialogBeiDerAufloesungDesHauptfensters) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& h = *hauptfenster;
    const int32_t hoehe96 = instanz->font.beschreibung().lfHeight;
    struct Fall {
        int32_t dpi;
        RECT feld, liste, zeile, knopf;  // left, top, right, bottom
    };
    for (const Fall& f : {Fall{96, {10, 10, 310, 32}, {10, 38, 310, 162}, {10, 166, 310, 212}, {10, 216, 110, 241}},
                          Fall{144, {15, 15, 465, 48}, {15, 57, 465, 243}, {15, 249, 465, 318}, {15, 324, 165, 362}},
                          Fall{192, {20, 20, 620, 64}, {20, 76, 620, 324}, {20, 332, 620, 424}, {20, 432, 220, 482}}}) {
        SCOPED_TRACE(f.dpi);
        RECT vorschlag;
        GetWindowRect(h.hwnd, &vorschlag);
        SendMessageA(h.hwnd, WM_DPICHANGED, MAKEWPARAM(f.dpi, f.dpi), reinterpret_cast<LPARAM>(&vorschlag));
        ASSERT_EQ(f.dpi, h.dpi_);
        h.suche.reset();
        SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(BEFEHL_SUCHEN, 1), 0);
        ASSERT_TRUE(h.suche && h.suche->hwnd);
        Such_DF& s = *h.suche;
        const HWND knopf = GetDlgItem(s.hwnd, SUCH_ZENTRIEREN);
        ASSERT_NE(nullptr, knopf);
        const std::pair<HWND, RECT> kinder[] = {{s.feld, f.feld}, {s.liste, f.liste}, {s.zeile, f.zeile}, {knopf, f.knopf}};
        for (const auto& [kind, soll] : kinder) {
            const RECT r = im_dialog(kind);
            EXPECT_TRUE(EqualRect(&r, &soll)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
            EXPECT_EQ(skaliert(hoehe96, f.dpi), schrifthoehe(kind));
        }
        RECT aussen;
        GetWindowRect(s.hwnd, &aussen);
        EXPECT_EQ(skaliert(320, f.dpi) + 2 * systemmass(SM_CXFIXEDFRAME, f.dpi), aussen.right - aussen.left);
        if (f.dpi == DPI_NORMAL) {
            EXPECT_EQ(instanz->font.handle(), reinterpret_cast<HFONT>(SendMessageW(s.feld, WM_GETFONT, 0, 0)));
        }
    }
    varnis_beenden();
}

}  // namespace
