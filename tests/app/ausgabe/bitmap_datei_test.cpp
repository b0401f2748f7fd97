// Commands 102 and 103: the chart canvas written as a bitmap file in screen
// colours, black on white or night red, the canvas's screen colours kept,
// and the error box when the file cannot be written.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "ausgabe/bitmap_datei.h"
#include "ausgabe/hintergrund.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "dialogersatz.h"
#include "farbindizes.h"
#include "karten_umgebung.h"
#include "leinwand.h"
#include "nachtfarbe.h"

namespace {

class BitmapDatei : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, ui_texte_entschluesseln());
        dialog = {};
        meldung_ersatz = dialog_melden;
        ASSERT_EQ(0, karte.erzeugen(101, 60, 8, 0, 0));  // rows padded to 104 bytes
        farbtabelle_schirm(karte, werte);
        karte.fuellen(0);
        karte.linie(5, 5, 90, 50, 128);
        karte.spanne(0, 100, 30, 96);
        karte.punkt(50, 20, 45);
        ASSERT_EQ(0, schirm.erzeugen(1, 1, 8, 0, 0));
        farbtabelle_schirm(schirm, werte);
    }
    void TearDown() override { meldung_ersatz = nullptr; }
    int32_t ausfuehren(Farbschema farben, const char* vorschlag = "") {
        return bitmap_datei(karte, farben, nullptr, vorschlag, dialog_waehlen);
    }
    void hat_schirmfarben() {
        for (int32_t i = 0; i < 256; ++i) ASSERT_EQ(schirm.farbe(i), karte.farbe(i)) << "entry " << i;
    }

    Darstellung werte = testwerte();
    DIB karte;
    DIB schirm;  // the screen table for comparison
    Temp_Ordner ordner;
};

TEST_F(BitmapDatei, ScreenColours) {
    dialog.antwort = ordner.datei("karte.bmp");
    EXPECT_EQ(0, ausfuehren(Farbschema::SCHIRM, "Sternkarte 2026-12-10 21-30 Berlin.bmp"));
    EXPECT_EQ("Sternkarte 2026-12-10 21-30 Berlin.bmp", dialog.vorgabe);
    EXPECT_EQ(DATEINAME_LAENGE, dialog.groesse);
    EXPECT_EQ(0, dialog.boxen);
    const Bmp b = bmp_lesen(dialog.antwort);
    ASSERT_TRUE(b.gelesen);
    EXPECT_EQ(101, b.breite);
    EXPECT_EQ(60, b.hoehe);
    for (int32_t i = 0; i < 256; ++i) EXPECT_EQ(karte.farbe(i), b.farben[i]) << "entry " << i;
    EXPECT_EQ(0x00400000u, b.farben[0]) << "the background colour";
    EXPECT_EQ(0x002828C8u, b.farben[128]) << "the figures' colour";
    for (int32_t z = 0; z < 60; ++z)
        for (int32_t x = 0; x < 101; ++x) ASSERT_EQ(karte.pixel(x, z), b.pixel(x, z)) << x << "," << z;
    hat_schirmfarben();
}

TEST_F(BitmapDatei, BlackOnWhiteWithFrameThenScreenColoursAgain) {
    dialog.antwort = ordner.datei("sw.bmp");
    DIB vorher;
    ASSERT_EQ(0, vorher.erzeugen(101, 60, 8, 0, 0));
    memcpy(const_cast<uint8_t*>(vorher.pixel_daten()), karte.pixel_daten(), 104 * 60);
    EXPECT_EQ(0, ausfuehren(Farbschema::SCHWARZ_AUF_WEISS));
    const Bmp b = bmp_lesen(dialog.antwort);
    ASSERT_TRUE(b.gelesen);
    EXPECT_EQ(0x00FFFFFFu, b.farben[0]);
    // Every entry black but the Moon's night, which stays the page's white.
    for (int32_t i = 1; i < 256; ++i)
        ASSERT_EQ(i == INDEX_MOND_NACHT ? 0x00FFFFFFu : 0u, b.farben[i]) << "entry " << i;
    // The frame: every edge pixel black, everything inside as drawn.
    for (int32_t z = 0; z < 60; ++z)
        for (int32_t x = 0; x < 101; ++x) {
            const bool rand = x == 0 || x == 100 || z == 0 || z == 59;
            if (rand)
                ASSERT_EQ(0u, b.farben[b.pixel(x, z)]) << "frame at " << x << "," << z;
            else
                ASSERT_EQ(vorher.pixel(x, z), b.pixel(x, z)) << x << "," << z;
        }
    hat_schirmfarben();
    // The frame was the file's: the canvas the screen shows has no frame.
    for (int32_t z = 0; z < 60; ++z)
        for (int32_t x = 0; x < 101; ++x) ASSERT_EQ(vorher.pixel(x, z), karte.pixel(x, z)) << x << "," << z;
}

// The night scheme: the same pixels, every entry of the table its night red,
// and the screen colours back exactly afterwards.
TEST_F(BitmapDatei, NightColoursThenScreenColoursAgain) {
    dialog.antwort = ordner.datei("nacht.bmp");
    EXPECT_EQ(0, ausfuehren(Farbschema::NACHT));
    const Bmp b = bmp_lesen(dialog.antwort);
    ASSERT_TRUE(b.gelesen);
    for (int32_t i = 0; i < 256; ++i) {
        ASSERT_EQ(nachtfarbe(schirm.farbe(i)), b.farben[i]) << "entry " << i;
        ASSERT_EQ(0u, b.farben[i] & 0xFFFF00u) << "entry " << i;
    }
    for (int32_t z = 0; z < 60; ++z)
        for (int32_t x = 0; x < 101; ++x) ASSERT_EQ(karte.pixel(x, z), b.pixel(x, z)) << x << "," << z;
    hat_schirmfarben();
}

TEST_F(BitmapDatei, CancelWritesNothing) {
    for (Farbschema f : {Farbschema::SCHIRM, Farbschema::SCHWARZ_AUF_WEISS, Farbschema::NACHT}) {
        EXPECT_EQ(1, ausfuehren(f));
        EXPECT_EQ(0, dialog.boxen);
        hat_schirmfarben();
        EXPECT_EQ(0, karte.pixel(0, 0)) << "no frame";
    }
}

TEST_F(BitmapDatei, FailedSaveIsReported) {
    dialog.antwort = ordner.datei("fehlt\\karte.bmp");
    char erwartet[500];
    snprintf(erwartet, sizeof erwartet, ui_text(UI_BILDDATEI_NICHT_GESCHRIEBEN), dialog.antwort.c_str());
    int boxen = 0;
    for (Farbschema f : {Farbschema::SCHIRM, Farbschema::SCHWARZ_AUF_WEISS}) {
        EXPECT_EQ(-1, ausfuehren(f));
        EXPECT_EQ(++boxen, dialog.boxen);
        EXPECT_EQ(erwartet, dialog.text);
        EXPECT_NE(std::string::npos, dialog.text.find(dialog.antwort));
        EXPECT_EQ(ui_text(UI_TITEL_FEHLER), dialog.titel);
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), dialog.art & MB_ICONMASK);
        hat_schirmfarben();
    }
}

TEST(BildSichern, AnEmptyCanvasIsReportedToo) {
    ASSERT_EQ(0, ui_texte_entschluesseln());
    dialog = {};
    meldung_ersatz = dialog_melden;
    DIB leer;
    Temp_Ordner ordner;
    EXPECT_EQ(-1, bild_sichern(leer, ordner.datei("leer.bmp").c_str(), nullptr));
    EXPECT_EQ(1, dialog.boxen);
    meldung_ersatz = nullptr;
}

// Both files of a real chart, for the eye.
TEST_F(BitmapDatei, ChartFilesForTheEye) {
    if (bilder_ordner().empty()) GTEST_SKIP() << "VARNIS_BILDER not set";
    Himmel himmel;
    ASSERT_TRUE(orion_laden(himmel));
    Testschriften schriften;
    DIB chart;
    ASSERT_EQ(0, hintergrund_zeichnen(chart, {500, 500, 249, 0, 0}, {himmel, schriften.schriften(), werte}));
    for (const auto& [farben, name] : {std::pair{Farbschema::SCHIRM, "datei_schirm.bmp"},
                                       std::pair{Farbschema::SCHWARZ_AUF_WEISS, "datei_schwarz_weiss.bmp"}}) {
        dialog.antwort = bilder_ordner() + "\\" + name;
        EXPECT_EQ(0, bitmap_datei(chart, farben, nullptr, "", dialog_waehlen));
    }
}

}  // namespace
