// The saver window with its sky: set-up from the settings, the frame chain
// driven message by message, the layers in the picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "breit.h"
#include "himmel_fenster.h"
#include "dpi.h"
#include "himmel_zustand.h"
#include "ini_datei.h"
#include "rahmen.h"
#include "schale.h"
#include "schale_umgebung.h"

using namespace umgebung;

namespace {

constexpr const char* KLASSE = "VarnisBSSHimmel";

class HimmelFenster : public ::testing::Test {
protected:
    void SetUp() override {
        snprintf(scr_dateien.daten_verzeichnis, sizeof scr_dateien.daten_verzeichnis, "%s",
                 VARNIS_TEST_DATA);
    }
    void TearDown() override {
        if (fenster && IsWindow(fenster)) DestroyWindow(fenster);
        if (wirt) DestroyWindow(wirt);
        pumpen();
    }

    // The saver window of modus with "Kovra.ini" holding ini_text; a preview
    // goes into a host of 300 x 200 pixels.
    HWND anlegen(ScrModus modus, const std::string& ini_text = "") {
        ini.schreiben(ini_text);
        snprintf(scr_dateien.ini_pfad, sizeof scr_dateien.ini_pfad, "%s", ini.pfad());
        if (modus == VORSCHAU && !wirt) {
            wirt = CreateWindowExA(0, "STATIC", "Wirt", WS_POPUP | WS_VISIBLE, 10, 10, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
        }
        schale_einrichten(modus, modus == VORSCHAU ? wirt : nullptr, ScrFensterProz, KLASSE);
        fenster = ScrFensterAnlegen();
        return fenster;
    }

    // Pixels of the canvas holding colour-table index.
    int32_t anzahl(int32_t index) const {
        const DIB& b = scr_himmel.bild;
        int32_t n = 0;
        for (int32_t z = 0; z < b.hoehe(); ++z)
            for (int32_t x = 0; x < b.breite(); ++x) n += b.pixel(x, z) == index;
        return n;
    }

    // Paints now if a paint is due; true when a frame was drawn.
    bool malt() {
        scr_himmel.bild.fuellen(255);  // no layer draws 255
        UpdateWindow(fenster);
        return anzahl(255) == 0;
    }

    IniDatei ini{""};
    HWND fenster = nullptr;
    HWND wirt = nullptr;
};

TEST_F(HimmelFenster, PreviewSquareViewAndFonts) {
    const struct {
        ScrModus modus;
        const char* ini;
        int32_t breite, hoehe, radius, x, y, gesichtsfeld;
        LONG text, sternbild, symbol;
    } faelle[] = {
        {VORSCHAU, "", 300, 200, 100, 50, 0, 30, 4, 6, 4},
        {VORSCHAU, "[Allgemein]\nGesichtsfeld=25\n", 300, 200, 100, 50, 0, 25, 4, 6, 4},
        {VORSCHAU, "[Allgemein]\nGesichtsfeld=45\n", 300, 200, 100, 50, 0, 30, 4, 6, 4},
        {SCHONER, "", 1024, 768, 384, 128, 0, 37, 14, 16, 14},
        {SCHONER, "[Allgemein]\nGesichtsfeld=45\n", 1024, 768, 384, 128, 0, 45, 14, 16, 14},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.modus == VORSCHAU ? "preview " : "full screen ") + f.ini);
        ASSERT_NE(anlegen(f.modus, f.ini), nullptr);
        const ScrHimmelZustand& s = scr_himmel;
        EXPECT_EQ(s.bild.breite(), f.breite);
        EXPECT_EQ(s.bild.hoehe(), f.hoehe);
        EXPECT_EQ(s.radius, f.radius);
        POINT ursprung{};
        GetViewportOrgEx(s.bild.dc, &ursprung);
        EXPECT_EQ(ursprung.x, f.x);
        EXPECT_EQ(ursprung.y, f.y);
        ASSERT_TRUE(s.himmel);
        EXPECT_NEAR(s.himmel->gesichtsfeld, f.gesichtsfeld * 3.1415927 / 180, 1e-6);
        EXPECT_EQ(s.schriften->text.beschreibung().lfHeight, f.text);
        EXPECT_EQ(s.schriften->sternbild.beschreibung().lfHeight, f.sternbild);
        EXPECT_EQ(s.schriften->symbol.beschreibung().lfHeight, f.symbol);
        EXPECT_STREQ(s.schriften->text.beschreibung().lfFaceName, "Arial");
        EXPECT_STREQ(s.schriften->sternbild.beschreibung().lfFaceName, "Arial");
        EXPECT_STREQ(s.schriften->symbol.beschreibung().lfFaceName, "Symbol");
        EXPECT_TRUE(s.schriften->sternbild.beschreibung().lfUnderline);
        EXPECT_FALSE(s.schriften->text.beschreibung().lfUnderline);
        // The resolution drawn at: the host's for the preview, else the monitor's.
        EXPECT_EQ(s.dpi, f.modus == VORSCHAU ? dpi_fenster(wirt)
                                             : dpi_monitor(MonitorFromWindow(fenster, MONITOR_DEFAULTTOPRIMARY)));
        EXPECT_EQ(s.dpi, dpi_system());
        DestroyWindow(fenster);
        pumpen();
    }
}

TEST_F(HimmelFenster, ViewCentreFromSettingsUntilTheFirstFrameTakesTheClock) {
    anlegen(VORSCHAU, "[Allgemein]\nRek=500\n");
    ASSERT_TRUE(scr_himmel.himmel);
    const Himmel& h = *scr_himmel.himmel;
    EXPECT_DOUBLE_EQ(h.rektaszension, 5.0);
    EXPECT_DOUBLE_EQ(h.deklination, 39.33) << "the default -3933 is +39.33 degrees";
    ASSERT_TRUE(malt());
    const double uhr = sternzeit_jetzt();
    EXPECT_LT(std::fabs(h.rektaszension - uhr), 0.01);
    EXPECT_DOUBLE_EQ(h.deklination, 39.33);

    anlegen(VORSCHAU, "[Allgemein]\nDek=1000\n");
    EXPECT_DOUBLE_EQ(scr_himmel.himmel->deklination, -10.0);
}

TEST_F(HimmelFenster, SettingsBeyondTheirRangesAreHeldToThem) {
    const struct {
        const char* ini;
        double gesichtsfeld, rektaszension, deklination;
    } faelle[] = {
        {"Gesichtsfeld=0\n", 3, 19.9, 39.33},
        {"Gesichtsfeld=-5\n", 3, 19.9, 39.33},
        {"Gesichtsfeld=100000\n", 180, 19.9, 39.33},
        {"Gesichtsfeld=2147483647\nRek=99999\nDek=-20000\n", 180, 24, 89.99},
        {"Rek=-7\nDek=2147483647\n", 37, 0, -89.99},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ini);
        ASSERT_NE(anlegen(SCHONER, std::string("[Allgemein]\n") + f.ini), nullptr);
        const Himmel& h = *scr_himmel.himmel;
        EXPECT_NEAR(h.gesichtsfeld, f.gesichtsfeld * 3.1415927 / 180, 1e-6);
        EXPECT_DOUBLE_EQ(h.rektaszension, f.rektaszension);
        EXPECT_DOUBLE_EQ(h.deklination, f.deklination);
        DestroyWindow(fenster);
        pumpen();
    }
    // Intensities beyond 100 % would wrap the layer's colour instead of
    // showing it at full strength.
    anlegen(VORSCHAU, "[Anzeige]\nSternbilder=150\nHilfslinien=-5\n[Farben]\nBlau_Hintergrund=7\n");
    EXPECT_EQ(scr_himmel.bild.farbe(128), 0xFFFF38u) << "(56, 255, 255) at 100 %";
    EXPECT_EQ(scr_himmel.bild.farbe(96), 0x070000u) << "helper lines off";
}

TEST_F(HimmelFenster, BackgroundIsNeverErased) {
    anlegen(VORSCHAU);
    // A white picture that the class's black brush would cover.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, 4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bild = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bild, nullptr);
    std::memset(bits, 0xFF, 4 * 4 * 4);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ alt = SelectObject(dc, bild);
    EXPECT_NE(SendMessageA(fenster, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0)
        << "erased as far as the system is concerned";
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
    SelectObject(dc, alt);
    DeleteDC(dc);
    DeleteObject(bild);
}

TEST_F(HimmelFenster, ColourTableFromTheSaversSettings) {
    anlegen(VORSCHAU,
            "[Anzeige]\nHilfslinien=0\n[Farben]\nRot_Hintergrund=1\nGruen_Hintergrund=2\n"
            "Blau_Hintergrund=3\nRot_Sternbildnamen=300\n");
    const DIB& b = scr_himmel.bild;
    EXPECT_EQ(b.farbe(0), 0x030201u);
    EXPECT_EQ(b.farbe(96), 0x030201u) << "helper lines off: their entry is the background";
    EXPECT_EQ(b.farbe(129), 0xCECE23u) << "(44, 255, 255) x 0.81";
    EXPECT_EQ(b.farbe(128), 0xB5B527u) << "(56, 255, 255) x 0.71";
    EXPECT_EQ(b.farbe(130), 0xEDC99Eu) << "(160, 204, 240) x 0.99";
    EXPECT_EQ(b.farbe(10), 0xFFF0E0u);
    EXPECT_EQ(b.farbe(19), 0x33302Cu) << "a fifth of (224, 240, 255)";
    EXPECT_EQ(b.farbe(100), 0xC0C0C0u);
    EXPECT_EQ(b.farbe(255), 0xFF00FFu);
    EXPECT_EQ(b.farbe(254), 0x141414u) << "no caption in the saver";
    EXPECT_EQ(GetBkColor(b.dc), 0x030201u);
}

TEST_F(HimmelFenster, EachFrameArmsTheNextOneShot) {
    anlegen(VORSCHAU);
    EXPECT_TRUE(malt()) << "the first paint draws a frame";
    EXPECT_TRUE(KillTimer(fenster, 1)) << "and arms the timer";
    SetTimer(fenster, 1, 500, nullptr);

    SendMessageA(fenster, WM_TIMER, 1, 0);
    EXPECT_FALSE(KillTimer(fenster, 1)) << "the timer message stops the timer";
    RECT r;
    EXPECT_TRUE(GetUpdateRect(fenster, &r, FALSE)) << "and asks for a paint";
    EXPECT_TRUE(malt());
    EXPECT_TRUE(KillTimer(fenster, 1));
}

TEST_F(HimmelFenster, StoppedSaverDrawsNoFrameAndArmsNoTimer) {
    anlegen(VORSCHAU);
    ASSERT_TRUE(malt());
    ScrAnhalten();
    SendMessageA(fenster, WM_TIMER, 1, 0);
    EXPECT_FALSE(malt());
    EXPECT_FALSE(KillTimer(fenster, 1));
    DestroyWindow(fenster);
    EXPECT_FALSE(scr_himmel.himmel) << "the sky goes with the window";
}

TEST_F(HimmelFenster, HostEndsThePreviewAndItsTimer) {
    anlegen(VORSCHAU);
    ASSERT_TRUE(malt());
    DestroyWindow(wirt);
    wirt = nullptr;
    EXPECT_FALSE(IsWindow(fenster));
    EXPECT_FALSE(scr_himmel.himmel);
    EXPECT_TRUE(pumpen());
}

TEST_F(HimmelFenster, LayersAtZeroAreNotDrawnStarsAlwaysAre) {
    // At a declination of +39 degrees every 30-degree field holds figure lines.
    const struct {
        const char* anzeige;
        bool gitter, figuren;
    } faelle[] = {
        {"", true, true},
        {"Hilfslinien=0\n", false, true},
        {"Sternbilder=0\n", true, false},
        {"Sternbilder=0\nSternbildnamen=0\nSternnamen=0\nHilfslinien=0\n", false, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.anzeige);
        anlegen(VORSCHAU, std::string("[Anzeige]\n") + f.anzeige);
        ASSERT_TRUE(malt());
        EXPECT_EQ(anzahl(96) > 0, f.gitter);
        EXPECT_EQ(anzahl(128) > 0, f.figuren);
        int32_t sterne = 0;
        for (int32_t i = 10; i < 80; ++i) sterne += anzahl(i);
        EXPECT_GT(sterne, 0);
    }
}

// The notice's reason: none with the catalogue, missing without it, damaged
// when the file is there and the loader finds a fault (empty, cut inside
// its first entry); in a data folder named in four scripts, which a missing
// catalogue's notice names whole.
TEST_F(HimmelFenster, NoticeSaysWhetherTheCatalogueIsMissingOrDamaged) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    char temp_utf8[PFAD_LAENGE];
    ASSERT_TRUE(pfad_schmal(temp, temp_utf8, sizeof temp_utf8));
    // "Łódź Ελλάδα Москва 東京"
    const std::string ordner = std::string(temp_utf8) +
                               "\xC5\x81\xC3\xB3\x64\xC5\xBA \xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 "
                               "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 \xE6\x9D\xB1\xE4\xBA\xAC " +
                               std::to_string(GetCurrentProcessId());
    const std::string datei = ordner + "\\VARNIS.DAT";
    wchar_t ordner_breit[BREIT_PFAD], datei_breit[BREIT_PFAD];
    ASSERT_TRUE(pfad_breit(ordner.c_str(), ordner_breit, BREIT_PFAD));
    ASSERT_TRUE(pfad_breit(datei.c_str(), datei_breit, BREIT_PFAD));
    CreateDirectoryW(ordner_breit, nullptr);
    const std::string katalog = datei_lesen(VARNIS_TEST_DATA "/VARNIS.DAT");
    ASSERT_GT(katalog.size(), 1000u);
    const struct {
        const char* verzeichnis;
        const char* bytes;  // of VARNIS.DAT; null: no file
        const char* grund;  // in the notice; "": no notice
    } faelle[] = {
        {VARNIS_TEST_DATA, nullptr, ""},
        {ordner.c_str(), katalog.c_str(), ""},
        {ordner.c_str(), nullptr, "fehlt"},
        {ordner.c_str(), "", "besch\xE4" "digt"},
        {ordner.c_str(), "abc", "besch\xE4" "digt"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.verzeichnis) + (f.bytes ? " with a file" : " no file"));
        DeleteFileW(datei_breit);
        if (f.bytes) {
            FILE* d = datei_oeffnen(datei.c_str(), "wb");
            ASSERT_NE(d, nullptr);
            fwrite(f.bytes, 1, f.bytes == katalog.c_str() ? katalog.size() : strlen(f.bytes), d);
            fclose(d);
        }
        snprintf(scr_dateien.daten_verzeichnis, sizeof scr_dateien.daten_verzeichnis, "%s", f.verzeichnis);
        ASSERT_NE(anlegen(SCHONER), nullptr);
        const std::string hinweis = scr_himmel.hinweis;
        if (*f.grund) {
            EXPECT_NE(hinweis.find(f.grund), std::string::npos) << hinweis;
            EXPECT_NE(hinweis.find(ordner), std::string::npos) << hinweis;
        } else {
            EXPECT_EQ(hinweis, "");
        }
        DestroyWindow(fenster);
        pumpen();
    }
    DeleteFileW(datei_breit);
    RemoveDirectoryW(ordner_breit);
}

}  // namespace
