// The star labels: where names and designations are anchored, which stars get
// them, and the second meaning of the colour 0.
#include <gtest/gtest.h>

#include "himmel_fixture.h"
#include "namen.h"

namespace {

struct Schriften {
    Font text{"Arial", 14};
    Font symbol{"Symbol", 14};
};

constexpr int R = 200;

// A text drawn with the given alignment at (x, y) in the colour of entry index.
void referenz_text(DIB& bild, const Font& schrift, UINT ausrichtung, int x, int y, const char* text,
                   int index) {
    SelectObject(bild.dc, schrift.handle());
    SetTextColor(bild.dc, farbe_von(index));
    SetTextAlign(bild.dc, ausrichtung);
    TextOutA(bild.dc, x, y, text, static_cast<int>(strlen(text)));
}

// Chart of 90 degrees around 0 h, 0 degrees, r = 200: 22 h 30 m on the
// equator lies 100 pixels right of the centre.
TEST(SternNamen, AnkerNebenDemStern) {
    struct Fall {
        const char* name;
        UINT ausrichtung;
        int x;
    };
    const Fall faelle[] = {
        {"Alcor", TA_BASELINE | TA_RIGHT, 300 - 2},
        {"Alkor", TA_BASELINE | TA_RIGHT, 300 - 2},
        {"Alchor", TA_BASELINE | TA_RIGHT, 300 - 2},
        {"alchor", TA_BASELINE | TA_LEFT, 300 + 10},
        {"Alcorx", TA_BASELINE | TA_LEFT, 300 + 10},
        {"Mizar", TA_BASELINE | TA_LEFT, 300 + 10},
    };
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, 22.5, 0, 400, 'A', "          ", f.name},
                                          {2, 0, 30, 100, 'A', "          ", nullptr}}));
        Schriften s;
        DIB bild, erwartet;
        leinwand(bild, 2 * R + 2);
        leinwand(erwartet, 2 * R + 2);
        stern_namen(himmel, bild.dc, &bild, s.text, s.symbol, R, farbe_von(130));
        referenz_text(erwartet, s.text, f.ausrichtung, f.x, R, f.name, 130);
        EXPECT_GT(pixel_mit(erwartet, 130).size(), 30u);
        EXPECT_EQ(pixel_mit(erwartet, 130), pixel_mit(bild, 130)) << f.name;
        EXPECT_EQ(gezeichnet(bild), pixel_mit(bild, 130)) << "nothing for the star without a name";
        EXPECT_EQ(static_cast<UINT>(TA_BASELINE | TA_LEFT), GetTextAlign(bild.dc));
    }
}

// Names and designations reach past the corners of the square: up to
// 0.712 of the field of view from the centre.
TEST(SternNamen, SichtbarBisUeberDieEcken) {
    for (auto [anteil, sichtbar] : {std::pair{0.71, true}, {0.72, false}}) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 40 * anteil, 400, 'A', "  1alf1Tst", "Nordstern"}},
                                 {{"Tst", "Testum", 0, 0, {}}}));
        himmel.setze_gesichtsfeld(40);
        himmel.sternbild_umschalten(0);
        Schriften s;
        // r = 50 in the middle of a canvas with room around the square.
        DIB bild;
        bild.erzeugen(400, 400, 8, 150, 150);
        for (int i = 0; i < 256; ++i) bild.farbe_setzen(i, farbe_von(i));
        bild.fuellen(0);
        stern_namen(himmel, bild.dc, &bild, s.text, s.symbol, 50, farbe_von(130));
        stern_kennungen(himmel, bild.dc, &bild, s.text, s.symbol, 50, farbe_von(128));
        EXPECT_EQ(sichtbar, !pixel_mit(bild, 130).empty()) << anteil;
        EXPECT_EQ(sichtbar, !pixel_mit(bild, 128).empty()) << anteil;
    }
}

struct KennungsFall {
    const char* was;
    const char* bezeichnung;
    const char* buchstabe;  // in the Symbol font at the star, or null
    const char* text;       // in the text font: at the star, or right of the letter
};

// The designation's top-left corner sits on the star (here the centre).
TEST(SternKennungen, BuchstabeIndexOderNummer) {
    const KennungsFall faelle[] = {
        {"Flamsteed number", "  3    Tst", nullptr, "3"},
        {"Flamsteed number without blanks", "123    Tst", nullptr, "123"},
        {"Greek letter over the number", " 58alf Tst", "a", nullptr},
        {"Greek letter and index", "   pi 1Tst", "p", "1"},
        {"upper case in the catalogue", "   The2Tst", "J", "2"},
        {"no constellation", "   eps    ", nullptr, nullptr},
        {"unknown constellation", "   eps Xyz", nullptr, nullptr},
    };
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 0, 300, 'A', f.bezeichnung}},
                                 {{"And", "Andromeda", 0, 0, {}}, {"Tst", "Testum", 0, 0, {}}}));
        for (int i = 0; i < himmel.sternbild_anzahl; ++i) himmel.sternbild_umschalten(i);
        Schriften s;
        DIB bild, erwartet;
        leinwand(bild, 2 * R + 2);
        leinwand(erwartet, 2 * R + 2);
        stern_kennungen(himmel, bild.dc, &bild, s.text, s.symbol, R, farbe_von(128));
        int x = R;
        if (f.buchstabe) {
            referenz_text(erwartet, s.symbol, TA_TOP | TA_LEFT, x, R, f.buchstabe, 128);
            x += s.symbol.textbreite(f.buchstabe);
        }
        if (f.text) referenz_text(erwartet, s.text, TA_TOP | TA_LEFT, x, R, f.text, 128);
        EXPECT_EQ(pixel_mit(erwartet, 128), pixel_mit(bild, 128)) << f.was;
        EXPECT_EQ(gezeichnet(bild), pixel_mit(bild, 128)) << f.was;
        EXPECT_EQ(f.buchstabe || f.text, !gezeichnet(bild).empty()) << f.was;
    }
}

// Only highlighted constellations are labelled; with the colour 0 the
// selected one as well (it is drawn over in black once its highlight is off).
// A star belongs to the first constellation of its abbreviation: a later one
// of the same abbreviation, highlighted or selected, labels none.
TEST(SternKennungen, HervorgehobenOderGewaehltMitFarbeNull) {
    struct Fall {
        int hervorgehoben;  // the constellation highlighted, -1 none
        int wahl;
        uint32_t farbe;
        bool beschriftet;
    };
    const Fall faelle[] = {
        {1, -1, farbe_von(128), true}, {-1, -1, farbe_von(128), false},
        {-1, 1, farbe_von(128), false}, {-1, 1, 0, true},
        {-1, 0, 0, false}, {2, -1, farbe_von(128), false},
        {-1, 2, 0, false},
    };
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 0, 300, 'A', "  7    Tst"}},
                                 {{"And", "Andromeda", 0, 0, {}},
                                  {"Tst", "Testum", 0, 0, {}},
                                  {"Tst", "Testum alterum", 0, 0, {}}}));
        if (f.hervorgehoben >= 0) himmel.sternbild_umschalten(f.hervorgehoben);
        himmel.wahl_sternbild = f.wahl;
        Schriften s;
        DIB bild;
        leinwand(bild, 2 * R + 2);
        bild.fuellen(5);
        stern_kennungen(himmel, bild.dc, &bild, s.text, s.symbol, R, f.farbe);
        EXPECT_EQ(f.beschriftet,
                  pixel_mit(bild, 5).size() < static_cast<size_t>(bild.breite() * bild.hoehe()))
            << f.hervorgehoben << " " << f.wahl << " " << f.farbe;
    }
}

TEST(SternKennungen, OhneSternbilderUnberuehrt) {
    Himmel himmel;
    ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 0, 300, 'A', "  7    Tst"}}));
    Schriften s;
    DIB bild;
    leinwand(bild, 2 * R + 2);
    SetTextColor(bild.dc, RGB(1, 2, 3));
    SetTextAlign(bild.dc, TA_BOTTOM | TA_RIGHT);
    stern_kennungen(himmel, bild.dc, &bild, s.text, s.symbol, R, farbe_von(128));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(bild.dc));
    EXPECT_EQ(static_cast<UINT>(TA_BOTTOM | TA_RIGHT), GetTextAlign(bild.dc));
    EXPECT_TRUE(gezeichnet(bild).empty());
}

}  // namespace
