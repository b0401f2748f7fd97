// The main window moved to a screen of another resolution: WM_DPICHANGED,
// which Wine does not send by itself, sent as Windows sends it (the new DPI
// on both axes, the suggested window rectangle).
#include "programm_umgebung.h"

#include <string>

#include "dib_kf.h"
#include "dpi.h"
#include "edit_kf.h"
#include "hauptfenster/anordnung.h"
#include "menue/menue.h"

namespace {

using Aufloesung = ProgrammTest;

SIZE client(HWND f) {
    RECT r;
    GetClientRect(f, &r);
    return SIZE{r.right, r.bottom};
}

// A child's window rectangle in client pixels of its parent.
RECT lage(Fenster& kind) {
    RECT r;
    GetWindowRect(kind.hwnd, &r);
    MapWindowPoints(nullptr, GetParent(kind.hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void liegt(Fenster& kind, const Platz& p, const char* was) {
    const RECT r = lage(kind);
    EXPECT_EQ(p.x, r.left) << was;
    EXPECT_EQ(p.y, r.top) << was;
    EXPECT_EQ(p.breite, r.right - r.left) << was;
    EXPECT_EQ(p.hoehe, r.bottom - r.top) << was;
}

// The pixel width of a cursor's image.
int32_t zeigerbreite(HCURSOR zeiger) {
    ICONINFO info{};
    if (!zeiger || !GetIconInfo(zeiger, &info)) return 0;
    BITMAP b{};
    GetObjectA(info.hbmMask, sizeof b, &b);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return b.bmWidth;
}

// The height of the font a control was given.
int32_t schrifthoehe(Fenster& kind) {
    LOGFONTA lf{};
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(kind.hwnd, WM_GETFONT, 0, 0));
    GetObjectA(font, sizeof lf, &lf);
    return lf.lfHeight;
}

void dpi_senden(Himmel_DF& f, int32_t dpi, RECT vorschlag) {
    SendMessageA(f.hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&vorschlag));
}

// Each new resolution: the window takes the suggested rectangle, lays out
// its client area at that resolution, makes both canvases anew at the
// panes' sizes and starts drawing, and the panel's font and the chart's
// cursors (night mode's red ones too) are those of the resolution. The
// last case keeps the window's size, so no WM_SIZE comes: the layout is
// made anew all the same. Back at 96 DPI the panel has the library's font.
TEST_F(Aufloesung, NeueAufloesungNimmtDasVorgeschlageneRechteckUndOrdnetNeuAn) {
    alle_dateien();
    Himmel_DF& f = oeffnen(640, 480);
    ASSERT_EQ(96, f.dpi_);
    // At 96 DPI the bars are as thick as they always were.
    EXPECT_EQ(16, Himmel_DF::massstab(96).leiste);
    f.menue_befehl(BEFEHL_NACHTMODUS);
    const int32_t hoehe_96 = schrifthoehe(*f.rekt_anzeige);
    struct Fall { int32_t dpi; RECT vorschlag; };
    for (const Fall& fall : {Fall{144, {40, 30, 40 + 960, 30 + 720}}, Fall{120, {10, 20, 10 + 850, 20 + 640}},
                             Fall{96, {0, 0, 640, 480}}, Fall{144, {0, 0, 640, 480}}}) {
        SCOPED_TRACE(std::to_string(fall.dpi) + " DPI");
        f.zeichen_schritt = STUFE_RUHE;
        dpi_senden(f, fall.dpi, fall.vorschlag);
        EXPECT_EQ(fall.dpi, f.dpi_);
        RECT r;
        GetWindowRect(f.hwnd, &r);
        EXPECT_EQ(0, memcmp(&r, &fall.vorschlag, sizeof r));

        RECT w, c;
        GetWindowRect(f.hwnd, &w);
        GetClientRect(f.hwnd, &c);
        int32_t b = c.right, h = c.bottom;
        mindestens(b, h, (w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom, fall.dpi);
        const Anordnung a = anordnung_berechnen(b, h, Himmel_DF::massstab(fall.dpi));
        liegt(*f.uebersicht, a.uebersicht, "uebersicht");
        liegt(*f.dekl_leiste, a.dekl_leiste, "dekl_leiste");
        liegt(*f.rekt_anzeige, a.rekt_anzeige, "rekt_anzeige");
        liegt(*f.ebenen_leisten[0], a.ebenen_leisten[0], "ebenen_leisten");
        liegt(*f.feld_anzeige, a.feld_anzeige, "feld_anzeige");
        liegt(*f.karte, a.karte, "karte");
        EXPECT_EQ(client(f.karte->hwnd).cx, f.karte_bild.breite());
        EXPECT_EQ(client(f.uebersicht->hwnd).cy, f.uebersicht_bild.hoehe());
        EXPECT_NE(STUFE_RUHE, f.zeichen_schritt);

        EXPECT_EQ(schrift_fuer(instanz->font.beschreibung(), fall.dpi).lfHeight, schrifthoehe(*f.rekt_anzeige));
        EXPECT_EQ(fall.dpi == 96, schrifthoehe(*f.rekt_anzeige) == hoehe_96);
        EXPECT_EQ(fall.dpi == 96, f.bedienschrift == nullptr);
        EXPECT_EQ(systemmass(SM_CXCURSOR, fall.dpi), zeigerbreite(f.cursor_stern));
        EXPECT_EQ(systemmass(SM_CXCURSOR, fall.dpi), zeigerbreite(f.rote_zeiger.sternbild));
    }
    bis_ruhe(f);
    EXPECT_GT(sternpixel(f.karte_bild), 0);
    EXPECT_TRUE(meldungen.empty());
    // The library's colour scheme is the process's: the next test starts in day colours.
    f.menue_befehl(BEFEHL_NACHTMODUS);
}

}  // namespace
