// The printer operations, checked on a recording drawing context: pens,
// brushes, circles and lines, and that every object made is released and the
// previous ones selected again.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "aufzeichnung.h"
#include "figuren.h"
#include "gestirne.h"
#include "gitter.h"
#include "himmel_fixture.h"

namespace {

constexpr int R = 200;  // chart of 90 degrees around 0 h, 0 degrees
constexpr COLORREF RAND = 0x00123456;
constexpr DWORD VORRAT = 0x80000000;  // ENHMETA_STOCK_OBJECT: the context's original objects

struct Schriften {
    Font text{"Arial", 40};
    Font symbol{"Symbol", 40};
};

bool ist_vorrat(DWORD ih) { return (ih & VORRAT) != 0; }

// The rectangle of an ellipse as passed to Ellipse.
std::array<LONG, 4> ecken(const Ereignis* e) {
    const RECT& r = e->rechteck;
    return {r.left, r.top, r.right, r.bottom};
}
using Ecken = std::array<LONG, 4>;

// After the operation the context holds its original pen and brush again.
void aufgeraeumt(const Aufzeichnung& a) {
    EXPECT_TRUE(a.nicht_geloescht().empty());
    ASSERT_GE(a.gewaehlt.size(), 2u);
    EXPECT_TRUE(ist_vorrat(a.gewaehlt[a.gewaehlt.size() - 1]));
    EXPECT_TRUE(ist_vorrat(a.gewaehlt[a.gewaehlt.size() - 2]));
}

class Druck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(himmel_laden(himmel,
                                 {{1, 0, 0, -146, 'A'},
                                  {2, 0, 22.5, 600, 'Q'},
                                  {3, 22.5, 0, 300, 'M'},
                                  {4, 0, -65, 100, 'B'},  // beyond 0.712 of the field of view
                                  {5, 12, 0, 100, 'B'}},  // behind the hemisphere
                                 {{"Tst", "Testum", 0, 0, {{2, 3}, {3, 5}, {5, 1}}}}));
    }
    Aufzeichnung gestirne(int einfarbig, int invertiert) {
        return aufzeichnen([&](HDC dc) {
            druck_gestirne(himmel, dc, s.text, s.symbol, R, einfarbig, invertiert, RAND);
        });
    }
    Himmel himmel;
    Schriften s;
};

TEST_F(Druck, SterneInIhrenFarben) {
    const Aufzeichnung a = gestirne(0, 0);
    ASSERT_EQ(1u, a.stifte.size());
    EXPECT_EQ(static_cast<UINT>(PS_SOLID), a.stifte[0].stil);
    EXPECT_EQ(0, a.stifte[0].breite);
    EXPECT_EQ(RAND, a.stifte[0].farbe);
    // The white brush, then one per star in catalogue order (brightest first).
    ASSERT_EQ(4u, a.pinsel.size());
    EXPECT_EQ(RGB(255, 255, 255), a.pinsel[0].farbe);
    EXPECT_EQ(RGB(160, 208, 255), a.pinsel[1].farbe);
    EXPECT_EQ(RGB(255, 144, 144), a.pinsel[2].farbe);
    EXPECT_EQ(RGB(127, 127, 127), a.pinsel[3].farbe) << "unknown class: grey";
    const auto ellipsen = a.alle(Ereignis::ELLIPSE);
    ASSERT_EQ(3u, ellipsen.size());
    EXPECT_EQ(Ecken({184, 184, 217, 217}), ecken(ellipsen[0]));  // e = 16 around (200, 200)
    EXPECT_EQ(Ecken({290, 190, 311, 211}), ecken(ellipsen[1]));  // e = 10 around (300, 200)
    EXPECT_EQ(Ecken({198, 98, 203, 103}), ecken(ellipsen[2]));   // e = 2 around (200, 100)
    aufgeraeumt(a);
}

TEST_F(Druck, EinfarbigUndInvertiert) {
    struct Fall {
        int einfarbig, invertiert;
        COLORREF rand, fuellung;
    };
    for (const auto& f :
         {Fall{1, 0, RAND, RGB(255, 255, 255)}, Fall{1, 1, RGB(255, 255, 255), RGB(0, 0, 0)}}) {
        const Aufzeichnung a = gestirne(f.einfarbig, f.invertiert);
        ASSERT_EQ(1u, a.stifte.size());
        EXPECT_EQ(f.rand, a.stifte[0].farbe);
        ASSERT_EQ(1u, a.pinsel.size()) << "no brush per star";
        EXPECT_EQ(f.fuellung, a.pinsel[0].farbe);
        EXPECT_EQ(3u, a.alle(Ereignis::ELLIPSE).size());
        aufgeraeumt(a);
    }
}

TEST(DruckGestirne, KreisgroesseNachHelligkeit) {
    const std::pair<int, int> faelle[] = {{-146, 16}, {0, 16}, {1, 14},   {100, 14}, {101, 12},
                                          {200, 12},  {201, 10}, {300, 10}, {301, 8}, {390, 8},
                                          {391, 6},   {450, 6},  {451, 4},  {500, 4}, {501, 3},
                                          {550, 3},   {551, 2},  {790, 2}};
    for (auto [helligkeit, e] : faelle) {
        Himmel himmel;
        ASSERT_TRUE(himmel_laden(himmel, {{1, 0, 0, helligkeit, 'G'}}));
        Schriften s;
        const Aufzeichnung a =
            aufzeichnen([&](HDC dc) { druck_gestirne(himmel, dc, s.text, s.symbol, R, 0, 0, RAND); });
        const auto ellipsen = a.alle(Ereignis::ELLIPSE);
        ASSERT_EQ(1u, ellipsen.size());
        EXPECT_EQ(Ecken({R - e, R - e, R + e + 1, R + e + 1}), ecken(ellipsen[0])) << helligkeit;
    }
}

TEST_F(Druck, FigurenMitBreitemStift) {
    const Aufzeichnung a =
        aufzeichnen([&](HDC dc) { druck_figuren(himmel, dc, s.text, s.symbol, R, 0x00ABCDEF); });
    ASSERT_EQ(1u, a.stifte.size());
    EXPECT_EQ(2, a.stifte[0].breite);
    EXPECT_EQ(0x00ABCDEFu, a.stifte[0].farbe);
    // Only the line between stars 2 and 3; the others end behind the hemisphere.
    const auto striche = a.alle(Ereignis::LINIE);
    ASSERT_EQ(1u, striche.size());
    EXPECT_EQ(200, striche[0]->a.x);
    EXPECT_EQ(100, striche[0]->a.y);
    EXPECT_EQ(300, striche[0]->b.x);
    EXPECT_EQ(200, striche[0]->b.y);
    EXPECT_TRUE(a.nicht_geloescht().empty());
    EXPECT_TRUE(ist_vorrat(a.gewaehlt.back()));
}

TEST(DruckGitter, StiftLinienUndBeschriftung) {
    Himmel himmel;
    Schriften s;
    const Aufzeichnung a =
        aufzeichnen([&](HDC dc) { druck_gitter(himmel, dc, s.text, s.symbol, R, 0x00405060); });
    ASSERT_EQ(1u, a.stifte.size());
    EXPECT_EQ(0, a.stifte[0].breite);
    EXPECT_EQ(0x00405060u, a.stifte[0].farbe);
    EXPECT_TRUE(a.nicht_geloescht().empty());
    EXPECT_GT(a.alle(Ereignis::LINIE).size(), 1000u);
    // Label points of 0, 3, 6, 18 and 21 h lie within the hemisphere (9 h to
    // 15 h behind it), each at five declinations.
    int stunden = 0, grade = 0;
    for (const Ereignis* t : a.alle(Ereignis::TEXT)) {
        EXPECT_EQ(0x00405060u, t->text_farbe);
        if (t->text.back() == 'h') ++stunden;
        if (t->text.back() == '\xB0') ++grade;
    }
    EXPECT_EQ(25, stunden);
    EXPECT_EQ(25, grade);
    const auto null_h = a.texte_mit("0h");
    ASSERT_EQ(5u, null_h.size());
    // Labels of the point (0 h, 0 degrees) at the centre: its hour below it,
    // its degrees to the right.
    const auto mitte = std::find_if(null_h.begin(), null_h.end(), [](const Ereignis* t) {
        return t->a.x == R && t->a.y == R + 5;
    });
    ASSERT_NE(null_h.end(), mitte);
    EXPECT_EQ(static_cast<UINT>(TA_TOP | TA_CENTER), (*mitte)->ausrichtung);
    const auto null_grad = a.texte_mit("0\xB0");
    ASSERT_EQ(5u, null_grad.size());
    const auto rechts = std::find_if(
        null_grad.begin(), null_grad.end(),
        [](const Ereignis* t) { return t->a.x == R + 5 && t->a.y == R + 2; });
    ASSERT_NE(null_grad.end(), rechts);
    EXPECT_EQ(static_cast<UINT>(TA_BASELINE | TA_LEFT), (*rechts)->ausrichtung);
    EXPECT_EQ(5u, a.texte_mit("-60\xB0").size());
}

// The printed meridians all stop 10 degrees short of the poles.
TEST(DruckGitter, MeridianeEndenVorDemPol) {
    Himmel himmel;
    himmel.setze_mitte(0, 89.99);
    himmel.setze_gesichtsfeld(60);
    Schriften s;
    const Aufzeichnung a = aufzeichnen([&](HDC dc) { druck_gitter(himmel, dc, s.text, s.symbol, R, 0); });
    const auto striche = a.alle(Ereignis::LINIE);
    ASSERT_FALSE(striche.empty());
    double naechster = 1e9;
    for (const Ereignis* s : striche) {
        const POINT p = s->a, q = s->b;
        if (p.x == q.x && p.y == q.y) continue;  // the circle at +90 degrees, collapsed to the pole
        for (const POINT& e : {p, q}) naechster = std::min(naechster, std::hypot(e.x - R, e.y - R));
    }
    // 10 degrees of a 60-degree field are 66.7 pixels at r = 200; negative
    // offsets are rounded one pixel toward the centre.
    EXPECT_GE(naechster, 64.5);
    EXPECT_LE(naechster, 67.0);
}

}  // namespace
