// Start-up of Varnis32 with and without each of its data files.
#include "programm_umgebung.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bedienfeld/orte.h"
#include "beschaedigte_kataloge.h"
#include "bitmap_kf.h"
#include "combobox_kf.h"
#include "gemeinsam/ui_texte.h"
#include "ini_datei.h"
#include "menue/ueber.h"
#include "skaliert.h"
#include "start/programm.h"
#include "text_kf.h"
#include "varnis_version.h"

namespace {

using Start = ProgrammTest;

int32_t orte_im_datenordner() {
    Orte orte;
    EXPECT_EQ(0, orte_laden(VARNIS_TEST_DATA, orte));
    return orte.anzahl();
}

TEST_F(Start, MitAllenDateienOhneMeldung) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    EXPECT_TRUE(meldungen.empty());
    ASSERT_NE(nullptr, hauptfenster);
    ASSERT_NE(nullptr, hauptfenster->hwnd);
    EXPECT_TRUE(IsWindowVisible(hauptfenster->hwnd));
    EXPECT_EQ(hauptfenster, instanz->hf());
    // The title names the program, the moment of the default view (the
    // 1st of February of this year at Baltimore) and the place.
    const std::string titel = text_von(hauptfenster->hwnd);
    EXPECT_EQ(0u, titel.find(std::string(ui_text(UI_PROGRAMM)) + " \x96 ")) << titel;
    EXPECT_NE(std::string::npos, titel.find(", 1. Februar ")) << titel;
    EXPECT_EQ(titel.size() - 12, titel.rfind(" \x96 Baltimore")) << titel;
    EXPECT_STREQ(ordner.c_str(), start_verzeichnis);
    EXPECT_NE('\0', windows_verzeichnis[0]);
    EXPECT_EQ(88, hauptfenster->himmel->sternbild_anzahl);
    EXPECT_EQ(orte_im_datenordner(), hauptfenster->ort_wahl->getcount());
    // The first stage ran when the window opened: the bright stars are there.
    EXPECT_GT(sternpixel(hauptfenster->karte_bild), 0);
    EXPECT_GT(sternpixel(hauptfenster->uebersicht_bild), 0);

    varnis_beenden();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pfad("Varnis.ini").c_str()));
}

TEST_F(Start, OhneKatalogMeldungUndEnde) {
    dateien({"STBILDER.DAT", "Orte.dat"});
    EXPECT_EQ(-1, varnis_starten(*instanz));
    ASSERT_EQ(1u, meldungen.size());
    // It names where it looked: the current folder and the program's.
    char programm[MAX_PATH];
    GetModuleFileNameA(nullptr, programm, sizeof programm);
    *strrchr(programm, '\\') = '\0';
    char text[1024];
    snprintf(text, sizeof text, ui_text(UI_KATALOG_FEHLT),
             ("'" + ordner + "' und '" + programm + "'").c_str());
    EXPECT_EQ(text, meldungen[0].text);
    EXPECT_EQ(ui_text(UI_TITEL_FEHLER), meldungen[0].titel);
    EXPECT_EQ(nullptr, meldungen[0].besitzer);
    ASSERT_NE(nullptr, hauptfenster);
    EXPECT_EQ(nullptr, hauptfenster->hwnd);  // never shown
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(-1, static_cast<int>(msg.wParam));
    // A start that fails writes no settings.
    varnis_beenden();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pfad("Varnis.ini").c_str()));
}

TEST_F(Start, OhneSternbilderNurSterne) {
    dateien({"VARNIS.DAT", "Orte.dat"});
    ASSERT_EQ(0, varnis_starten(*instanz));
    ASSERT_EQ(1u, meldungen.size());
    EXPECT_EQ(ui_text(UI_STERNBILDER_FEHLEN), meldungen[0].text);
    EXPECT_EQ(ui_text(UI_TITEL_FEHLER), meldungen[0].titel);
    EXPECT_EQ(0, hauptfenster->himmel->sternbild_anzahl);
    bis_ruhe(*hauptfenster);
    EXPECT_GT(sternpixel(hauptfenster->karte_bild), 0);
    for (const DIB* bild : {&hauptfenster->karte_bild, &hauptfenster->uebersicht_bild}) {
        EXPECT_EQ(0, anzahl(*bild, FIGUREN_INDEX));
        EXPECT_EQ(0, anzahl(*bild, INDEX_BILDNAMEN));
    }
    EXPECT_EQ(1u, meldungen.size());
}

// The box of a damaged file names the whole path and the fault in words.
void erwarte_schadensmeldung(const Meldung& m, const std::string& pfad, const char* fall) {
    EXPECT_NE(std::string::npos, m.text.find("'" + pfad + "' ist besch\xE4" "digt: ")) << fall << ": " << m.text;
    EXPECT_EQ(ui_text(UI_TITEL_FEHLER), m.titel) << fall;
}

TEST_F(Start, BeschaedigterKatalogMeldungUndEnde) {
    dateien({"STBILDER.DAT", "Orte.dat"});
    for (const BeschaedigteDatei& d : beschaedigte_kataloge("VARNIS.DAT")) {
        ASSERT_TRUE(datei_schreiben(pfad("VARNIS.DAT"), d.bytes));
        meldungen.clear();
        EXPECT_EQ(-1, varnis_starten(*instanz)) << d.fall;
        ASSERT_EQ(1u, meldungen.size()) << d.fall;
        erwarte_schadensmeldung(meldungen[0], pfad("VARNIS.DAT"), d.fall);
        EXPECT_NE(std::string::npos, meldungen[0].text.find("wird beendet")) << d.fall;
        EXPECT_EQ(nullptr, hauptfenster->hwnd) << d.fall;  // never shown
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << d.fall;
        varnis_beenden();
    }
}

TEST_F(Start, BeschaedigteSternbilderNurSterne) {
    dateien({"VARNIS.DAT", "Orte.dat"});
    for (const BeschaedigteDatei& d : beschaedigte_kataloge("STBILDER.DAT")) {
        ASSERT_TRUE(datei_schreiben(pfad("STBILDER.DAT"), d.bytes));
        meldungen.clear();
        ASSERT_EQ(0, varnis_starten(*instanz)) << d.fall;
        ASSERT_GE(meldungen.size(), 1u) << d.fall;
        erwarte_schadensmeldung(meldungen[0], pfad("STBILDER.DAT"), d.fall);
        EXPECT_NE(std::string::npos, meldungen[0].text.find("ohne Sternbilder")) << d.fall;
        EXPECT_EQ(0, hauptfenster->himmel->sternbild_anzahl) << d.fall;
        EXPECT_GT(hauptfenster->himmel->anzahl[KLASSEN - 1], 0) << d.fall;  // the stars are there
        varnis_beenden();
    }
}

TEST_F(Start, OhneOrteLeereListe) {
    dateien({"VARNIS.DAT", "STBILDER.DAT"});
    ASSERT_EQ(0, varnis_starten(*instanz));
    ASSERT_EQ(1u, meldungen.size());
    EXPECT_EQ("Die Datei 'Orte.dat' konnte nicht ge\xF6" "ffnet werden!", meldungen[0].text);
    EXPECT_EQ("Fehler", meldungen[0].titel);
    EXPECT_EQ(hauptfenster->hwnd, meldungen[0].besitzer);
    EXPECT_EQ(0, hauptfenster->ort_wahl->getcount());
    // The place follows the declination into nothing, without harm.
    rollen(*hauptfenster->dekl_leiste, SB_LINEUP);
    EXPECT_EQ(-1, hauptfenster->ort);
    EXPECT_EQ(1u, meldungen.size());  // read once per run
}

TEST_F(Start, UeberFensterOeffnetSichWiederNachDemSchliessen) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    EXPECT_EQ(nullptr, FindWindowA(nullptr, ui_text(UI_INFO_TITEL)));  // not shown at start
    ueber_zeigen(hauptfenster->dpi_);
    HWND info = FindWindowA(nullptr, ui_text(UI_INFO_TITEL));
    ASSERT_NE(nullptr, info);
    RECT r;
    GetWindowRect(info, &r);
    EXPECT_EQ(410, r.right - r.left);
    EXPECT_EQ(443, r.bottom - r.top);
    EXPECT_EQ(hauptfenster->hwnd, GetWindow(info, GW_OWNER));
    // The first line names the build's version and word size.
    const std::string erste_zeile = std::string("Varnis ") + VARNIS_VERSION + " für Windows (" +
                                    (sizeof(void*) == 8 ? "64" : "32") + " Bit)";
    std::vector<std::string> zeilen;
    for (HWND kind = GetWindow(info, GW_CHILD); kind; kind = GetWindow(kind, GW_HWNDNEXT)) {
        wFenster* objekt = wFenster::welches_fenster(kind);
        if (objekt && objekt->klassen_name_("Text_KF", 1))
            zeilen.push_back(static_cast<Text_KF*>(objekt)->spalte(0));
    }
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), erste_zeile), zeilen.end()) << erste_zeile;
    // Its button (IDOK) closes it.
    SendMessageA(info, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(info, IDOK)));
    pumpen();
    EXPECT_FALSE(IsWindow(info));
    ueber_zeigen(hauptfenster->dpi_);
    EXPECT_NE(nullptr, FindWindowA(nullptr, ui_text(UI_INFO_TITEL)));
}

// The about window at the main window's resolution (96, 144, 192 DPI): its
// size, its button and the button's font, its pictures and its lines are those of 96 DPI
// scaled; made anew when the resolution changed since it was last shown.
TEST_F(Start, UeberFensterBeiDerAufloesungDesHauptfensters) {
    alle_dateien();
    ASSERT_EQ(0, varnis_starten(*instanz));
    const int32_t hoehe96 = instanz->font.beschreibung().lfHeight;
    for (const int32_t dpi : {96, 144, 192, 96}) {
        SCOPED_TRACE(dpi);
        RECT vorschlag;
        GetWindowRect(hauptfenster->hwnd, &vorschlag);
        SendMessageA(hauptfenster->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&vorschlag));
        ueber_zeigen(hauptfenster->dpi_);
        const HWND info = FindWindowA(nullptr, ui_text(UI_INFO_TITEL));
        ASSERT_NE(nullptr, info);
        RECT r;
        GetWindowRect(info, &r);
        EXPECT_EQ(skaliert(410, dpi), r.right - r.left);
        // No higher than the screen lets a window be (Xvfb's 768 or so).
        if (skaliert(443, dpi) < GetSystemMetrics(SM_CYMAXTRACK)) {
            EXPECT_EQ(skaliert(443, dpi), r.bottom - r.top);
        }
        GetWindowRect(GetDlgItem(info, IDOK), &r);
        MapWindowPoints(nullptr, info, reinterpret_cast<POINT*>(&r), 2);
        const RECT knopf{skaliert(330, dpi), skaliert(380, dpi), skaliert(330, dpi) + skaliert(64, dpi),
                         skaliert(380, dpi) + skaliert(25, dpi)};
        EXPECT_TRUE(EqualRect(&knopf, &r)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(GetDlgItem(info, IDOK), WM_GETFONT, 0, 0)), sizeof lf, &lf);
        EXPECT_EQ(skaliert(hoehe96, dpi), lf.lfHeight);
        std::vector<SIZE> bilder;
        int32_t zeilen = 0;
        for (HWND kind = GetWindow(info, GW_CHILD); kind; kind = GetWindow(kind, GW_HWNDNEXT)) {
            wFenster* objekt = wFenster::welches_fenster(kind);
            GetWindowRect(kind, &r);
            if (objekt && objekt->klassen_name_("Bitmap_KF", 1)) bilder.push_back({r.right - r.left, r.bottom - r.top});
            if (!objekt || !objekt->klassen_name_("Text_KF", 1)) continue;
            ++zeilen;
            EXPECT_EQ(skaliert(400, dpi), r.right - r.left);
        }
        EXPECT_GT(zeilen, 3);
        ASSERT_EQ(2u, bilder.size());
        std::sort(bilder.begin(), bilder.end(), [](SIZE a, SIZE b) { return a.cx < b.cx; });
        EXPECT_EQ(skaliert(64, dpi), bilder[0].cx);
        EXPECT_EQ(skaliert(64, dpi), bilder[0].cy);
        EXPECT_EQ(skaliert(380, dpi), bilder[1].cx);
        EXPECT_EQ(skaliert(211, dpi), bilder[1].cy);
    }
}

}  // namespace
