// The main window at work: its layout at several sizes, the stages of the
// drawing cycle on the real canvases, and the panel moving the view.
#include "farben.h"
#include "programm_umgebung.h"

#include <cstring>
#include <vector>

#include "bedienfeld/ort_suche.h"
#include "bedienfeld/orte.h"
#include "bedienfeld/tasten_leiste.h"
#include "zeitregeln.h"
#include "canvas_kf.h"
#include "combobox_kf.h"
#include "dib_kf.h"
#include "edit_kf.h"
#include "hauptfenster/anordnung.h"
#include "text_kf.h"

namespace {

struct Hauptfenster : ProgrammTest {
    // The window under the original rule, whose bars and lists these panel
    // tests follow value for value: a Varnis.ini holding only the rule.
    Himmel_DF& nach_originalregel() {
        WritePrivateProfileStringA("Moment", "Regel", "1", pfad("Varnis.ini").c_str());
        return oeffnen();
    }
};

// The window rectangle of a child in client pixels of its parent.
RECT lage(Fenster& kind) {
    RECT r;
    GetWindowRect(kind.hwnd, &r);
    MapWindowPoints(nullptr, GetParent(kind.hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void liegt(Fenster& kind, const Platz& p, const char* was, bool mit_hoehe = true) {
    const RECT r = lage(kind);
    EXPECT_EQ(p.x, r.left) << was;
    EXPECT_EQ(p.y, r.top) << was;
    EXPECT_EQ(p.breite, r.right - r.left) << was;
    if (mit_hoehe) {
        EXPECT_EQ(p.hoehe, r.bottom - r.top) << was;
    }
}

SIZE client(HWND f) {
    RECT r;
    GetClientRect(f, &r);
    return SIZE{r.right, r.bottom};
}

// Client size of a window of breite x hoehe, held to the smallest layout.
SIZE erwartete_flaeche(HWND f, int32_t breite, int32_t hoehe, int32_t dpi) {
    RECT w, c;
    GetWindowRect(f, &w);
    GetClientRect(f, &c);
    const int32_t rand_x = (w.right - w.left) - c.right, rand_y = (w.bottom - w.top) - c.bottom;
    int32_t b = breite - rand_x, h = hoehe - rand_y;
    mindestens(b, h, rand_x, rand_y, dpi);
    return SIZE{b, h};
}

TEST_F(Hauptfenster, AnordnungBeiMehrerenGroessen) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    for (SIZE groesse : {SIZE{800, 600}, SIZE{1024, 740}, SIZE{640, 480}, SIZE{500, 400}}) {
        SCOPED_TRACE(std::to_string(groesse.cx) + " x " + std::to_string(groesse.cy));
        MoveWindow(f.hwnd, 0, 0, groesse.cx, groesse.cy, TRUE);
        const SIZE flaeche = erwartete_flaeche(f.hwnd, groesse.cx, groesse.cy, f.dpi_);
        const Anordnung a =
            anordnung_berechnen(flaeche.cx, flaeche.cy, Himmel_DF::massstab(f.dpi_));
        liegt(*f.uebersicht, a.uebersicht, "uebersicht");
        liegt(*f.rekt_leiste, a.rekt_leiste, "rekt_leiste");
        liegt(*f.dekl_leiste, a.dekl_leiste, "dekl_leiste");
        liegt(*f.titel_dekl, a.titel_dekl, "titel_dekl");
        liegt(*f.dekl_anzeige, a.dekl_anzeige, "dekl_anzeige");
        liegt(*f.zeit_wahl, a.zeit_wahl, "zeit_wahl", false);  // a closed list has its own height
        liegt(*f.ort_wahl, a.ort_wahl, "ort_wahl", false);
        liegt(*f.ebenen_titel[HILFSLINIEN], a.ebenen_titel[HILFSLINIEN], "titel Hilfslinien");
        liegt(*f.ebenen_leisten[HILFSLINIEN], a.ebenen_leisten[HILFSLINIEN], "Hilfslinien");
        liegt(*f.feld_anzeige, a.feld_anzeige, "feld_anzeige");
        liegt(*f.feld_leiste, a.feld_leiste, "feld_leiste");
        liegt(*f.karte, a.karte, "karte");
        EXPECT_FALSE(IsWindowVisible(f.info_fenster->hwnd));
        // The canvases fill the panes' client areas, and a new drawing began.
        EXPECT_EQ(client(f.uebersicht->hwnd).cx, f.uebersicht_bild.breite());
        EXPECT_EQ(client(f.uebersicht->hwnd).cy, f.uebersicht_bild.hoehe());
        EXPECT_EQ(client(f.karte->hwnd).cx, f.karte_bild.breite());
        EXPECT_EQ(client(f.karte->hwnd).cy, f.karte_bild.hoehe());
        EXPECT_EQ(60, f.zeichen_schritt);
    }
    // Below 640 x 480 the layout is that of 640 x 480.
    MoveWindow(f.hwnd, 0, 0, 640, 480, TRUE);
    const RECT bei_640 = lage(*f.karte);
    MoveWindow(f.hwnd, 0, 0, 300, 200, TRUE);
    const RECT kleiner = lage(*f.karte);
    EXPECT_EQ(0, memcmp(&bei_640, &kleiner, sizeof bei_640));
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(Hauptfenster, StufenBisZurRuheUndImLeerlauf) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    f.neu_zeichnen();  // the first stage runs at once
    std::vector<int32_t> stufen{f.zeichen_schritt};
    const int32_t helle = sternpixel(f.karte_bild);
    EXPECT_GT(helle, 0);
    while (f.zeichen_schritt != STUFE_RUHE && stufen.size() < 20) {
        f.zeitschritt();
        stufen.push_back(f.zeichen_schritt);
    }
    EXPECT_EQ((std::vector<int32_t>{60, 65, 70, 75, 80, 85, 90, 95, 100, 101, 102, -1}), stufen);
    EXPECT_GT(sternpixel(f.karte_bild), helle);  // the faint classes came on top
    std::vector<uint8_t> vorher(f.karte_bild.pixel_daten(),
                                f.karte_bild.pixel_daten() + f.karte_bild.zeilen_laenge() * f.karte_bild.hoehe());
    f.zeitschritt();  // idle: nothing drawn
    EXPECT_EQ(STUFE_RUHE, f.zeichen_schritt);
    EXPECT_EQ(0, memcmp(vorher.data(), f.karte_bild.pixel_daten(), vorher.size()));
}

TEST_F(Hauptfenster, EbenenLandenAufIhrenIndizes) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    EXPECT_GT(anzahl(f.karte_bild, FIGUREN_INDEX), 0);
    EXPECT_GT(anzahl(f.karte_bild, GITTER_INDEX), 0);
    EXPECT_GT(anzahl(f.karte_bild, INDEX_BILDNAMEN), 0);
    EXPECT_GT(anzahl(f.karte_bild, INDEX_STERNNAMEN), 0);
    EXPECT_GT(anzahl(f.uebersicht_bild, FIGUREN_INDEX), 0);
    EXPECT_GT(anzahl(f.uebersicht_bild, GITTER_INDEX), 0);
    EXPECT_EQ(0, anzahl(f.karte_bild, INDEX_FELD));
}

TEST_F(Hauptfenster, FeldquadratUndHorizontAufDerUebersicht) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    const int32_t w = f.uebersicht_bild.breite() - 2, h = f.uebersicht_bild.hoehe() - 2;
    const double anteil = 37.0 / 180.0;
    const int32_t x1 = static_cast<int32_t>((1 - anteil) * w / 2 + 0.5);
    const int32_t x2 = static_cast<int32_t>((1 + anteil) * w / 2 - 0.5);
    const int32_t y1 = static_cast<int32_t>((1 - anteil) * h / 2 + 0.5);
    const int32_t y2 = static_cast<int32_t>((1 + anteil) * h / 2 - 0.5);
    for (POINT p : {POINT{x1, y1}, POINT{x2, y1}, POINT{x2, y2}, POINT{x1, y2},
                    POINT{(x1 + x2) / 2, y1}, POINT{x2, (y1 + y2) / 2}}) {
        EXPECT_EQ(INDEX_FELD, f.uebersicht_bild.pixel(p.x, p.y)) << p.x << ", " << p.y;
    }
    // The square's side is the field of view's share of the hemisphere's
    // 180 degrees, its lines drawn half a pixel inside.
    EXPECT_NEAR(w * anteil - 1, x2 - x1, 1.0);
    // The horizon: a white circle touching the top and the left edge.
    const DIB& b = f.uebersicht_bild;
    EXPECT_EQ(0xFFFFFFu, b.farbe(b.pixel(w / 2, b.hoehe() - 1)));
    EXPECT_EQ(0xFFFFFFu, b.farbe(b.pixel(0, b.hoehe() - 1 - h / 2)));
}

TEST_F(Hauptfenster, NeubeginnMittenImZyklusLoeschtDieLeinwaende) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    f.neu_zeichnen();
    while (f.zeichen_schritt != 75) f.zeitschritt();
    f.karte_bild.punkt(0, 0, INDEX_FREI);
    f.uebersicht_bild.punkt(0, 0, INDEX_FREI);
    f.neu_zeichnen();
    EXPECT_EQ(60, f.zeichen_schritt);
    EXPECT_EQ(0, anzahl(f.karte_bild, INDEX_FREI));
    EXPECT_EQ(0, anzahl(f.uebersicht_bild, INDEX_FREI));
}

// ---- the panel ----

TEST_F(Hauptfenster, RektaszensionMitFestemDatumOderFesterStunde) {
    alle_dateien();
    Himmel_DF& f = nach_originalregel();
    ASSERT_EQ(1, f.fest);
    rollen(*f.rekt_leiste, SB_PAGELEFT);
    EXPECT_EQ(-2090, f.rekt_leiste->pos());
    EXPECT_DOUBLE_EQ(20.90, f.himmel->rektaszension);
    EXPECT_EQ("+20h 54.0'", text_von(f.rekt_anzeige->hwnd));
    EXPECT_EQ(2, f.monat);  // the date stands, the hour follows
    EXPECT_EQ(stunde_aus_rekt(20.90, 2), f.zeit);
    EXPECT_EQ(f.zeit, f.zeit_wahl->getcursel());
    EXPECT_EQ(60, f.zeichen_schritt);  // drawn afresh

    f.fest = 2;
    const int32_t stunde = f.zeit;
    rollen(*f.rekt_leiste, SB_LINERIGHT);
    EXPECT_DOUBLE_EQ(20.87, f.himmel->rektaszension);
    EXPECT_EQ(stunde, f.zeit);  // the hour stands, the date follows
    EXPECT_EQ(halbmonat_aus_rekt(20.87, stunde), f.monat);
    EXPECT_EQ(f.monat, f.monat_wahl->getcursel());

    rollen(*f.rekt_leiste, SB_THUMBTRACK, -5);
    EXPECT_DOUBLE_EQ(0.05, f.himmel->rektaszension);
    EXPECT_EQ("+00h 03.0'", text_von(f.rekt_anzeige->hwnd));
}

TEST_F(Hauptfenster, PfeiltastenSchiebenDieRektaszension) {
    alle_dateien();
    Himmel_DF& f = nach_originalregel();
    // Through the message loop, whichever control has the focus.
    PostMessageA(f.monat_wahl->hwnd, WM_KEYDOWN, VK_LEFT, 0);
    pumpen();
    EXPECT_EQ(-1993, f.rekt_leiste->pos());
    EXPECT_EQ(2, f.monat_wahl->getcursel());  // the list did not take the key
    PostMessageA(f.hwnd, WM_KEYDOWN, VK_RIGHT, 0);
    pumpen();
    EXPECT_EQ(-1990, f.rekt_leiste->pos());
    // Straight to the main window's handler.
    SendMessageA(f.hwnd, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(-1993, f.rekt_leiste->pos());
    EXPECT_DOUBLE_EQ(19.93, f.himmel->rektaszension);
}

TEST_F(Hauptfenster, DeklinationFolgtDemOrtUndUmgekehrt) {
    alle_dateien();
    Himmel_DF& f = nach_originalregel();
    const int32_t n = static_cast<int32_t>(f.ort_wahl->getcount());
    ASSERT_GT(n, 2);
    const std::vector<int32_t>& breiten = f.ort_breiten;
    // The file's places in its order, each name with its latitude.
    Orte orte;
    ASSERT_EQ(0, orte_laden(nullptr, orte));
    ASSERT_EQ(orte.anzahl(), n);
    ASSERT_EQ(static_cast<size_t>(n), breiten.size());
    for (int32_t i : {0, n / 2, n - 1}) {
        char name[64] = "";
        f.ort_wahl->getlbtext(i, name, sizeof name);
        EXPECT_STREQ(orte.ort(i)->name, name) << i;
        EXPECT_EQ(orte.ort(i)->breite, breiten[static_cast<size_t>(i)]) << i;
    }

    // A place chosen from the list sets the declination to its latitude.
    f.ort_wahl->setcursel(1);
    SendMessageA(f.hwnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(f.ort_wahl->hwnd));
    EXPECT_EQ(1, f.ort);
    EXPECT_EQ(1, f.ort_fest);
    EXPECT_EQ(-breiten[1], f.dekl_leiste->pos());
    EXPECT_DOUBLE_EQ(breiten[1] / 100.0, f.himmel->deklination);

    // The declination bar makes the place follow: within 0.1 degree, within
    // 1 degree, or none.
    for (int32_t abstand : {0, 5, 50, 5000}) {
        const int32_t dekl = breiten[0] + abstand > 8999 ? breiten[0] - abstand : breiten[0] + abstand;
        rollen(*f.dekl_leiste, SB_THUMBTRACK, static_cast<int16_t>(-dekl));
        EXPECT_EQ(0, f.ort_fest);
        EXPECT_DOUBLE_EQ(dekl / 100.0, f.himmel->deklination);
        const int32_t erwartet = ort_suchen(breiten.data(), n, dekl);
        EXPECT_EQ(erwartet, f.ort) << dekl;
        EXPECT_EQ(erwartet, f.ort_wahl->getcursel()) << dekl;
    }
}

TEST_F(Hauptfenster, DatumsUndStundenlisteSetzenDieRektaszension) {
    alle_dateien();
    Himmel_DF& f = nach_originalregel();
    f.monat_wahl->setcursel(17);
    f.zeit_wahl->setcursel(0);
    SendMessageA(f.hwnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(f.monat_wahl->hwnd));
    EXPECT_EQ(1, f.fest);
    EXPECT_EQ(0, f.rekt_leiste->pos());
    EXPECT_DOUBLE_EQ(0.0, f.himmel->rektaszension);
    EXPECT_EQ("+00h 00.0'", text_von(f.rekt_anzeige->hwnd));

    f.zeit_wahl->setcursel(7);
    f.monat_wahl->setcursel(2);
    SendMessageA(f.hwnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(f.zeit_wahl->hwnd));
    EXPECT_EQ(2, f.fest);
    EXPECT_EQ(-1600, f.rekt_leiste->pos());
    EXPECT_EQ(7, f.zeit);
    EXPECT_EQ(2, f.monat);
    // A notification of another kind changes nothing.
    f.zeit_wahl->setcursel(9);
    SendMessageA(f.hwnd, WM_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(f.zeit_wahl->hwnd));
    EXPECT_EQ(-1600, f.rekt_leiste->pos());
}

TEST_F(Hauptfenster, GesichtsfeldSeitenweiseBisZuDenGrenzen) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    EXPECT_EQ(" 37\xB0", text_von(f.feld_anzeige->hwnd));
    rollen(*f.feld_leiste, SB_THUMBTRACK, -175);
    rollen(*f.feld_leiste, SB_PAGELEFT);
    EXPECT_EQ(-180, f.feld_leiste->pos());
    EXPECT_EQ(" 180\xB0", text_von(f.feld_anzeige->hwnd));
    rollen(*f.feld_leiste, SB_THUMBTRACK, -8);
    rollen(*f.feld_leiste, SB_PAGERIGHT);
    EXPECT_EQ(-3, f.feld_leiste->pos());
    EXPECT_EQ("  3\xB0", text_von(f.feld_anzeige->hwnd));
    EXPECT_NEAR(3.0 * 3.1415927 / 180.0, f.himmel->gesichtsfeld, 1e-9);
}

// ---- layer intensities ----

std::vector<uint8_t> pixel_von(const DIB& b) {
    return std::vector<uint8_t>(b.pixel_daten(), b.pixel_daten() + b.zeilen_laenge() * b.hoehe());
}

TEST_F(Hauptfenster, DimmenFaerbtNurUm) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    const std::vector<uint8_t> karte = pixel_von(f.karte_bild);
    const std::vector<uint8_t> uebersicht = pixel_von(f.uebersicht_bild);
    rollen(*f.ebenen_leisten[STERNBILDER], SB_THUMBTRACK, 50);
    EXPECT_EQ(50, f.ebenen_leisten[STERNBILDER]->pos());
    EXPECT_DOUBLE_EQ(0.5, staerke_anteil(f.darstellung, STERNBILDER));
    EXPECT_EQ(STUFE_RUHE, f.zeichen_schritt);  // no drawing
    EXPECT_EQ(karte, pixel_von(f.karte_bild));
    EXPECT_EQ(uebersicht, pixel_von(f.uebersicht_bild));
    EXPECT_EQ(0x7F7F1Cu, f.karte_bild.farbe(FIGUREN_INDEX));
    EXPECT_EQ(0x7F7F1Cu, f.uebersicht_bild.farbe(FIGUREN_INDEX));
    rollen(*f.ebenen_leisten[HILFSLINIEN], SB_LINELEFT);
    EXPECT_EQ(29, f.ebenen_leisten[HILFSLINIEN]->pos());
    EXPECT_EQ(STUFE_RUHE, f.zeichen_schritt);
}

TEST_F(Hauptfenster, EinUndAusschaltenZeichnetUeberDasBild) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    rollen(*f.ebenen_leisten[STERNNAMEN], SB_THUMBTRACK, 0);
    EXPECT_EQ(STUFE_FIGUREN, f.zeichen_schritt);  // continued from stage 100
    EXPECT_EQ(f.karte_bild.farbe(0), f.karte_bild.farbe(INDEX_STERNNAMEN));  // hidden by colour
    f.neu_zeichnen();
    bis_ruhe(f);
    EXPECT_EQ(0, anzahl(f.karte_bild, INDEX_STERNNAMEN));

    f.karte_bild.punkt(0, 0, INDEX_FREI);  // survives: nothing is cleared
    rollen(*f.ebenen_leisten[STERNNAMEN], SB_LINERIGHT);
    EXPECT_EQ(STUFE_FIGUREN, f.zeichen_schritt);
    bis_ruhe(f);
    EXPECT_GT(anzahl(f.karte_bild, INDEX_STERNNAMEN), 0);
    EXPECT_EQ(INDEX_FREI, f.karte_bild.pixel(0, 0));
    EXPECT_EQ(0x020201u, f.karte_bild.farbe(INDEX_STERNNAMEN));  // (160, 204, 240) x 0.01
}

TEST_F(Hauptfenster, OhneSternbilderWederFigurenNochKennungen) {
    alle_dateien();
    Himmel_DF& f = oeffnen();
    f.himmel->sternbild_umschalten(0);  // a highlighted constellation would show designations
    rollen(*f.ebenen_leisten[STERNBILDER], SB_THUMBTRACK, 0);
    f.neu_zeichnen();
    bis_ruhe(f);
    for (const DIB* b : {&f.karte_bild, &f.uebersicht_bild}) {
        EXPECT_EQ(0, anzahl(*b, FIGUREN_INDEX));
    }
}

}  // namespace
