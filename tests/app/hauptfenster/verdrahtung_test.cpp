// The finished pieces at work in the real main window: the menu bar at
// start-up, the command dispatch, the keys, the hover popup, the label click,
// the drag and the wheel on the drawn chart, the click in the overview, and
// the screen-saver hooks of activation and start-up.
#include "programm_umgebung.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas_kf.h"
#include "combobox_kf.h"
#include "dib_kf.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "menue/menue.h"
#include "projektion.h"
#include "schoner/modus.h"
#include "bedienfeld/leistenregel.h"
#include "schoner/registrierung.h"
#include "schoner_wahl.h"
#include "bedienfeld/tasten_leiste.h"
#include "start/programm.h"

namespace {

using Verdrahtung = ProgrammTest;

bool grau(HMENU m, UINT befehl) {
    return (GetMenuState(m, befehl, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0;
}

bool vorhanden(const std::string& pfad) {
    return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void schreiben(const std::string& pfad, const char* inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

std::string lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Waits up to ms for timer nummer of fenster; every other message is
// dispatched. True when it came (it is left in the queue for the caller).
bool zeitgeber_kommt(HWND fenster, UINT_PTR nummer, DWORD ms) {
    const DWORD ende = GetTickCount() + ms;
    for (;;) {
        MSG m;
        if (PeekMessageA(&m, fenster, WM_TIMER, WM_TIMER, PM_NOREMOVE) && m.wParam == nummer)
            return true;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_TIMER && m.hwnd == fenster && m.wParam == nummer) {
                DispatchMessageA(&m);
                return true;
            }
            DispatchMessageA(&m);
        }
        if (static_cast<LONG>(GetTickCount() - ende) >= 0) return false;
        Sleep(5);
    }
}

int32_t unterschiede(const DIB& bild, const std::vector<int32_t>& vorher) {
    int32_t n = 0;
    size_t i = 0;
    for (int32_t z = 0; z < bild.hoehe(); ++z)
        for (int32_t x = 0; x < bild.breite(); ++x) n += bild.pixel(x, z) != vorher[i++];
    return n;
}

std::vector<int32_t> bildpunkte(const DIB& bild) {
    std::vector<int32_t> p;
    for (int32_t z = 0; z < bild.hoehe(); ++z)
        for (int32_t x = 0; x < bild.breite(); ++x) p.push_back(bild.pixel(x, z));
    return p;
}

bool schliessen_angefordert(HWND fenster) {
    MSG m;
    return PeekMessageA(&m, fenster, WM_CLOSE, WM_CLOSE, PM_REMOVE) != 0;
}

// The pane pixel of the brightest star drawn well inside the chart, as the
// mouse must point at it (the hover test looks 2 pixels above the mouse).
bool stern_finden(Himmel& h, int32_t r, int32_t& x, int32_t& y) {
    for (int k = 0; k < KLASSEN; ++k) {
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const int32_t nummer = h.stern_saetze[k][i].nummer;
            if (!nummer_gueltig(nummer) || h.berechnet[nummer] != 1) continue;
            const PolarPos& p = h.polar[k][i];
            if (!sichtbar_quadrat(p.abstand, h.gesichtsfeld)) continue;
            const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, h.gesichtsfeld, r));
            x = r + v.dx;
            y = r - v.dy + 2;
            if (x > 10 && y > 10 && x < 2 * r - 10 && y < 2 * r - 10) return true;
        }
    }
    return false;
}

// A pane pixel on a constellation label well inside the chart, where the
// chart's placement (plan) put it, and its index.
int32_t label_finden(Himmel& h, int32_t r, const Schildplan& plan, int32_t& x, int32_t& y) {
    for (int32_t i = 0; i < h.sternbild_anzahl; ++i) {
        const PolarPos p = h.polar_berechnen(h.sternbilder[i].ort);
        if (!sichtbar_quadrat(p.abstand, h.gesichtsfeld) || plan.sternbilder[i].weg) continue;
        const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, h.gesichtsfeld, r));
        x = r + v.dx + 2 + plan.sternbilder[i].dx;
        y = r - v.dy - 1 + plan.sternbilder[i].dy;
        if (x > 20 && y > 20 && x < 2 * r - 20 && y < 2 * r - 20) return h.sternbild_suchen(x - 2, y, r, plan);
    }
    return -1;
}

// The left button pressed at (x, y) of the chart pane, moved to (x2, y2)
// while held and released there, as the system sends it.
void ziehen(Himmel_DF& f, int32_t x, int32_t y, int32_t x2, int32_t y2) {
    SendMessageA(f.karte->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(f.karte->hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x2, y2));
    SendMessageA(f.karte->hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x2, y2));
}

void klicken(Himmel_DF& f, int32_t x, int32_t y) { ziehen(f, x, y, x, y); }

TEST_F(Verdrahtung, MenueleisteMitSchonerpunkten) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    const HMENU m = GetMenu(hauptfenster->hwnd);
    ASSERT_NE(nullptr, m);
    ASSERT_EQ(4, GetMenuItemCount(m));
    for (int i = 0; i < 4; ++i) EXPECT_NE(nullptr, GetSubMenu(m, i)) << i;
    char gewaehlt[MAX_PATH];
    const bool installiert = kovra_registriert(gewaehlt, sizeof gewaehlt);
    EXPECT_EQ(installiert, grau(m, BEFEHL_SCHONER_INSTALLIEREN));
    for (UINT b : {109u, 110u, 112u, 113u}) EXPECT_EQ(!installiert, grau(m, b)) << b;
    EXPECT_FALSE(GetMenuState(m, BEFEHL_SCHONER_BEARBEITEN, MF_BYCOMMAND) & MF_CHECKED);

    // The window's own update follows the user's choice of saver.
    const Benutzerwahl vorher = benutzerwahl_lesen();
    benutzerwahl_setzen({});
    hauptfenster->schoner_menue_auffrischen();
    EXPECT_FALSE(grau(m, BEFEHL_SCHONER_INSTALLIEREN));
    EXPECT_TRUE(grau(m, BEFEHL_SCHONER_TESTEN));
    schreiben(pfad("Kovra32.scr"), "MZ");
    benutzerwahl_setzen({pfad("Kovra32.scr"), "1"});
    hauptfenster->schoner_menue_auffrischen();
    EXPECT_TRUE(grau(m, BEFEHL_SCHONER_INSTALLIEREN));
    EXPECT_FALSE(grau(m, BEFEHL_SCHONER_TESTEN));
    hauptfenster->bearbeiten_markieren(true);
    EXPECT_TRUE(GetMenuState(m, BEFEHL_SCHONER_BEARBEITEN, MF_BYCOMMAND) & MF_CHECKED);
    benutzerwahl_setzen(vorher);
}

TEST_F(Verdrahtung, NurMenuebefehleMitCodeNull) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& f = *hauptfenster;
    const HWND hf = f.hwnd;
    SendMessageA(hf, WM_COMMAND, MAKEWPARAM(BEFEHL_INFO, 0), 0);
    const HWND info = FindWindowA(nullptr, ui_text(UI_INFO_TITEL));
    ASSERT_NE(nullptr, info);
    EXPECT_TRUE(IsWindowVisible(info));
    // After its button destroyed it, the command makes it anew.
    SendMessageA(info, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(info, IDOK)));
    pumpen();
    EXPECT_FALSE(IsWindow(info));
    SendMessageA(hf, WM_COMMAND, MAKEWPARAM(BEFEHL_INFO, 0), 0);
    const HWND wieder = FindWindowA(nullptr, ui_text(UI_INFO_TITEL));
    ASSERT_NE(nullptr, wieder);
    EXPECT_TRUE(IsWindowVisible(wieder));

    // A list's notification that carries a menu identifier ends nothing and
    // still reaches the panel.
    f.zeit_wahl->setcursel(3);
    SendMessageA(hf, WM_COMMAND, MAKEWPARAM(BEFEHL_BEENDEN, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(f.zeit_wahl->hwnd));
    EXPECT_FALSE(schliessen_angefordert(hf));
    EXPECT_EQ(3, f.zeit);
    SendMessageA(hf, WM_COMMAND, MAKEWPARAM(BEFEHL_BEENDEN, 0), 0);
    EXPECT_TRUE(schliessen_angefordert(hf));
}

TEST_F(Verdrahtung, SternZeigtPopupUndLabelKlickHebtHervor) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    Himmel& h = *f.himmel;
    const Kartenbereich flaeche = kartenbereich(f.karte->hwnd, f.hwnd);
    const int32_t r = flaeche.breite / 2;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(stern_finden(h, r, x, y));
    // The real pointer goes there too: its own moves must not lead away.
    POINT auf{x, y};
    ClientToScreen(f.karte->hwnd, &auf);
    SetCursorPos(auf.x, auf.y);
    SendMessageA(f.karte->hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    EXPECT_EQ(INFO_STERN, f.info_anzeige.art());
    EXPECT_EQ(170, f.info_anzeige.lage().breite);
    ASSERT_TRUE(zeitgeber_kommt(f.hwnd, ZEITGEBER_INFO_ZEIGEN, 2000));
    pumpen();
    EXPECT_TRUE(IsWindowVisible(f.info_fenster->hwnd));
    RECT popup;
    GetClientRect(f.info_fenster->hwnd, &popup);
    EXPECT_EQ(170, popup.right);
    EXPECT_EQ(122, popup.bottom);

    const int32_t b = label_finden(h, r, f.beschriftung->plan, x, y);
    ASSERT_GE(b, 0);
    ASSERT_EQ(0, h.sternbilder[b].hervorgehoben);
    // Highlighted: the labels are placed anew, so the cycle goes on from the
    // grid, the figures next, and at rest the designations stand.
    const std::vector<int32_t> vorher = bildpunkte(f.karte_bild);
    klicken(f, x, y);
    EXPECT_EQ(1, h.sternbilder[b].hervorgehoben);
    EXPECT_EQ(STUFE_FIGUREN, f.zeichen_schritt);
    bis_ruhe(f);
    EXPECT_GT(unterschiede(f.karte_bild, vorher), 0);
    // Plain again, clicked where its name stands now: the same.
    ASSERT_EQ(b, label_finden(h, r, f.beschriftung->plan, x, y));
    klicken(f, x, y);
    EXPECT_EQ(0, h.sternbilder[b].hervorgehoben);
    EXPECT_EQ(STUFE_FIGUREN, f.zeichen_schritt);
    bis_ruhe(f);
}

// A user's folder of the test's own in place of the program's, for as long
// as the object lives; the saver's files in it go with it.
class EigenerBenutzerordner {
public:
    explicit EigenerBenutzerordner(const std::string& pfad) : vorher(benutzer_verzeichnis), ordner(pfad) {
        CreateDirectoryA(ordner.c_str(), nullptr);
        snprintf(benutzer_verzeichnis, sizeof benutzer_verzeichnis, "%s", ordner.c_str());
    }
    ~EigenerBenutzerordner() {
        for (const char* name : {"Kovra.ini", "Kovra.si$"}) DeleteFileA(datei(name).c_str());
        RemoveDirectoryA(ordner.c_str());
        snprintf(benutzer_verzeichnis, sizeof benutzer_verzeichnis, "%s", vorher.c_str());
    }
    std::string datei(const char* name) const { return ordner + "\\" + name; }

private:
    const std::string vorher, ordner;
};

// The key table is consulted before the dialog filter: with a list focused,
// which would take the keys for itself, the paging keys step the moment by an
// hour and the arrows move the right-ascension bar, and the list stays.
TEST_F(Verdrahtung, TastentabelleVorDerFokussiertenListe) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& h = *hauptfenster;
    for (Combobox_KF* liste : {h.monat_wahl.get(), h.zeit_wahl.get(), h.ort_wahl.get()}) {
        SetFocus(liste->hwnd);
        const LRESULT eintrag = liste->getcursel();
        const int32_t stunde = h.moment.zeit.stunde;
        PostMessageA(liste->hwnd, WM_KEYDOWN, VK_NEXT, 0);
        wie_main_pumpen(*instanz);
        EXPECT_EQ((stunde + 1) % 24, h.moment.zeit.stunde);
        PostMessageA(liste->hwnd, WM_KEYDOWN, VK_PRIOR, 0);
        wie_main_pumpen(*instanz);
        EXPECT_EQ(stunde, h.moment.zeit.stunde);
        const int32_t position = h.rekt_leiste->pos();
        PostMessageA(liste->hwnd, WM_KEYDOWN, VK_LEFT, 0);
        wie_main_pumpen(*instanz);
        EXPECT_NE(position, h.rekt_leiste->pos());
        // The place list would have paged to another place.
        if (liste == h.ort_wahl.get()) {
            EXPECT_EQ(eintrag, liste->getcursel());
        }
    }
}

// Activation after a test run of the saver, in mode 1: the parked settings
// come back, but not on an activation by a mouse click.
TEST_F(Verdrahtung, AktivierungHoltGeparkteEinstellungen) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    const EigenerBenutzerordner win(pfad("win"));
    const std::string ini = win.datei("Kovra.ini"), geparkt = win.datei("Kovra.si$");
    bss_modus = 1;
    struct Fall {
        WPARAM zustand;
        bool zurueck;
    };
    for (const Fall& fall : {Fall{WA_CLICKACTIVE, false}, Fall{WA_ACTIVE, true}}) {
        schreiben(ini, "[Test]\r\nwert=neu\r\n");
        schreiben(geparkt, "[Test]\r\nwert=alt\r\n");
        SendMessageA(hauptfenster->hwnd, WM_ACTIVATE, fall.zustand, 0);
        EXPECT_EQ(!fall.zurueck, vorhanden(geparkt)) << fall.zustand;
        EXPECT_EQ(fall.zurueck ? "[Test]\r\nwert=alt\r\n" : "[Test]\r\nwert=neu\r\n", lesen(ini))
            << fall.zustand;
    }
    bss_modus = 0;
}

// Closing twice in mode 1 (the second close comes while the question of the
// first is open) asks once whether the saver keeps the changes.
int zweites_schliessen(HWND besitzer, const char* text, const char* titel, UINT) {
    ProgrammTest::meldungen.push_back({besitzer, text ? text : "", titel ? titel : ""});
    if (ProgrammTest::meldungen.size() == 1) SendMessageA(hauptfenster->hwnd, WM_CLOSE, 0, 0);
    return IDNO;
}

TEST_F(Verdrahtung, ZweimalSchliessenFragtEinmal) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    const EigenerBenutzerordner win(pfad("win"));
    modus_setzen(*hauptfenster, 1);
    meldung_ersatz = zweites_schliessen;
    PostMessageA(hauptfenster->hwnd, WM_CLOSE, 0, 0);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
    ASSERT_EQ(1u, meldungen.size());
    EXPECT_EQ(ui_text(UI_FRAGE_UEBERNEHMEN), meldungen[0].text);
    EXPECT_EQ(0, bss_modus);
    varnis_beenden();
}

// The saver's hand-off marker puts the started program into mode 1, with
// the check mark on the menu that is attached by then.
TEST_F(Verdrahtung, UebergabeBeimStart) {
    alle_dateien();
    schreiben(pfad("Kovra.acc"), "");
    ASSERT_EQ(0, varnis_starten(*instanz));
    EXPECT_EQ(1, bss_modus);
    EXPECT_FALSE(vorhanden(pfad("Kovra.acc")));
    EXPECT_TRUE(GetMenuState(GetMenu(hauptfenster->hwnd), BEFEHL_SCHONER_BEARBEITEN, MF_BYCOMMAND) &
                MF_CHECKED);
    ASSERT_EQ(1u, meldungen.size());
    EXPECT_EQ(ui_text(UI_PROGRAMM), meldungen[0].titel);
    modus_setzen(*hauptfenster, 0);
}

}  // namespace

// "Uhr folgen" ends when the user chooses another time (a step, the
// right-ascension bar), so that the next full minute does not take the
// choice back; another place keeps it, the clock followed there.
TEST_F(Verdrahtung, GewaehlteZeitBeendetUhrFolgenEinOrtNicht) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& h = *hauptfenster;
    auto befehl = [&](int32_t id) { SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); };
    auto haken = [&] {
        return (GetMenuState(GetMenu(h.hwnd), BEFEHL_UHR_FOLGEN, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    struct Fall {
        const char* was;
        std::function<void()> tun;
    };
    const Fall faelle[] = {
        {"Stunde", [&] { befehl(BEFEHL_STUNDE_SPAETER); }},
        {"Tag", [&] { befehl(BEFEHL_TAG_FRUEHER); }},
        {"Leiste", [&] { SendMessageA(h.hwnd, WM_KEYDOWN, VK_LEFT, 0); }},
    };
    for (const Fall& f : faelle) {
        befehl(BEFEHL_UHR_FOLGEN);
        ASSERT_TRUE(h.uhr_folgen) << f.was;
        f.tun();
        EXPECT_FALSE(h.uhr_folgen) << f.was;
        EXPECT_FALSE(haken()) << f.was;
    }
    befehl(BEFEHL_UHR_FOLGEN);
    const LRESULT ort = h.ort_wahl->getcursel();
    h.ort_wahl->setcursel(ort == 0 ? 1 : 0);
    SendMessageA(h.hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h.ort_wahl->hwnd), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(h.ort_wahl->hwnd));
    EXPECT_NE(ort, h.ort_wahl->getcursel());
    EXPECT_TRUE(h.uhr_folgen);
    EXPECT_TRUE(haken());
}

// ---- the keys and the mouse ----

// The commands the main window receives from the key table (code 1), and the
// title of every dialog box they open, which a timer closes again so that a
// modal dialog does not hold up the test.
std::vector<int32_t> tastenbefehle;
std::vector<std::string> dialogtitel;

LRESULT CALLBACK befehl_mitschreiben(int code, WPARAM w, LPARAM l) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && hauptfenster && m->hwnd == hauptfenster->hwnd &&
        m->message == WM_COMMAND && HIWORD(m->wParam) == 1) {
        tastenbefehle.push_back(LOWORD(m->wParam));
    }
    return CallNextHookEx(nullptr, code, w, l);
}

BOOL CALLBACK dialog_schliessen(HWND fenster, LPARAM) {
    char klasse[16] = "";
    GetClassNameA(fenster, klasse, sizeof klasse);
    if (IsWindowVisible(fenster) && strcmp(klasse, "#32770") == 0) {
        const std::string titel = text_von(fenster);
        if (dialogtitel.empty() || dialogtitel.back() != titel) dialogtitel.push_back(titel);
        PostMessageA(fenster, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}

void CALLBACK dialoge_schliessen(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), dialog_schliessen, 0);
}

// F1, Ctrl+S and Ctrl+P reach their commands through the key table, before
// the focused list could take them: the help (which, its folder too long
// for a path, says it found no help file), the save dialog of the bitmap
// and the printing.
TEST_F(Verdrahtung, F1StrgSStrgPErreichenIhreBefehle) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    const std::string start = start_verzeichnis;
    memset(start_verzeichnis, 'x', PFAD_LAENGE - 1);
    start_verzeichnis[PFAD_LAENGE - 1] = '\0';
    const HHOOK haken = SetWindowsHookExA(WH_CALLWNDPROC, befehl_mitschreiben, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, haken);
    const UINT_PTR uhr = SetTimer(nullptr, 0, 200, dialoge_schliessen);
    struct Fall {
        WPARAM taste;
        bool strg;
        int32_t befehl;
    };
    for (const Fall& fall : {Fall{VK_F1, false, BEFEHL_HILFE}, Fall{'S', true, BEFEHL_BITMAP},
                             Fall{'P', true, BEFEHL_DRUCKEN}}) {
        tastenbefehle.clear();
        dialogtitel.clear();
        meldungen.clear();
        BYTE tasten[256];
        GetKeyboardState(tasten);
        tasten[VK_CONTROL] = fall.strg ? 0x80 : 0;
        SetKeyboardState(tasten);
        SetFocus(hauptfenster->ort_wahl->hwnd);
        const LRESULT ort = hauptfenster->ort_wahl->getcursel();
        PostMessageA(hauptfenster->ort_wahl->hwnd, WM_KEYDOWN, fall.taste, 0);
        wie_main_pumpen(*instanz);
        tasten[VK_CONTROL] = 0;
        SetKeyboardState(tasten);
        EXPECT_EQ(std::vector<int32_t>{fall.befehl}, tastenbefehle) << fall.taste;
        EXPECT_EQ(ort, hauptfenster->ort_wahl->getcursel()) << fall.taste;
        // What the command shows: the help's box, the save dialog, the
        // print dialog (its title is the system's).
        if (fall.befehl == BEFEHL_HILFE) {
            ASSERT_EQ(1u, meldungen.size());
            EXPECT_NE(std::string::npos, meldungen[0].text.find("Varnis.hlp"));
        } else {
            ASSERT_EQ(1u, dialogtitel.size()) << fall.taste;
            if (fall.befehl == BEFEHL_BITMAP) {
                EXPECT_EQ(ui_text(UI_BITMAP_DIALOG), dialogtitel[0]);
            }
        }
    }
    KillTimer(nullptr, uhr);
    UnhookWindowsHookEx(haken);
    snprintf(start_verzeichnis, PFAD_LAENGE, "%s", start.c_str());
}

void feld_setzen(Himmel_DF& h, int32_t grad) {
    rollen(*h.feld_leiste, SB_THUMBTRACK, static_cast<int16_t>(leisten_position(FELD_REGEL, grad)));
}

int32_t feld(Himmel_DF& h) { return leisten_wert(FELD_REGEL, h.feld_leiste->pos()); }

// A wheel message as the system posts it: to the focused window, with the
// pointer's screen position.
void rad(Instanz& instanz, HWND fokus, int16_t delta, HWND unter, int32_t x, int32_t y) {
    POINT p{x, y};
    ClientToScreen(unter, &p);
    PostMessageA(fokus, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(delta)), MAKELPARAM(p.x, p.y));
    wie_main_pumpen(instanz);
}

// The wheel goes by the pointer, not by the focus: over the chart a notch
// forward is the system's lines per notch as line steps of the field-of-view
// bar toward the smaller field, a notch back the other way, while a list has
// the focus; over the list the list has it and the field stays.
TEST_F(Verdrahtung, RadUeberDerKarteAendertDasGesichtsfeld) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& h = *hauptfenster;
    // Above the windows of tests running beside it: the pointer's window counts.
    SetWindowPos(h.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UINT zeilen = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &zeilen, 0);
    const int32_t z = static_cast<int32_t>(zeilen);
    feld_setzen(h, 60);
    ASSERT_EQ(60, feld(h));
    const HWND liste = h.ort_wahl->hwnd;
    SetFocus(liste);
    const int32_t r = Himmel_DF::radius(h.karte.get());
    rad(*instanz, liste, 120, h.karte->hwnd, r, r);
    EXPECT_EQ(60 - z, feld(h));
    EXPECT_NEAR((60 - z) * PI / 180, h.himmel->gesichtsfeld, 1e-9);
    rad(*instanz, liste, -240, h.karte->hwnd, r / 2, r / 3);
    EXPECT_EQ(60 + z, feld(h));
    RECT l;
    GetClientRect(liste, &l);
    rad(*instanz, liste, 120, liste, l.right / 2, l.bottom / 2);
    EXPECT_EQ(60 + z, feld(h)) << "over the list";
    // Sent to the chart itself (as Windows 10 does) it is the same.
    rad(*instanz, h.karte->hwnd, 120, h.karte->hwnd, r, r);
    EXPECT_EQ(60, feld(h));

    // A popup shown before the wheel turns goes: its star has moved.
    bis_ruhe(h);
    int32_t x = 0, y = 0;
    ASSERT_TRUE(stern_finden(*h.himmel, r, x, y));
    POINT auf{x, y};
    ClientToScreen(h.karte->hwnd, &auf);
    SetCursorPos(auf.x, auf.y);
    SendMessageA(h.karte->hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    ASSERT_TRUE(zeitgeber_kommt(h.hwnd, ZEITGEBER_INFO_ZEIGEN, 2000));
    pumpen();
    ASSERT_TRUE(IsWindowVisible(h.info_fenster->hwnd));
    rad(*instanz, liste, 120, h.karte->hwnd, x, y);
    for (int i = 0; i < 20 && IsWindowVisible(h.info_fenster->hwnd); ++i) pumpen();
    EXPECT_FALSE(IsWindowVisible(h.info_fenster->hwnd));
    SetWindowPos(h.hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Dragging the chart moves the view as the bars would: to the right the
// east (a larger right ascension) comes to the middle, down the north, and
// the moment and the place follow as for the bars. A press that moves no
// more than the system's drag distance is a click and highlights the label
// under it; one that moves a pixel further is a drag and highlights nothing.
TEST_F(Verdrahtung, ZiehenBewegtDenBlickEinKurzerDruckBleibtEinKlick) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    Himmel_DF& h = *hauptfenster;
    feld_setzen(h, 60);
    bis_ruhe(h);
    const int32_t r = Himmel_DF::radius(h.karte.get());
    int32_t x = 0, y = 0;
    const int32_t b = label_finden(*h.himmel, r, h.beschriftung->plan, x, y);
    ASSERT_GE(b, 0);
    const int32_t cx = GetSystemMetrics(SM_CXDRAG), cy = GetSystemMetrics(SM_CYDRAG);
    const Blickwerte start = h.blick();
    ziehen(h, x, y, x + cx, y - cy);
    EXPECT_EQ(1, h.himmel->sternbilder[b].hervorgehoben) << "a click";
    EXPECT_EQ(start.rekt, h.blick().rekt);
    EXPECT_EQ(start.dekl, h.blick().dekl);
    ziehen(h, x, y, x + cx + 1, y);
    EXPECT_EQ(1, h.himmel->sternbilder[b].hervorgehoben) << "a drag toggles nothing";
    EXPECT_NE(start.rekt, h.blick().rekt);

    const double grad_je_pixel = 60.0 / (2 * r);
    const Blickwerte vorher = h.blick();
    const Moment moment = h.moment;
    ziehen(h, x, y, x + 80, y);
    const double stunden = 80 * grad_je_pixel / std::cos(vorher.dekl / 100.0 * PI / 180) / 15;
    EXPECT_NEAR((vorher.rekt + stunden * 100), h.blick().rekt, 3);
    EXPECT_EQ(vorher.dekl, h.blick().dekl);
    EXPECT_TRUE(h.moment.zeit.stunde != moment.zeit.stunde || h.moment.zeit.minute != moment.zeit.minute ||
                h.moment.datum.tag != moment.datum.tag)
        << "the moment follows the right ascension";
    const Blickwerte danach = h.blick();
    ziehen(h, x, y, x, y + 100);
    EXPECT_EQ(danach.dekl + static_cast<int32_t>(std::lround(100 * grad_je_pixel * 100)), h.blick().dekl);
    EXPECT_NEAR(danach.rekt, h.blick().rekt, 3);
    EXPECT_EQ(0, h.ort_fest) << "the place follows the declination";
    EXPECT_NEAR(h.blick().dekl / 100.0, h.moment.ort.breite, 0.01);
    // The pointer left the pane while it held the mouse: negative pixels.
    const Blickwerte innen = h.blick();
    ziehen(h, 10, 10, -30, 10);
    const int32_t zurueck = (innen.rekt - h.blick().rekt + 2400) % 2400;
    EXPECT_GT(zurueck, 0) << "dragged left: the west comes to the middle";
    EXPECT_LT(zurueck, 1200);
}

// A click in the overview turns the view to the point under it: the middle
// keeps it, a third of the radius above the middle lies 30 degrees north,
// to the left lies the east, and a click beyond the horizon circle does
// nothing. By the original rule the bars are the centre, so it is checked
// exactly; by the moment's rule the place found at the new latitude lends
// its longitude, which moves the right ascension as the bar would.
TEST_F(Verdrahtung, KlickInDieUebersichtZentriertDieKarteDort) {
    alle_dateien();
    for (const int32_t regel : {REGEL_ORIGINAL, REGEL_MOMENT}) {
        WritePrivateProfileStringA("Moment", "Regel", std::to_string(regel).c_str(), pfad("Varnis.ini").c_str());
        ASSERT_EQ(0, varnis_starten(*instanz));
        Himmel_DF& h = *hauptfenster;
        ASSERT_EQ(regel, h.regel);
        rollen(*h.dekl_leiste, SB_THUMBTRACK, static_cast<int16_t>(leisten_position(DEKL_REGEL, 4000)));
        const int32_t r = Himmel_DF::radius(h.uebersicht.get());
        const HWND uebersicht = h.uebersicht->hwnd;
        const Blickwerte start = h.blick();
        ASSERT_EQ(4000, start.dekl);
        for (const POINT p : {POINT{r, r}, POINT{1, 1}}) {
            SendMessageA(uebersicht, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
            EXPECT_EQ(start.rekt, h.blick().rekt) << p.x << "," << p.y;
            EXPECT_EQ(start.dekl, h.blick().dekl) << p.x << "," << p.y;
        }
        SendMessageA(uebersicht, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r, r - r / 3));
        const double pixel = 90.0 / r;  // degrees
        EXPECT_NEAR(7000, h.blick().dekl, pixel * 100) << regel;
        EXPECT_NEAR(70.0, h.himmel->deklination, pixel + 0.5) << regel;
        EXPECT_EQ(0, h.ort_fest) << regel;
        if (regel == REGEL_ORIGINAL) {
            EXPECT_EQ(start.rekt, h.blick().rekt);
            EXPECT_NEAR(start.rekt / 100.0, h.himmel->rektaszension, 0.005);
        }
        const Blickwerte norden = h.blick();
        SendMessageA(uebersicht, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r / 2, r));
        const int32_t osten = (h.blick().rekt - norden.rekt + 2400) % 2400;
        EXPECT_GT(osten, 100) << regel;
        EXPECT_LT(osten, 1200) << regel;
        varnis_beenden();
        DeleteFileA(pfad("Varnis.ini").c_str());
    }
}
