// The star layers on the panes: disc shapes by magnitude, colour indices,
// scales and offsets, visibility, the once-per-drawing positions and the
// chart caption.
#include <gtest/gtest.h>

#include <cstring>

#include "gestirne.h"
#include "himmel_fixture.h"

namespace {

constexpr int R = 20;  // a 42-pixel canvas holds every disc around (R, R)

struct Schriften {
    Font text{"Arial", 14};
    Font symbol{"Symbol", 14};
};

// One star of helligkeit h and class spektrum at the view centre, drawn on
// the chart.
DIB& karte_mit_einem_stern(DIB& bild, int h, char spektrum = 'A') {
    Himmel himmel;
    EXPECT_TRUE(himmel_laden(himmel, {{1, 0.0, 0.0, h, spektrum}}));
    leinwand(bild, 2 * R + 2);
    Schriften s;
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, R, 0, 99);
    return bild;
}

struct ScheibenFall {
    int helligkeit;
    std::vector<std::string> form;  // top row first
    int links, oben;                // relative to the star
};

// The disc widths step down with the magnitude: 11, 9, 7, 5, 5, 3, 2, 2, 1 pixels.
const std::vector<std::string> HELLSTE = {"...XXXXX...", "..XXXXXXX..", ".XXXXXXXXX.",
                                          ".XXXXXXXXX.", "XXXXXXXXXXX", ".XXXXXXXXX.",
                                          ".XXXXXXXXX.", "..XXXXXXX..", "...XXXXX..."};
const std::vector<std::string> MAG_1 = {"....X....", "..XXXXX..", ".XXXXXXX.",
                                        "XXXXXXXXX", "XXXXXXXXX", "XXXXXXXXX",
                                        ".XXXXXXX.", "..XXXXX..", "....X...."};
const std::vector<std::string> MAG_2 = {"..XXX..", ".XXXXX.", "XXXXXXX", "XXXXXXX",
                                        "XXXXXXX", ".XXXXX.", "..XXX.."};
const std::vector<std::string> MAG_3 = {".XXX.", "XXXXX", "XXXXX", "XXXXX", ".XXX."};
const std::vector<std::string> MAG_39 = {"..X..", ".XXX.", "XXXXX", ".XXX.", "..X.."};
const std::vector<std::string> MAG_45 = {".X.", "XXX", ".X."};
const std::vector<std::string> MAG_5 = {"XX", "XX"};
const std::vector<std::string> MAG_55 = {"XX"};
const std::vector<std::string> PUNKT = {"X"};

TEST(KarteGestirne, ScheibeNachHelligkeit) {
    const ScheibenFall faelle[] = {
        {-146, HELLSTE, -5, 4}, {0, HELLSTE, -5, 4}, {1, MAG_1, -4, 4},    {100, MAG_1, -4, 4},
        {101, MAG_2, -3, 3},    {200, MAG_2, -3, 3}, {201, MAG_3, -2, 2},  {300, MAG_3, -2, 2},
        {301, MAG_39, -2, 2},   {390, MAG_39, -2, 2}, {391, MAG_45, -1, 1}, {450, MAG_45, -1, 1},
        {451, MAG_5, -1, 0},    {500, MAG_5, -1, 0}, {501, MAG_55, -1, 0}, {550, MAG_55, -1, 0},
        {551, PUNKT, 0, 0},     {790, PUNKT, 0, 0},
    };
    for (const auto& f : faelle) {
        DIB bild;
        karte_mit_einem_stern(bild, f.helligkeit);
        EXPECT_EQ(bild_aus(f.form, R + f.links, R + f.oben), gezeichnet(bild))
            << "helligkeit " << f.helligkeit;
    }
}

struct IndexFall {
    int helligkeit;
    char spektrum;
    int index;
};

TEST(KarteGestirne, FarbindexNachKlasseUndHelligkeit) {
    const IndexFall faelle[] = {
        {-146, 'A', 30}, {549, 'K', 60}, {550, 'K', 60}, {649, 'K', 60}, {650, 'K', 61},
        {505, 'M', 70},  {300, 'O', 10}, {300, 'B', 20}, {300, 'F', 40}, {300, 'G', 50},
        {300, 'Q', 40},  {300, 'k', 40}, {300, '\0', 40}, {1549, 'K', 69},
        // Past the family's ten entries the faintest entry stays.
        {1550, 'K', 69}, {32767, 'M', 79},
    };
    for (const auto& f : faelle) {
        DIB bild;
        karte_mit_einem_stern(bild, f.helligkeit, f.spektrum);
        EXPECT_EQ(f.index, bild.pixel(R, R)) << f.spektrum << " " << f.helligkeit;
        EXPECT_EQ(gezeichnet(bild), pixel_mit(bild, f.index));
    }
}

struct LageFall {
    double rekt, dekl;
    int x, zeile;
};

// Chart of 90 degrees around 0 h, 0 degrees with r = 200: half the field of
// view reaches the edges, east to the left, north up; negative offsets are
// rounded one pixel toward the centre.
TEST(KarteGestirne, MassstabUndVersatz) {
    const LageFall faelle[] = {
        {0, 0, 200, 200}, {0, 45, 200, 400}, {0, -45, 200, 1}, {21, 0, 400, 200},
        {3, 0, 1, 200},   {1, 0, 134, 200},  {23, 0, 267, 200}, {0, 15, 200, 267},
    };
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, f.rekt, f.dekl, 600, 'G'}}));
        DIB bild;
        leinwand(bild, 402);
        Schriften s;
        karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 200, 0, 99);
        EXPECT_EQ(Punkte({{f.x, f.zeile}}), gezeichnet(bild)) << f.rekt << "h " << f.dekl;
    }
}

// The chart draws every star within the whole field of view, its disc
// clipped by the canvas, and nothing behind the hemisphere.
TEST(KarteGestirne, SichtbarBisZumGesichtsfeld) {
    struct Fall {
        double gesichtsfeld, dekl;
        bool sichtbar;
    };
    const Fall faelle[] = {{40, 36, true}, {40, 39.9, true}, {40, 40.1, false}, {40, -41, false},
                           {200, 80, true}, {200, 89.9, true}, {200, 90.5, false}};
    for (const auto& f : faelle) {
        Himmel himmel;
        // Declinations past 90 are stars beyond the pole, at 12 h.
        const double rekt = f.dekl > 90 ? 12.0 : 0.0, dekl = f.dekl > 90 ? 180 - f.dekl : f.dekl;
        ASSERT_TRUE(himmel_laden(himmel, {{1, rekt, dekl, 600, 'G'}}));
        himmel.setze_gesichtsfeld(f.gesichtsfeld);
        DIB bild;
        // Origin (100, 100): the chart square of r = 50 in the middle, with
        // room around it to see what falls outside.
        bild.erzeugen(300, 300, 8, 100, 100);
        bild.fuellen(0);
        Schriften s;
        karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 50, 0, 99);
        EXPECT_EQ(f.sichtbar ? 1u : 0u, gezeichnet(bild).size())
            << "field " << f.gesichtsfeld << ", star at " << f.dekl;
    }
}

TEST(KarteGestirne, KlassenbereichWirdBegrenzt) {
    Himmel himmel;
    // Classes 0 (a disc of 71 pixels at the centre), 99 and 80.
    ASSERT_TRUE(
        himmel_laden(himmel, {{1, 0, 0, -300, 'G'}, {2, 0, 30, 900, 'G'}, {3, 0, -30, 600, 'G'}}));
    DIB bild;
    leinwand(bild, 42);
    Schriften s;
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 20, 60, 120);
    EXPECT_EQ(Punkte({{20, 33}, {20, 8}}), gezeichnet(bild));
    EXPECT_EQ(53, bild.pixel(20, 33));
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 20, -3, 120);
    EXPECT_EQ(50, bild.pixel(20, 20));
    EXPECT_EQ(2u + 71u, gezeichnet(bild).size());
}

// Positions are computed once per drawing: a stored position is used as it
// stands until the flags are cleared.
TEST(KarteGestirne, PositionEinmalJeZeichnung) {
    Himmel himmel;
    ASSERT_TRUE(himmel_laden(himmel, {{7, 0, 10, 600, 'G'}}));
    DIB bild;
    leinwand(bild, 42);
    Schriften s;
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 20, 0, 99);
    EXPECT_EQ(1, himmel.berechnet[7]);
    const auto [k, i] = referenz(himmel, 7);
    himmel.polar[k][i] = PolarPos{0.0f, 0.0f};
    bild.fuellen(0);
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 20, 0, 99);
    EXPECT_EQ(Punkte({{20, 20}}), gezeichnet(bild)) << "the stored position";
    memset(himmel.berechnet, 0, sizeof himmel.berechnet);
    bild.fuellen(0);
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 20, 0, 99);
    EXPECT_EQ(Punkte({{20, 24}}), gezeichnet(bild)) << "computed afresh";
}

// A star number that cannot index the flags (the loader keeps such records
// out, but the members are open) is placed all the same, and no flag is touched.
TEST(KarteGestirne, UngueltigeSternnummer) {
    Himmel himmel;
    ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 10, 600, 'G'}, {2, 0, -10, 600, 'G'}}));
    const auto [k1, i1] = referenz(himmel, 1);
    const auto [k2, i2] = referenz(himmel, 2);
    himmel.stern_saetze[k1][i1].nummer = -5;
    himmel.stern_saetze[k2][i2].nummer = 12000;
    DIB bild;
    leinwand(bild, 42);
    Schriften s;
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 20, 0, 99);
    EXPECT_EQ(Punkte({{20, 24}, {20, 17}}), gezeichnet(bild));
    for (uint8_t b : himmel.berechnet) ASSERT_EQ(0, b);
}

TEST(KarteGestirne, KaptionObenUndUnten) {
    Himmel himmel;
    ASSERT_TRUE(himmel_laden(himmel, {}));
    Schriften s;
    DIB bild, erwartet;
    leinwand(bild, 202);
    leinwand(erwartet, 202);
    for (DIB* b : {&bild, &erwartet}) b->farbe_setzen(254, RGB(255, 128, 64));
    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 100, 0, 99);
    EXPECT_TRUE(gezeichnet(bild).empty()) << "no caption while it is empty";

    karte_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 100, 0, 99, "Bildschirmschoner");

    SelectObject(erwartet.dc, s.text.handle());
    SetTextColor(erwartet.dc, RGB(255, 128, 64));
    SetTextAlign(erwartet.dc, TA_TOP | TA_CENTER);
    TextOutA(erwartet.dc, 100, 0, "Bildschirmschoner", 17);
    SetTextAlign(erwartet.dc, TA_BOTTOM | TA_CENTER);
    TextOutA(erwartet.dc, 100, 200, "Bildschirmschoner", 17);
    const Punkte kaption = pixel_mit(bild, 254);
    EXPECT_GT(kaption.size(), 40u);
    EXPECT_EQ(pixel_mit(erwartet, 254), kaption);
    EXPECT_EQ(gezeichnet(erwartet), gezeichnet(bild));
    EXPECT_EQ(static_cast<UINT>(TA_BOTTOM | TA_CENTER), GetTextAlign(bild.dc));
}

// The overview shows the stars at the ends of the figure lines, once each.
TEST(UebersichtGestirne, NurFigurSterne) {
    Himmel himmel;
    ASSERT_TRUE(himmel_laden(himmel,
                             {{1, 0, 0, -146, 'A'}, {2, 0, 45, 650, 'K'}, {3, 3, 0, 100, 'B'},
                              {4, 12, 0, 100, 'B'}, {5, 22, 0, 200, 'M'}, {6, 21, 0, 400, 'G'}},
                             {{"Tst", "Testum", 0, 0, {{1, 2}, {2, 4}, {6, 1}, {1, 6}}}}));
    DIB bild;
    leinwand(bild, 402);
    Schriften s;
    uebersicht_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 200, 0, 59);
    Punkte erwartet = bild_aus({".XX.", "XXXX", ".XX."}, 198, 201);  // star 1
    for (const auto& p : pixel_mit(bild, 30)) EXPECT_TRUE(erwartet.count(p));
    EXPECT_EQ(erwartet, pixel_mit(bild, 30));
    // Star 2: 45 degrees north, a quarter of the way out: trunc(60 + 1.5) = 61.
    EXPECT_EQ(Punkte({{200, 300}}), pixel_mit(bild, 61));
    // Star 6 (magnitude 4.00, 3 h west = 45 degrees): the run x-1..x.
    EXPECT_EQ(Punkte({{299, 200}, {300, 200}}), pixel_mit(bild, 50));
    // Star 3 belongs to no line, star 4 lies behind the hemisphere, star 5 to no line.
    EXPECT_EQ(erwartet.size() + 3, gezeichnet(bild).size());
    EXPECT_EQ(0, himmel.berechnet[3]);
    EXPECT_EQ(0, himmel.berechnet[5]);
    EXPECT_EQ(1, himmel.berechnet[4]);
}

TEST(UebersichtGestirne, ScheibenUndFarbstufen) {
    struct Fall {
        int helligkeit;
        char spektrum;
        std::vector<std::string> form;
        int links, oben, index;
    };
    const Fall faelle[] = {
        {-146, 'A', {".XX.", "XXXX", ".XX."}, -2, 1, 30},
        {100, 'A', {".XX.", "XXXX", ".XX."}, -2, 1, 30},
        {101, 'A', {".X.", "XXX", ".X."}, -1, 1, 30},
        {350, 'A', {".X.", "XXX", ".X."}, -1, 1, 30},
        {351, 'A', {"XX"}, -1, 0, 30},
        {500, 'A', {"XX"}, -1, 0, 30},
        {501, 'M', {"X"}, 0, 0, 70},
        {650, 'K', {"X"}, 0, 0, 61},
        {1499, 'K', {"X"}, 0, 0, 69},
        {1500, 'K', {"X"}, 0, 0, 69},
        {32767, 'O', {"X"}, 0, 0, 19},
    };
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 0, f.helligkeit, f.spektrum}},
                                 {{"Tst", "Testum", 0, 0, {{1, 1}}}}));
        DIB bild;
        leinwand(bild, 42);
        Schriften s;
        uebersicht_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 20, 0, 99);
        EXPECT_EQ(bild_aus(f.form, 20 + f.links, 20 + f.oben), pixel_mit(bild, f.index))
            << f.spektrum << " " << f.helligkeit;
        EXPECT_EQ(gezeichnet(bild), pixel_mit(bild, f.index));
    }
}

// On the overview a quarter turn falls on the circle of radius r.
TEST(UebersichtGestirne, Massstab) {
    const LageFall faelle[] = {
        {0, 45, 200, 300}, {3, 0, 101, 200}, {0, -89, 200, 3}, {19, 0, 367, 200}};
    for (const auto& f : faelle) {
        Himmel himmel;
        ASSERT_TRUE(
            himmel_laden(himmel, {{1, f.rekt, f.dekl, 600, 'G'}}, {{"Tst", "T", 0, 0, {{1, 1}}}}));
        DIB bild;
        leinwand(bild, 402);
        Schriften s;
        uebersicht_gestirne(himmel, bild.dc, &bild, s.text, s.symbol, 200, 0, 99);
        EXPECT_EQ(Punkte({{f.x, f.zeile}}), gezeichnet(bild)) << f.rekt << "h " << f.dekl;
    }
}

}  // namespace
