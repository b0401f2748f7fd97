// Command 118: the chart as an Enhanced Metafile, read back record by record
// (the square of 20 cm and its mapping, the printer path's layers, pens and
// texts with the caption, a circle per visible star sized by its magnitude),
// played into a bitmap (the stars where the bitmap path puts them), and the
// command with its dialog, its error box and nothing half-written.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "aufzeichnung.h"
#include "ausgabe/vektor_datei.h"
#include "dialogersatz.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "gestirne.h"
#include "ini_datei.h"
#include "karten_umgebung.h"
#include "projektion.h"
#include "leinwand.h"
#include "zeichnen/plan_ausfuehren.h"

namespace {

constexpr int32_t S = VEKTOR_PUNKTE - 1;  // the square from 0 to S
constexpr int32_t R = S / 2;              // the engine's radius in it

// Half size of a printed star circle by magnitude x 100, as a printout has it.
int32_t halbe_groesse(int32_t helligkeit) {
    const struct {
        int32_t bis, e;
    } stufen[] = {{0, 16}, {100, 14}, {200, 12}, {300, 10}, {390, 8}, {450, 6}, {500, 4}, {550, 3}};
    for (const auto& s : stufen)
        if (helligkeit <= s.bis) return s.e;
    return 2;
}

bool gleich(const Ereignis& a, const Ereignis& b) {
    return a.art == b.art && a.stift == b.stift && a.stift_breite == b.stift_breite && a.pinsel == b.pinsel &&
           a.text_farbe == b.text_farbe && a.text_grund == b.text_grund && a.schrift == b.schrift &&
           a.schrift_hoehe == b.schrift_hoehe && a.text == b.text && a.a.x == b.a.x && a.a.y == b.a.y &&
           a.b.x == b.b.x && a.b.y == b.b.y && EqualRect(&a.rechteck, &b.rechteck);
}

class VektorDatei : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        himmel = new Himmel;
        ASSERT_TRUE(orion_laden(*himmel));
        himmel->sternbild_umschalten(sternbild_index(*himmel, "Ori"));
    }
    static void TearDownTestSuite() {
        delete himmel;
        himmel = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(0, ui_texte_entschluesseln());
        dialog = {};
        meldung_ersatz = dialog_melden;
    }
    void TearDown() override {
        meldung_ersatz = nullptr;
        kartentext = "";
    }
    Karteninhalt inhalt() { return {*himmel, schriften.schriften(), werte, kartentext}; }
    const char* kartentext = "";  // the drawing's caption
    // The file written for farben, opened again; null when it is missing.
    HENHMETAFILE datei(Farbschema farben, const char* name = "karte.emf") {
        EXPECT_EQ(0, vektordatei_schreiben(ordner.datei(name).c_str(), farben, inhalt()));
        return GetEnhMetaFileA(ordner.datei(name).c_str());
    }

    static Himmel* himmel;
    Testschriften schriften;
    Darstellung werte = testwerte();
    Temp_Ordner ordner;
};
Himmel* VektorDatei::himmel = nullptr;

struct Abbildung {
    int32_t map_modus = 0;
    SIZE fenster{}, darstellung{};
};

int CALLBACK abbildung_lesen(HDC, HANDLETABLE*, const ENHMETARECORD* satz, int, LPARAM daten) {
    auto& a = *reinterpret_cast<Abbildung*>(daten);
    if (satz->iType == EMR_SETMAPMODE) a.map_modus = static_cast<int32_t>(reinterpret_cast<const EMRSETMAPMODE*>(satz)->iMode);
    if (satz->iType == EMR_SETWINDOWEXTEX) {
        const SIZEL& s = reinterpret_cast<const EMRSETWINDOWEXTEX*>(satz)->szlExtent;
        a.fenster = {s.cx, s.cy};
    }
    if (satz->iType == EMR_SETVIEWPORTEXTEX) {
        const SIZEL& s = reinterpret_cast<const EMRSETVIEWPORTEXTEX*>(satz)->szlExtent;
        a.darstellung = {s.cx, s.cy};
    }
    return 1;
}

TEST_F(VektorDatei, EinQuadratVon20cmMitQuadratischenEinheiten) {
    HENHMETAFILE emf = datei(Farbschema::SCHWARZ_AUF_WEISS);
    ASSERT_NE(nullptr, emf);
    ENHMETAHEADER kopf{};
    ASSERT_EQ(sizeof kopf, GetEnhMetaFileHeader(emf, sizeof kopf, &kopf));
    EXPECT_EQ(0, kopf.rclFrame.left);
    EXPECT_EQ(0, kopf.rclFrame.top);
    EXPECT_EQ(20000, kopf.rclFrame.right);   // hundredths of a millimetre
    EXPECT_EQ(20000, kopf.rclFrame.bottom);
    EXPECT_EQ(kopf.nBytes, datei_lesen(ordner.datei("karte.emf")).size());
    // The picture's bounds are the square in the reference device's pixels,
    // not the lines that the clip keeps off it.
    EXPECT_EQ(0, kopf.rclBounds.left);
    EXPECT_EQ(0, kopf.rclBounds.top);
    EXPECT_NEAR(200.0 * kopf.szlDevice.cx / kopf.szlMillimeters.cx, kopf.rclBounds.right, 1.0);
    EXPECT_NEAR(200.0 * kopf.szlDevice.cy / kopf.szlMillimeters.cy, kopf.rclBounds.bottom, 1.0);

    Abbildung a;
    EnumEnhMetaFile(nullptr, emf, abbildung_lesen, &a, nullptr);
    EXPECT_EQ(MM_ANISOTROPIC, a.map_modus);
    EXPECT_EQ(VEKTOR_PUNKTE, a.fenster.cx);
    EXPECT_EQ(VEKTOR_PUNKTE, a.fenster.cy);
    // The units across, in millimetres of the reference device: 200 on each
    // axis, so a circle stays a circle.
    const double mm_x = a.darstellung.cx * static_cast<double>(kopf.szlMillimeters.cx) / kopf.szlDevice.cx;
    const double mm_y = a.darstellung.cy * static_cast<double>(kopf.szlMillimeters.cy) / kopf.szlDevice.cy;
    EXPECT_NEAR(200.0, mm_x, 0.5);
    EXPECT_NEAR(200.0, mm_y, 0.5);
    EXPECT_NEAR(mm_x, mm_y, 0.2);
    DeleteEnhMetaFile(emf);
}

// The file holds what the printer path draws on a square of its size, the
// caption with it; the printer tests check that path's layers in detail.
TEST_F(VektorDatei, DieSchichtenDesDruckwegsUndDieKaption) {
    kartentext = "Testkarte";
    const struct {
        Farbschema farben;
        uint32_t kaption;
    } faelle[] = {
        {Farbschema::SCHIRM, KARTEN_TEXT_FARBE},
        {Farbschema::WEISS_AUF_SCHWARZ, RGB(255, 255, 255)},
        {Farbschema::SCHWARZ_AUF_WEISS, RGB(0, 0, 0)},
    };
    for (const auto& f : faelle) {
        HENHMETAFILE emf = datei(f.farben);
        ASSERT_NE(nullptr, emf);
        const Aufzeichnung gelesen = auswerten(emf);
        DeleteEnhMetaFile(emf);
        // On a context mapped as the file's: the labels are placed from the
        // text sizes in its units, which the mapping rounds.
        const Aufzeichnung druck = aufzeichnen([&](HDC dc) {
            SetMapMode(dc, MM_ANISOTROPIC);
            SetWindowExtEx(dc, VEKTOR_PUNKTE, VEKTOR_PUNKTE, nullptr);
            SetViewportExtEx(dc, MulDiv(VEKTOR_KANTE_MM, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, HORZSIZE)),
                             MulDiv(VEKTOR_KANTE_MM, GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, VERTSIZE)),
                             nullptr);
            druckbild_zeichnen(dc, S, f.farben, inhalt(), true);
        });
        ASSERT_EQ(druck.ereignisse.size(), gelesen.ereignisse.size());
        for (size_t i = 0; i < druck.ereignisse.size(); ++i)
            ASSERT_TRUE(gleich(druck.ereignisse[i], gelesen.ereignisse[i])) << "event " << i;

        const auto& e = gelesen.ereignisse;
        // Frame in the black pen from corner to corner of the square, then the clip.
        const size_t rahmen = f.farben == Farbschema::SCHWARZ_AUF_WEISS ? 0 : 1;
        const POINT ecken[] = {{0, 0}, {S, 0}, {S, S}, {0, S}, {0, 0}};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Ereignis::LINIE, e[rahmen + i].art);
            EXPECT_EQ(ecken[i].x, e[rahmen + i].a.x);
            EXPECT_EQ(ecken[i].y, e[rahmen + i].a.y);
            EXPECT_EQ(ecken[i + 1].x, e[rahmen + i].b.x);
            EXPECT_EQ(ecken[i + 1].y, e[rahmen + i].b.y);
            EXPECT_EQ(RGB(0, 0, 0), e[rahmen + i].stift);
        }
        EXPECT_EQ(Ereignis::AUSSCHNITT, e[rahmen + 4].art);
        EXPECT_EQ(S, e[rahmen + 4].rechteck.right);
        // The caption last, at the top and bottom edge, in the text font at print size.
        ASSERT_GE(e.size(), 2u);
        for (const Ereignis* k : {&e[e.size() - 2], &e[e.size() - 1]}) {
            EXPECT_EQ("Testkarte", k->text);
            EXPECT_EQ(f.kaption, k->text_farbe);
            EXPECT_EQ(40, k->schrift_hoehe);
            EXPECT_EQ(R, k->a.x);
        }
        EXPECT_EQ(0, e[e.size() - 2].a.y);
        EXPECT_EQ(2 * R, e[e.size() - 1].a.y);
    }
    // In the screen scheme each layer's pen has its colour; the figures are
    // two units wide, the grid and the star outlines hairlines.
    HENHMETAFILE emf = datei(Farbschema::SCHIRM);
    const Aufzeichnung a = auswerten(emf);
    DeleteEnhMetaFile(emf);
    const Rgb& fig = werte.farbe[STERNBILDER];
    const Rgb& git = werte.farbe[HILFSLINIEN];
    int figuren = 0, gitter = 0;
    for (const Ereignis* l : a.alle(Ereignis::LINIE)) {
        if (l->stift == RGB(fig.rot, fig.gruen, fig.blau)) {
            ++figuren;
            EXPECT_EQ(2, l->stift_breite);
        }
        if (l->stift == RGB(git.rot, git.gruen, git.blau)) {
            ++gitter;
            EXPECT_EQ(0, l->stift_breite);
        }
    }
    EXPECT_GT(figuren, 20);
    EXPECT_GT(gitter, 100);
    for (const Ereignis* t : a.alle(Ereignis::TEXT)) EXPECT_TRUE(t->schrift_hoehe == 40 || t->schrift_hoehe == 50) << t->text;
}

// One circle per star within the square, round, at the star's place, its
// size by the star's magnitude.
TEST_F(VektorDatei, EinKreisJeSternNachHelligkeit) {
    HENHMETAFILE emf = datei(Farbschema::SCHWARZ_AUF_WEISS);
    ASSERT_NE(nullptr, emf);
    std::vector<std::vector<LONG>> gezeichnet, erwartet;
    const Aufzeichnung a = auswerten(emf);
    for (const Ereignis* k : a.alle(Ereignis::ELLIPSE)) {
        const RECT& r = k->rechteck;
        EXPECT_EQ(r.right - r.left, r.bottom - r.top) << "round";
        gezeichnet.push_back({r.left, r.top, r.right, r.bottom});
    }
    DeleteEnhMetaFile(emf);
    std::vector<int> je_groesse(17);
    for (int32_t k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < himmel->anzahl[k]; ++i) {
            const PolarPos p = himmel->polar_berechnen(himmel->vektoren[k][i]);
            if (!sichtbar_quadrat(p.abstand, himmel->gesichtsfeld)) continue;
            const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, himmel->gesichtsfeld, R));
            const LONG x = R + v.dx, y = R - v.dy;
            const LONG e = halbe_groesse(himmel->stern_saetze[k][i].helligkeit);
            erwartet.push_back({x - e, y - e, x + e + 1, y + e + 1});
            ++je_groesse[e];
        }
    std::sort(gezeichnet.begin(), gezeichnet.end());
    std::sort(erwartet.begin(), erwartet.end());
    ASSERT_EQ(erwartet.size(), gezeichnet.size());
    for (size_t i = 0; i < erwartet.size(); ++i)
        ASSERT_EQ(erwartet[i], gezeichnet[i]) << "circle " << i;
    // Orion's field holds stars of every size but the very brightest.
    for (int e : {14, 12, 10, 8, 6, 4, 3, 2}) EXPECT_GT(je_groesse[e], 0) << "half size " << e;
}

// The stars of the vector file played into a bitmap land where the bitmap
// path puts them on a canvas of the same size, within a pixel of the scale.
TEST_F(VektorDatei, AbgespieltLiegenDieSterneWieInDerBitmap) {
    for (int32_t& s : werte.staerke_prozent) s = 0;  // the stars alone
    constexpr int32_t N = 602;
    const int32_t rb = leinwand_radius(N);
    DIB karte;
    ASSERT_EQ(0, leinwand_erzeugen(karte, N, N));
    farbtabelle_schirm(karte, werte);
    karte_ganz_zeichnen(karte, rb, inhalt());

    HENHMETAFILE emf = vektorbild_aufnehmen(Farbschema::SCHWARZ_AUF_WEISS, inhalt());
    ASSERT_NE(nullptr, emf);
    DIB blatt;
    ASSERT_EQ(0, blatt.erzeugen(N, N, 24, 0, 0));
    const RECT flaeche{0, 0, N, N};
    FillRect(blatt.dc, &flaeche, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ASSERT_TRUE(PlayEnhMetaFile(blatt.dc, emf, &flaeche));
    DeleteEnhMetaFile(emf);
    GdiFlush();
    const uint8_t* bits = blatt.pixel_daten();
    auto dunkel = [&](int32_t x, int32_t y) {  // y from the top
        const uint8_t* p = bits + static_cast<size_t>(N - 1 - y) * blatt.zeilen_laenge() + 3 * x;
        return p[0] + p[1] + p[2] < 3 * 128;
    };
    // A unit of the file on the played bitmap, and the scale between the two charts.
    const double einheit = static_cast<double>(N) / VEKTOR_PUNKTE;
    const double massstab = R * einheit / rb;

    int geprueft = 0;
    double abweichung = 0, summe = 0;
    for (int32_t k = 0; k < klasse_von(350); ++k)  // to magnitude 3.5: discs of a few pixels
        for (int32_t i = 0; i < himmel->anzahl[k]; ++i) {
            const PolarPos p = himmel->polar_berechnen(himmel->vektoren[k][i]);
            if (!sichtbar_quadrat(p.abstand, himmel->gesichtsfeld)) continue;
            const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, himmel->gesichtsfeld, rb));
            if (std::abs(v.dx) > rb - 20 || std::abs(v.dy) > rb - 20) continue;
            // The bitmap path's disc centre (row counted from the bottom).
            ASSERT_NE(0, karte.pixel(rb + v.dx, rb + v.dy)) << "star " << k << "/" << i;
            const double bx = v.dx, by = -v.dy;  // from the centre, y down
            // Its circle on the played bitmap: the dark pixels around the spot.
            const double mx = (R + 0.5) * einheit + bx * massstab;
            const double my = (R + 0.5) * einheit + by * massstab;
            double sx = 0, sy = 0;
            int n = 0;
            for (int32_t y = static_cast<int32_t>(my) - 5; y <= static_cast<int32_t>(my) + 5; ++y)
                for (int32_t x = static_cast<int32_t>(mx) - 5; x <= static_cast<int32_t>(mx) + 5; ++x)
                    if (dunkel(x, y)) {
                        sx += x + 0.5;
                        sy += y + 0.5;
                        ++n;
                    }
            if (n == 0 || n > 60) continue;  // a neighbour's disc in the way
            // Each picture rounds a position to its own whole pixels or
            // units, and a disc of a few pixels to the raster: two pixels.
            EXPECT_NEAR(mx, sx / n, 2.0) << "star " << k << "/" << i;
            EXPECT_NEAR(my, sy / n, 2.0) << "star " << k << "/" << i;
            abweichung = std::max({abweichung, std::fabs(mx - sx / n), std::fabs(my - sy / n)});
            summe += std::hypot(mx - sx / n, my - sy / n);
            ++geprueft;
        }
    EXPECT_GE(geprueft, 25);
    RecordProperty("stars", geprueft);
    RecordProperty("largest_offset_px_x100", static_cast<int>(abweichung * 100));
    RecordProperty("mean_distance_px_x100", static_cast<int>(summe / std::max(geprueft, 1) * 100));
    if (!bilder_ordner().empty()) bild_ablegen(blatt, "vektor_abgespielt.bmp");
}

TEST_F(VektorDatei, BefehlMitDialogSchwarzAufWeiss) {
    dialog.antwort = ordner.datei("befehl.emf");
    EXPECT_EQ(0, vektor_datei(inhalt(), nullptr, "", dialog_waehlen));
    EXPECT_EQ("", dialog.vorgabe) << "an empty name field, not a pattern";
    EXPECT_EQ(DATEINAME_LAENGE, dialog.groesse);
    EXPECT_EQ(0, dialog.boxen);
    HENHMETAFILE emf = GetEnhMetaFileA(dialog.antwort.c_str());
    ASSERT_NE(nullptr, emf);
    const Aufzeichnung a = auswerten(emf);
    DeleteEnhMetaFile(emf);
    EXPECT_TRUE(a.alle(Ereignis::FUELLUNG).empty()) << "the white page is not filled";
    for (const Ereignis* t : a.alle(Ereignis::TEXT)) ASSERT_EQ(RGB(0, 0, 0), t->text_farbe) << t->text;
    for (const Ereignis* l : a.alle(Ereignis::LINIE)) ASSERT_EQ(RGB(0, 0, 0), l->stift);

    dialog.antwort.clear();
    EXPECT_EQ(1, vektor_datei(inhalt(), nullptr, "", dialog_waehlen));
    EXPECT_EQ(0, dialog.boxen);
}

TEST_F(VektorDatei, FehlerMitDerBoxDerBitmapsUndNichtsHalbes) {
    const std::string nur_lesen = ordner.datei("alt.emf");
    ASSERT_TRUE(datei_schreiben(nur_lesen, "alt"));
    ASSERT_TRUE(SetFileAttributesA(nur_lesen.c_str(), FILE_ATTRIBUTE_READONLY));
    int boxen = 0;
    for (const std::string& ziel : {ordner.datei("fehlt\\karte.emf"), nur_lesen}) {
        dialog.antwort = ziel;
        EXPECT_EQ(-1, vektor_datei(inhalt(), nullptr, "", dialog_waehlen)) << ziel;
        EXPECT_EQ(++boxen, dialog.boxen);
        char erwartet[500];
        snprintf(erwartet, sizeof erwartet, ui_text(UI_BILDDATEI_NICHT_GESCHRIEBEN), ziel.c_str());
        EXPECT_EQ(erwartet, dialog.text);
        EXPECT_EQ(ui_text(UI_TITEL_FEHLER), dialog.titel);
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ordner.datei("fehlt\\karte.emf").c_str()));
    EXPECT_EQ("alt", datei_lesen(nur_lesen));
    SetFileAttributesA(nur_lesen.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The files for the eye, in the three schemes, with the caption that the
// chart shows while the screen saver's settings are edited.
TEST_F(VektorDatei, DateienFuerDasAuge) {
    if (bilder_ordner().empty()) GTEST_SKIP() << "VARNIS_BILDER not set";
    kartentext = ui_text(UI_BANNER_SCHONER);
    const std::pair<Farbschema, const char*> schemata[] = {
        {Farbschema::SCHIRM, "vektor_schirm.emf"},
        {Farbschema::WEISS_AUF_SCHWARZ, "vektor_weiss_auf_schwarz.emf"},
        {Farbschema::SCHWARZ_AUF_WEISS, "vektor_schwarz_auf_weiss.emf"},
    };
    for (const auto& [farben, name] : schemata)
        EXPECT_EQ(0, vektordatei_schreiben((bilder_ordner() + "\\" + name).c_str(), farben, inhalt()));
}

}  // namespace
