// The popup's lines for stars of the shipped catalogue and a constellation,
// read back from a recording drawing context; on a screen of more dots per
// inch the same lines, their places and fonts scaled.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "aufzeichnung.h"
#include "karten_umgebung.h"
#include "zeigen/info_zeichnen.h"

namespace {

constexpr RECT STERN_FLAECHE{0, 0, 170, 122};

// A text as drawn: where, and in which font.
struct Stueck {
    std::string text;
    LONG x, y;
    std::string schrift;
    LONG hoehe;
};

bool operator==(const Stueck& a, const Stueck& b) {
    return a.text == b.text && a.x == b.x && a.y == b.y && a.schrift == b.schrift && a.hoehe == b.hoehe;
}
std::ostream& operator<<(std::ostream& o, const Stueck& s) {
    return o << "'" << s.text << "' at " << s.x << "," << s.y << " in " << s.schrift << " " << s.hoehe;
}

class InfoZeichnen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        himmel = new Himmel;
        ASSERT_TRUE(katalog_laden(*himmel));
    }
    static void TearDownTestSuite() {
        delete himmel;
        himmel = nullptr;
    }

    // The non-empty texts of the popup for art.
    std::vector<Stueck> zeichnen(int32_t art, const RECT& flaeche = STERN_FLAECHE, int32_t dpi = DPI_NORMAL) {
        const Aufzeichnung a = aufzeichnen(
            [&](HDC dc) { info_zeichnen(dc, flaeche, art, *himmel, s.schriften(), Koerperzeilen{}, dpi); });
        std::vector<Stueck> stuecke;
        for (const Ereignis* e : a.alle(Ereignis::TEXT))
            if (!e->text.empty()) stuecke.push_back({e->text, e->a.x, e->a.y, e->schrift, e->schrift_hoehe});
        hintergrund.clear();
        for (const Ereignis* e : a.alle(Ereignis::FUELLUNG)) hintergrund.push_back(*e);
        return stuecke;
    }
    // Where the text after the Greek letter starts: the letter stands at the
    // first tab stop (2 + 55), the text follows right after it.
    LONG nach_buchstabe(const char* buchstabe) {
        Font symbol16("Symbol", 14);
        symbol16.setze_hoehe(16, 0);
        const LONG t = symbol16.textbreite(buchstabe) + 2;
        return t + 55;
    }

    static Himmel* himmel;
    Testschriften s;
    std::vector<Ereignis> hintergrund;
};
Himmel* InfoZeichnen::himmel = nullptr;

TEST_F(InfoZeichnen, GreekLetterStarWithProperName) {
    ASSERT_TRUE(stern_waehlen(*himmel, 2061));  // " 58Alp Ori", Beteigeuze (Betelgeuse)
    const std::vector<Stueck> erwartet = {
        {"Bez.", 2, 2, "Arial", 16},
        {"a", 57, 2, "Symbol", 16},  // alpha
        {" Ori", nach_buchstabe("a"), 2, "Arial", 16},
        {"Name", 2, 22, "Arial", 16},
        {"Beteigeuze", 57, 22, "Arial", 16},
        {"Rekt.", 2, 42, "Arial", 16},
        {"+05h", 57, 42, "Arial", 16},
        {"55'", 97, 42, "Arial", 16},
        {"10,3''", 125, 42, "Arial", 16},
        {"Dekl.", 2, 62, "Arial", 16},
        {"+07\xB0", 57, 62, "Arial", 16},
        {"24'", 97, 62, "Arial", 16},
        {"25''", 125, 62, "Arial", 16},
        {"mag", 2, 82, "Arial", 16},
        {"+0,50", 57, 82, "Arial", 16},
        {"Spektr.", 2, 102, "Arial", 16},
        {"M", 57, 102, "Arial", 16},
    };
    EXPECT_EQ(erwartet, zeichnen(INFO_STERN));
    ASSERT_EQ(1u, hintergrund.size());
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), hintergrund[0].pinsel);
    EXPECT_EQ(170, hintergrund[0].rechteck.right);
    EXPECT_EQ(122, hintergrund[0].rechteck.bottom);
}

TEST_F(InfoZeichnen, DesignationLines) {
    struct Fall {
        int nummer;
        std::vector<Stueck> zeile;  // the texts at y = 2
    };
    const Fall faelle[] = {
        // Flamsteed number only, no proper name.
        {33, {{"Bez.", 2, 2, "Arial", 16}, {"6 Cet", 57, 2, "Arial", 16}}},
        // A Greek letter with its index.
        {24, {{"Bez.", 2, 2, "Arial", 16}, {"k", 57, 2, "Symbol", 16}, {"1 Scl", nach_buchstabe("k"), 2, "Arial", 16}}},
        // theta, whose Symbol character is upper case.
        {1897, {{"Bez.", 2, 2, "Arial", 16}, {"J", 57, 2, "Symbol", 16}, {"2 Ori", nach_buchstabe("J"), 2, "Arial", 16}}},
        // No designation at all: the line stays empty.
        {1, {}},
    };
    for (const Fall& f : faelle) {
        ASSERT_TRUE(stern_waehlen(*himmel, f.nummer));
        std::vector<Stueck> zeile;
        bool name = false;
        for (const Stueck& t : zeichnen(INFO_STERN)) {
            if (t.y == 2) zeile.push_back(t);
            if (t.y == 22) name = true;
        }
        EXPECT_EQ(f.zeile, zeile) << "star " << f.nummer;
        EXPECT_FALSE(name) << "star " << f.nummer << " has no proper name";
    }
}

// The sign of a southern declination stays with its degrees: only blanks
// from the 11th character of the line on become tabs.
TEST_F(InfoZeichnen, SouthernDeclination) {
    ASSERT_TRUE(stern_waehlen(*himmel, 1713));  // Rigel
    std::vector<Stueck> zeile;
    for (const Stueck& t : zeichnen(INFO_STERN))
        if (t.y == 62) zeile.push_back(t);
    const std::vector<Stueck> erwartet = {
        {"Dekl.", 2, 62, "Arial", 16},
        {"- 08\xB0", 57, 62, "Arial", 16},
        {"12'", 97, 62, "Arial", 16},
        {"06''", 125, 62, "Arial", 16},
    };
    EXPECT_EQ(erwartet, zeile);
}

TEST_F(InfoZeichnen, ConstellationLines) {
    himmel->wahl_sternbild = sternbild_index(*himmel, "Ori");
    ASSERT_GE(himmel->wahl_sternbild, 0);
    const std::string deutsch = himmel->sternbild_text(3);
    ASSERT_FALSE(deutsch.empty());
    const std::vector<Stueck> erwartet = {
        {"Ori", 2, 2, "Arial", 16},
        {"Orion", 2, 22, "Arial", 16},
        {deutsch, 2, 42, "Arial", 16},
    };
    EXPECT_EQ(erwartet, zeichnen(INFO_STERNBILD, {0, 0, 160, 62}));
}

TEST_F(InfoZeichnen, ScaledWithTheDpi) {
    ASSERT_TRUE(stern_waehlen(*himmel, 2061));  // Betelgeuse: every line, a Greek letter
    const std::vector<Stueck> normal = zeichnen(INFO_STERN);
    for (int32_t dpi : {120, 144, 192}) {
        const RECT flaeche{0, 0, skaliert(170, dpi), skaliert(122, dpi)};
        const std::vector<Stueck> gross = zeichnen(INFO_STERN, flaeche, dpi);
        ASSERT_EQ(normal.size(), gross.size()) << dpi;
        for (size_t i = 0; i < normal.size(); ++i) {
            EXPECT_EQ(normal[i].text, gross[i].text) << dpi;
            EXPECT_EQ(normal[i].schrift, gross[i].schrift) << dpi;
            EXPECT_EQ(skaliert(16, dpi), gross[i].hoehe) << gross[i] << " at " << dpi;
            // The text after the Greek letter follows the letter's own width.
            const LONG toleranz = normal[i].text == " Ori" ? 3 : 1;
            EXPECT_NEAR(normal[i].x * dpi / 96.0, gross[i].x, toleranz) << gross[i] << " at " << dpi;
            EXPECT_NEAR(normal[i].y * dpi / 96.0, gross[i].y, 1) << gross[i] << " at " << dpi;
        }
        ASSERT_EQ(1u, hintergrund.size());
        EXPECT_EQ(flaeche.right, hintergrund[0].rechteck.right);
    }
    // The chart's fonts have their heights back.
    EXPECT_EQ(14, s.text.beschreibung().lfHeight);
    EXPECT_EQ(14, s.symbol.beschreibung().lfHeight);
}

TEST_F(InfoZeichnen, FontsHaveTheirHeightsBackAndAreDeselected) {
    ASSERT_TRUE(stern_waehlen(*himmel, 2061));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ vorher = GetCurrentObject(dc, OBJ_FONT);
    info_zeichnen(dc, STERN_FLAECHE, INFO_STERN, *himmel, s.schriften(), Koerperzeilen{});
    EXPECT_EQ(vorher, GetCurrentObject(dc, OBJ_FONT));
    EXPECT_EQ(OPAQUE, GetBkMode(dc));
    DeleteDC(dc);
    EXPECT_EQ(14, s.text.beschreibung().lfHeight);
    EXPECT_EQ(14, s.symbol.beschreibung().lfHeight);
    EXPECT_EQ(16, s.sternbild.beschreibung().lfHeight);
}

// The popups drawn onto bitmaps, for the eye.
TEST_F(InfoZeichnen, PopupsForTheEye) {
    if (bilder_ordner().empty()) GTEST_SKIP() << "VARNIS_BILDER not set";
    const std::pair<int, const char*> sterne[] = {{2061, "info_betelgeuse.bmp"}, {24, "info_kappa1_scl.bmp"},
                                                  {1713, "info_rigel.bmp"}};
    for (const auto& [nummer, name] : sterne) {
        ASSERT_TRUE(stern_waehlen(*himmel, nummer));
        DIB bild;
        ASSERT_EQ(0, bild.erzeugen(170, 122, 24, 0, 0));
        info_zeichnen(bild.dc, STERN_FLAECHE, INFO_STERN, *himmel, s.schriften(), Koerperzeilen{});
        bild_ablegen(bild, name);
    }
    // Betelgeuse's at 192 dots per inch.
    ASSERT_TRUE(stern_waehlen(*himmel, 2061));
    DIB gross;
    ASSERT_EQ(0, gross.erzeugen(340, 244, 24, 0, 0));
    info_zeichnen(gross.dc, {0, 0, 340, 244}, INFO_STERN, *himmel, s.schriften(), Koerperzeilen{}, 192);
    bild_ablegen(gross, "info_betelgeuse_192dpi.bmp");
    himmel->wahl_sternbild = sternbild_index(*himmel, "Ori");
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(160, 62, 24, 0, 0));
    info_zeichnen(bild.dc, {0, 0, 160, 62}, INFO_STERNBILD, *himmel, s.schriften(), Koerperzeilen{});
    bild_ablegen(bild, "info_orion.bmp");
}

}  // namespace
