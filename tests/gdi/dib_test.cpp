// The canvas: pixel layout, runs and lines with clipping, the colour table,
// text landing as colour-table indices, copying out and the BMP file.
#include "bild_hilfen.h"
#include "dib.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::vector<uint8_t> datei_lesen(const std::string& pfad) {
    std::vector<uint8_t> inhalt;
    if (FILE* f = fopen(pfad.c_str(), "rb")) {
        int c;
        while ((c = fgetc(f)) != EOF) inhalt.push_back(static_cast<uint8_t>(c));
        fclose(f);
    }
    return inhalt;
}

uint32_t le32(const std::vector<uint8_t>& d, size_t at) {
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<uint32_t>(d[at + 3]) << 24;
}
uint16_t le16(const std::vector<uint8_t>& d, size_t at) {
    return static_cast<uint16_t>(d[at] | d[at + 1] << 8);
}

class Leinwand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, bild.erzeugen(101, 50, 8, 0, 0));
        bild.fuellen(0);
    }
    DIB bild;
};

TEST_F(Leinwand, ZeilenlaengeUndFuellenMitPolster) {
    EXPECT_EQ(104, bild.zeilen_laenge());
    bild.fuellen(7);
    const uint8_t* p = bild.pixel_daten();
    for (int i = 0; i < 104 * 50; ++i) ASSERT_EQ(7, p[i]) << "byte " << i;
}

TEST_F(Leinwand, PunktNullNullIstUntenLinksAufDemBildschirm) {
    bild.farbe_setzen(0, 0x000000);
    bild.farbe_setzen(9, 0x0000FF);  // red
    bild.punkt(0, 0, 9);
    EXPECT_EQ(9, bild.pixel_daten()[0]);
    // Through the drawing context, y counts from the top: the bottom row is 49.
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(bild.dc, 0, 49));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(bild.dc, 0, 0));
}

TEST_F(Leinwand, PunktAusserhalbWirdVerworfen) {
    for (auto [x, z] : {std::pair{-1, 0}, {101, 0}, {0, -1}, {0, 50}, {104, 0}})
        bild.punkt(x, z, 5);
    EXPECT_TRUE(pixel_mit(bild, 5).empty());
}

struct SpannenFall {
    int x1, x2, zeile;
    int erste, letzte;  // set columns; erste > letzte: nothing
};

TEST(DibSpanne, BeschneidetAnDenRaendern) {
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(10, 4, 8, 0, 0));
    const SpannenFall faelle[] = {
        {-5, 3, 1, 0, 3}, {12, 20, 1, 1, 0}, {8, 2, 1, 2, 8}, {-3, 30, 2, 0, 9},
        {4, 4, 3, 4, 4},  {0, 9, 4, 1, 0},   {0, 9, -1, 1, 0}, {-9, -1, 0, 1, 0},
    };
    for (const auto& f : faelle) {
        bild.fuellen(0);
        bild.spanne(f.x1, f.x2, f.zeile, 3);
        Punkte erwartet;
        for (int x = f.erste; x <= f.letzte; ++x) erwartet.insert({x, f.zeile});
        EXPECT_EQ(erwartet, pixel_mit(bild, 3)) << f.x1 << ".." << f.x2 << " in " << f.zeile;
        EXPECT_EQ(0, bild.pixel_daten()[bild.zeilen_laenge() - 1]) << "row padding untouched";
    }
}

struct LinienFall {
    int x1, z1, x2, z2;
    std::vector<std::pair<int, int>> pixel;  // empty: nothing drawn
};

Punkte als_menge(const std::vector<std::pair<int, int>>& v) {
    return Punkte(v.begin(), v.end());
}

TEST(DibLinie, RasterungMitBeidenEndpunkten) {
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(12, 12, 8, 0, 0));
    const LinienFall faelle[] = {
        {0, 0, 10, 3,
         {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 3}, {10, 3}}},
        {5, 5, 5, 5, {{5, 5}}},
        {3, 9, 3, 2, {{3, 9}, {3, 8}, {3, 7}, {3, 6}, {3, 5}, {3, 4}, {3, 3}, {3, 2}}},
        // Steep, downward: columns rounded half up from the upper end.
        {0, 4, 2, 0, {{0, 4}, {1, 3}, {1, 2}, {2, 1}, {2, 0}}},
        // Both ends outside, crossing the picture: only its visible pixels.
        {-4, 2, 15, 2,
         {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 2}, {10, 2},
          {11, 2}}},
        {-2, -2, 13, 13,
         {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10},
          {11, 11}}},
        // Wholly to one side.
        {-9, 0, -1, 11, {}},
        {12, 0, 30, 5, {}},
        {0, 12, 11, 40, {}},
        {0, -1, 11, -30, {}},
    };
    for (const auto& f : faelle) {
        for (bool umgekehrt : {false, true}) {
            bild.fuellen(0);
            if (umgekehrt)
                bild.linie(f.x2, f.z2, f.x1, f.z1, 4);
            else
                bild.linie(f.x1, f.z1, f.x2, f.z2, 4);
            EXPECT_EQ(als_menge(f.pixel), pixel_mit(bild, 4))
                << "(" << f.x1 << "," << f.z1 << ")-(" << f.x2 << "," << f.z2 << ")"
                << (umgekehrt ? " reversed" : "");
        }
    }
}

TEST(DibLinie, FerneEndpunkteEndenSchnell) {
    // Ends a billion pixels away: the walk covers only the picture.
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(20, 20, 8, 0, 0));
    bild.fuellen(0);
    bild.linie(-1000000000, 10, 1000000000, 10, 2);
    bild.linie(5, -1000000000, 5, 1000000000, 2);
    EXPECT_EQ(39u, pixel_mit(bild, 2).size());
}

TEST(DibUrsprung, PixelUndTextVerschobenUmDenUrsprung) {
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(40, 30, 8, 10, 5));
    bild.fuellen(0);
    bild.punkt(0, 0, 1);
    bild.spanne(-10, -9, 1, 2);
    bild.linie(-10, 24, -8, 24, 3);
    EXPECT_EQ(Punkte({{10, 5}}), pixel_mit(bild, 1));
    EXPECT_EQ(Punkte({{0, 6}, {1, 6}}), pixel_mit(bild, 2));
    EXPECT_EQ(Punkte({{0, 29}, {1, 29}, {2, 29}}), pixel_mit(bild, 3));
    // Drawing-context coordinates: (0, 0) is device (10, 5) from the top.
    bild.farbe_setzen(1, 0x00FF00);
    EXPECT_EQ(RGB(0, 255, 0), GetPixel(bild.dc, 0, 30 - 1 - 5 - 5));
}

TEST_F(Leinwand, FarbtabelleNurImGueltigenBereich) {
    bild.farbe_setzen(130, 0x00102030);
    bild.farbe_setzen(256, 0x00FFFFFF);
    bild.farbe_setzen(-1, 0x00FFFFFF);
    EXPECT_EQ(0x00102030u, bild.farbe(130));
    EXPECT_EQ(0x00141414u, bild.farbe(255)) << "never set: (20, 20, 20)";
    EXPECT_EQ(0x00141414u, bild.farbe(0));
    // The bitmap sees the entry too.
    RGBQUAD e{};
    ASSERT_EQ(1u, GetDIBColorTable(bild.dc, 130, 1, &e));
    EXPECT_EQ(0x30, e.rgbRed);
    EXPECT_EQ(0x20, e.rgbGreen);
    EXPECT_EQ(0x10, e.rgbBlue);
}

// Text drawn through dc in the exact colour of an entry lands as that index,
// without anti-aliased edges in other entries.
TEST(DibText, LandetAlsIndexDesFarbeintrags) {
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(200, 60, 8, 0, 0));
    for (int i = 0; i < 256; ++i) bild.farbe_setzen(i, RGB(i, 255 - i, (i * 7) & 255));
    bild.farbe_setzen(0, 0);
    const uint32_t farben[] = {RGB(130, 125, 130 * 7 & 255), RGB(96, 159, 96 * 7 & 255),
                               RGB(254, 1, 254 * 7 & 255)};
    const int erwartet[] = {130, 96, 254};
    HFONT schrift = CreateFontA(24, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0,
                                ANTIALIASED_QUALITY, 0, "Arial");
    HGDIOBJ alt = SelectObject(bild.dc, schrift);
    for (int i = 0; i < 3; ++i) {
        bild.fuellen(0);
        SetTextColor(bild.dc, farben[i]);
        TextOutA(bild.dc, 5, 5, "Betelgeuse", 10);
        const auto gesetzt = pixel_mit(bild, erwartet[i]);
        EXPECT_GT(gesetzt.size(), 50u);
        EXPECT_EQ(200u * 60u, gesetzt.size() + pixel_mit(bild, 0).size())
            << "every text pixel is entry " << erwartet[i];
    }
    SelectObject(bild.dc, alt);
    DeleteObject(schrift);
}

TEST(DibLeer, TutNichtsUndSpeichertNicht) {
    DIB bild;
    bild.fuellen(1);
    bild.punkt(0, 0, 1);
    bild.spanne(0, 5, 0, 1);
    bild.linie(0, 0, 5, 5, 1);
    bild.farbe_setzen(0, 0);
    EXPECT_EQ(0, bild.breite());
    EXPECT_EQ(0, bild.farben());
    EXPECT_EQ(-1, bild.speichern(temp_pfad("leer.bmp").c_str()));
    EXPECT_EQ(1, bild.klassen_name_("DIB", 0));
    EXPECT_EQ(0, bild.klassen_name_("Fenster", 0));
}

TEST(DibErzeugen, UngueltigeGroessenUndTiefen) {
    DIB bild;
    for (auto [b, h, t] : {std::tuple{0, 10, 8}, {10, 0, 8}, {-5, 10, 8}, {10, -5, 8}, {10, 10, 16},
                           {10, 10, 0}}) {
        EXPECT_EQ(-1, bild.erzeugen(b, h, static_cast<int16_t>(t), 0, 0))
            << b << "x" << h << "@" << t;
        EXPECT_EQ(nullptr, bild.dc);
        EXPECT_EQ(0, bild.farben());
    }
}

TEST(DibErzeugen, NeuErzeugenUndFreigeben) {
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(10, 10, 8, 0, 0));
    bild.farbe_setzen(3, 0xFFFFFF);
    ASSERT_EQ(0, bild.erzeugen(20, 8, 8, 0, 0));
    EXPECT_EQ(20, bild.breite());
    EXPECT_EQ(0x00141414u, bild.farbe(3)) << "a new bitmap starts with the initial table";
    bild.freigeben();
    EXPECT_EQ(nullptr, bild.dc);
    EXPECT_EQ(nullptr, bild.pixel_daten());
    EXPECT_EQ(0, bild.farben());
}

TEST(DibAusgeben, KopiertDasBildInsZiel) {
    DIB quelle, ziel;
    ASSERT_EQ(0, quelle.erzeugen(16, 8, 8, 3, 2));
    ASSERT_EQ(0, ziel.erzeugen(16, 8, 8, 0, 0));
    for (DIB* b : {&quelle, &ziel}) {
        b->farbe_setzen(0, 0);
        b->farbe_setzen(1, 0xFFFFFF);
        b->fuellen(0);
    }
    quelle.spanne(-3, 12, 7 - 2, 1);  // the top row of the bitmap
    EXPECT_NE(0, quelle.ausgeben(ziel.dc, 0, 0, 0, 0, -1, -1));
    Punkte oben;
    for (int x = 0; x < 16; ++x) oben.insert({x, 7});
    EXPECT_EQ(oben, pixel_mit(ziel, 1));
}

TEST_F(Leinwand, BmpDateiStandardAufbau) {
    bild.fuellen(0);
    bild.punkt(0, 0, 9);     // first pixel byte of the file: the bottom row
    bild.punkt(100, 49, 8);  // last picture byte of the top row
    bild.farbe_setzen(9, 0x00332211);
    const std::string pfad = temp_pfad("dib_test.bmp");
    ASSERT_EQ(0, bild.speichern(pfad.c_str()));
    const auto d = datei_lesen(pfad);
    remove(pfad.c_str());
    ASSERT_EQ(6278u, d.size());
    EXPECT_EQ('B', d[0]);
    EXPECT_EQ('M', d[1]);
    EXPECT_EQ(6278u, le32(d, 2));
    EXPECT_EQ(0u, le32(d, 6));
    EXPECT_EQ(1078u, le32(d, 10));
    EXPECT_EQ(40u, le32(d, 14));   // header size
    EXPECT_EQ(101u, le32(d, 18));  // width
    EXPECT_EQ(50u, le32(d, 22));   // height, positive: bottom-up
    EXPECT_EQ(1, le16(d, 26));     // planes
    EXPECT_EQ(8, le16(d, 28));     // bits per pixel
    EXPECT_EQ(0u, le32(d, 30));    // uncompressed
    for (int i = 0; i < 256; ++i) EXPECT_EQ(20, d[54 + 4 * i + 3]) << "entry " << i;
    EXPECT_EQ(0x33, d[54 + 4 * 9]);  // blue, green, red
    EXPECT_EQ(0x22, d[54 + 4 * 9 + 1]);
    EXPECT_EQ(0x11, d[54 + 4 * 9 + 2]);
    EXPECT_EQ(20, d[54 + 4 * 10]);
    EXPECT_EQ(9, d[1078]);
    EXPECT_EQ(8, d[1078 + 49 * 104 + 100]);
}

TEST_F(Leinwand, SpeichernFehler) {
    EXPECT_EQ(-1, bild.speichern("Z:/kein/solches/verzeichnis/x.bmp"));
    EXPECT_EQ(-1, bild.speichern(nullptr));
}

}  // namespace
