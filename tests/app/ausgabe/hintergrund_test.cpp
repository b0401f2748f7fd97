// Command 101: the desktop picture's geometry, the picture drawn for a whole
// screen (texts and pixels on one bitmap), its file and the wallpaper call.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "ausgabe/hintergrund.h"
#include "figuren.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "gitter.h"
#include "karten_umgebung.h"
#include "leinwand.h"

namespace {

TEST(HintergrundLage, CentredSquareOfTheShorterSide) {
    struct Fall {
        int32_t breite, hoehe;
        Bildlage lage;
    };
    const Fall faelle[] = {
        {1024, 768, {1024, 768, 384, 128, 0}},
        {768, 1024, {768, 1024, 384, 0, 128}},
        {800, 800, {800, 800, 400, 0, 0}},
        {1025, 767, {1025, 767, 383, 129, 0}},  // halvings toward zero
        {640, 481, {640, 481, 240, 79, 0}},
    };
    for (const Fall& f : faelle) {
        const Bildlage l = hintergrund_lage(f.breite, f.hoehe);
        EXPECT_EQ(f.lage.breite, l.breite);
        EXPECT_EQ(f.lage.hoehe, l.hoehe);
        EXPECT_EQ(f.lage.radius, l.radius) << f.breite << "x" << f.hoehe;
        EXPECT_EQ(f.lage.ursprung_x, l.ursprung_x) << f.breite << "x" << f.hoehe;
        EXPECT_EQ(f.lage.ursprung_y, l.ursprung_y) << f.breite << "x" << f.hoehe;
    }
}

struct Aufrufe {
    int tapeten = 0;
    std::string tapete;
    int boxen = 0;
    std::string text;
} aufrufe;

bool tapete(const char* pfad) {
    ++aufrufe.tapeten;
    aufrufe.tapete = pfad;
    return true;
}

int box(HWND, const char* text, const char*, UINT) {
    ++aufrufe.boxen;
    aufrufe.text = text;
    return IDOK;
}

class Hintergrund : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        himmel = new Himmel;
        ASSERT_TRUE(orion_laden(*himmel));
    }
    static void TearDownTestSuite() {
        delete himmel;
        himmel = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(0, ui_texte_entschluesseln());
        aufrufe = {};
        meldung_ersatz = box;
    }
    void TearDown() override { meldung_ersatz = nullptr; }
    Karteninhalt inhalt() { return {*himmel, s.schriften(), werte}; }
    // Pixels holding index.
    static int32_t zaehlen(const Bmp& b, int32_t index) {
        int32_t n = 0;
        for (int32_t z = 0; z < b.hoehe; ++z)
            for (int32_t x = 0; x < b.breite; ++x) n += b.pixel(x, z) == index;
        return n;
    }

    static Himmel* himmel;
    Testschriften s;
    Darstellung werte = testwerte();
    Temp_Ordner windows;
    DIB bild;
};
Himmel* Hintergrund::himmel = nullptr;

TEST_F(Hintergrund, ScreenSizedPictureWithTheChartCentred) {
    EXPECT_EQ(0, hintergrund_setzen(bild, inhalt(), 1024, 768, windows.pfad().c_str(), nullptr, tapete));
    EXPECT_EQ(0, aufrufe.boxen);
    const std::string datei = windows.datei("Varnis.bmp");
    EXPECT_EQ(1, aufrufe.tapeten);
    EXPECT_EQ(datei, aufrufe.tapete);
    EXPECT_EQ(0, bild.breite()) << "the canvas's bitmap is released after use";

    const Bmp b = bmp_lesen(datei);
    ASSERT_TRUE(b.gelesen);
    EXPECT_EQ(1024, b.breite);
    EXPECT_EQ(768, b.hoehe);
    EXPECT_EQ(0x00400000u, b.farben[0]);
    // Every layer is there: lines as pixels, names as text through the
    // drawing context, stars in their families' colours.
    for (int32_t index : {GITTER_INDEX, FIGUREN_INDEX, INDEX_STERNNAMEN, INDEX_BILDNAMEN, 70, 40})
        EXPECT_GT(zaehlen(b, index), 20) << "layer " << index;
}

// The chart stands in the middle: the picture's central square holds what a
// square canvas of that side shows, texts and pixels alike. (Stars and lines
// of the chart's corners go on beyond the square's sides, as far as the
// picture reaches.)
TEST_F(Hintergrund, ChartCentredInLandscapeAndPortrait) {
    struct Fall {
        int32_t breite, hoehe;
        int32_t rand_x, rand_y;
    };
    for (const Fall& f : {Fall{1024, 768, 128, 0}, Fall{600, 800, 0, 100}}) {
        const int32_t seite = std::min(f.breite, f.hoehe);
        DIB quadrat;
        ASSERT_EQ(0, hintergrund_zeichnen(quadrat, {seite, seite, seite / 2, 0, 0}, inhalt()));
        ASSERT_EQ(0, hintergrund_zeichnen(bild, hintergrund_lage(f.breite, f.hoehe), inhalt()));
        ASSERT_EQ(f.breite, bild.breite());
        ASSERT_EQ(f.hoehe, bild.hoehe());
        // The canvas rounds line pixels toward zero, so where a line comes in
        // from beyond the square's edge, the edge pixel itself may differ.
        int32_t abweichend = 0;
        for (int32_t z = 1; z < seite - 1; ++z)
            for (int32_t x = 1; x < seite - 1; ++x)
                abweichend += quadrat.pixel(x, z) != bild.pixel(x + f.rand_x, z + f.rand_y);
        EXPECT_EQ(0, abweichend) << f.breite << "x" << f.hoehe;
        EXPECT_GT(static_cast<int32_t>(std::count_if(quadrat.pixel_daten(), quadrat.pixel_daten() + seite * seite,
                                                     [](uint8_t p) { return p == INDEX_STERNNAMEN; })),
                  20);
    }
}

TEST_F(Hintergrund, LayersAtZeroAreLeftOut) {
    werte.staerke_prozent[STERNNAMEN] = 0;
    werte.staerke_prozent[HILFSLINIEN] = 0;
    ASSERT_EQ(0, hintergrund_setzen(bild, inhalt(), 640, 480, windows.pfad().c_str(), nullptr, tapete));
    const Bmp b = bmp_lesen(windows.datei("Varnis.bmp"));
    ASSERT_TRUE(b.gelesen);
    EXPECT_EQ(0, zaehlen(b, INDEX_STERNNAMEN));
    EXPECT_EQ(0, zaehlen(b, GITTER_INDEX));
    EXPECT_GT(zaehlen(b, FIGUREN_INDEX), 20);
}

TEST_F(Hintergrund, UnwrittenPictureIsReportedAndTheWallpaperKept) {
    // A folder under a file: nobody can make it, not even root under Wine.
    FILE* datei = fopen(windows.datei("datei").c_str(), "wb");
    ASSERT_TRUE(datei);
    fclose(datei);
    const std::string fehlt = windows.datei("datei") + "\\fehlt";
    EXPECT_NE(0, hintergrund_setzen(bild, inhalt(), 640, 480, fehlt.c_str(), nullptr, tapete));
    EXPECT_EQ(1, aufrufe.boxen);
    EXPECT_NE(std::string::npos, aufrufe.text.find(fehlt + "\\Varnis.bmp"));
    EXPECT_EQ(0, aufrufe.tapeten);
    EXPECT_EQ(0, bild.breite());
}

// The system's own setter: the desktop shows the picture from the user's
// folder, made by the command when it was missing.
TEST_F(Hintergrund, TheWallpaperIsThePictureInTheUsersFolder) {
    char vorher[MAX_PATH] = "";
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof vorher, vorher, 0);
    const std::string benutzer = windows.datei("Varnis");
    ASSERT_EQ(0, hintergrund_setzen(bild, inhalt(), 640, 480, benutzer.c_str(), nullptr));
    char jetzt[MAX_PATH] = "";
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof jetzt, jetzt, 0));
    EXPECT_EQ(benutzer + "\\Varnis.bmp", jetzt);
    EXPECT_TRUE(bmp_lesen(jetzt).gelesen);
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, vorher, SPIF_UPDATEINIFILE);
    DeleteFileA((benutzer + "\\Varnis.bmp").c_str());
    RemoveDirectoryA(benutzer.c_str());
}

TEST_F(Hintergrund, PictureForTheEye) {
    if (bilder_ordner().empty()) GTEST_SKIP() << "VARNIS_BILDER not set";
    himmel->sternbild_umschalten(sternbild_index(*himmel, "Ori"));
    ASSERT_EQ(0, hintergrund_zeichnen(bild, hintergrund_lage(1024, 768), inhalt()));
    himmel->sternbild_umschalten(sternbild_index(*himmel, "Ori"));
    bild_ablegen(bild, "hintergrund.bmp");
}

}  // namespace
