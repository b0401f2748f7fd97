// The hover popup: where it opens, which timer each mouse move starts, the
// timers and the popup window, its lines for stars and constellations, and
// the click on a constellation label.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "aufzeichnung.h"
#include "gestirne.h"
#include "karten_umgebung.h"
#include "zeigen/info_anzeige.h"

namespace {

constexpr Kartenbereich FLAECHE{400, 300, 250, 10};  // r = 200

TEST(InfoLage, BesideTheMouseTowardThePaneCentre) {
    struct Fall {
        int32_t art, x, y;
        Info_Lage lage;
    };
    const Fall faelle[] = {
        // Star: 170 x 122, 15 pixels right/below, or 185 left / 137 above.
        {INFO_STERN, 10, 10, {10 + 250 + 15, 10 + 10 + 15, 170, 122}},
        {INFO_STERN, 300, 10, {300 + 250 - 185, 10 + 10 + 15, 170, 122}},
        {INFO_STERN, 10, 200, {10 + 250 + 15, 200 + 10 - 137, 170, 122}},
        {INFO_STERN, 300, 200, {300 + 250 - 185, 200 + 10 - 137, 170, 122}},
        // The halves: x < 200 and y < 150 count as left and top.
        {INFO_STERN, 199, 149, {199 + 250 + 15, 149 + 10 + 15, 170, 122}},
        {INFO_STERN, 200, 150, {200 + 250 - 185, 150 + 10 - 137, 170, 122}},
        // Constellation: 160 x 62, 15 pixels right/below, or 175 left / 77 above.
        {INFO_STERNBILD, 10, 10, {10 + 250 + 15, 10 + 10 + 15, 160, 62}},
        {INFO_STERNBILD, 300, 200, {300 + 250 - 175, 200 + 10 - 77, 160, 62}},
    };
    for (const Fall& f : faelle) {
        const Info_Lage l = info_lage(f.art, f.x, f.y, FLAECHE);
        EXPECT_EQ(f.lage.x, l.x) << f.art << " at " << f.x << "," << f.y;
        EXPECT_EQ(f.lage.y, l.y) << f.art << " at " << f.x << "," << f.y;
        EXPECT_EQ(f.lage.breite, l.breite);
        EXPECT_EQ(f.lage.hoehe, l.hoehe);
    }
}

// Hit tests that answer what the test sets and note where they were asked.
class Feste_Treffer : public Treffer {
public:
    int32_t stern(int32_t x, int32_t y, int32_t r) override {
        stern_fragen.push_back({x, y, r});
        return stern_antwort;
    }
    int32_t koerper(int32_t, int32_t, int32_t) override { return koerper_antwort; }
    int32_t sternbild(int32_t x, int32_t y, int32_t r) override {
        sternbild_fragen.push_back({x, y, r});
        return sternbild_antwort;
    }
    struct Frage {
        int32_t x, y, r;
    };
    std::vector<Frage> stern_fragen, sternbild_fragen;
    int32_t stern_antwort = -1;
    int32_t koerper_antwort = -1;
    int32_t sternbild_antwort = -1;
};

TEST(KarteMaus, AsksTheHitTestsBesideTheMouse) {
    Info_Anzeige anzeige;
    Feste_Treffer t;
    t.stern_antwort = 12;
    anzeige.maus_bewegt(50, 60, FLAECHE, t);
    ASSERT_EQ(1u, t.stern_fragen.size());
    EXPECT_EQ(50, t.stern_fragen[0].x);
    EXPECT_EQ(58, t.stern_fragen[0].y);
    EXPECT_EQ(200, t.stern_fragen[0].r);
    EXPECT_TRUE(t.sternbild_fragen.empty()) << "a star is found first";
    t.stern_antwort = -1;
    anzeige.maus_bewegt(50, 60, FLAECHE, t);
    ASSERT_EQ(1u, t.sternbild_fragen.size());
    EXPECT_EQ(48, t.sternbild_fragen[0].x);
    EXPECT_EQ(60, t.sternbild_fragen[0].y);
    EXPECT_EQ(200, t.sternbild_fragen[0].r);
}

// One walk of the mouse over the chart: what each move finds and what the
// main window must do then.
TEST(KarteMaus, ShowsOncePerObjectAndHidesWhenLeft) {
    struct Schritt {
        const char* was;
        int32_t stern, koerper, sternbild;
        Zeiger zeiger;
        Zeitgeber zeitgeber;
        int32_t art;  // of the next popup, after the step
    };
    const Schritt weg[] = {
        {"empty sky at start", -1, -1, -1, Zeiger::BLEIBT, Zeitgeber::BLEIBT, INFO_STERN},
        {"onto star 7", 7, -1, -1, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_STERN},
        {"resting on star 7", 7, -1, -1, Zeiger::STERN, Zeitgeber::BLEIBT, INFO_STERN},
        {"straight onto star 8 restarts the delay", 8, -1, -1, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_STERN},
        {"off all objects", -1, -1, -1, Zeiger::BLEIBT, Zeitgeber::VERBERGEN, INFO_STERN},
        {"still off", -1, -1, -1, Zeiger::BLEIBT, Zeitgeber::BLEIBT, INFO_STERN},
        {"the first constellation of the list", -1, -1, 0, Zeiger::STERNBILD, Zeitgeber::ZEIGEN, INFO_STERNBILD},
        {"resting on it", -1, -1, 0, Zeiger::STERNBILD, Zeitgeber::BLEIBT, INFO_STERNBILD},
        {"straight onto another constellation", -1, -1, 3, Zeiger::STERNBILD, Zeitgeber::ZEIGEN, INFO_STERNBILD},
        {"from the label onto a star", 8, -1, -1, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_STERN},
        {"from the star onto the label", -1, -1, 3, Zeiger::STERNBILD, Zeitgeber::ZEIGEN, INFO_STERNBILD},
        {"off the label", -1, -1, -1, Zeiger::BLEIBT, Zeitgeber::VERBERGEN, INFO_STERNBILD},
        {"back onto star 8 after leaving it", 8, -1, -1, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_STERN},
        {"onto the Moon", -1, MOND, -1, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_KOERPER},
        {"resting on the Moon", -1, MOND, -1, Zeiger::STERN, Zeitgeber::BLEIBT, INFO_KOERPER},
        {"a star on the Moon's disc wins", 9, MOND, -1, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_STERN},
        {"off the star, still on the Moon", -1, MOND, -1, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_KOERPER},
        {"from the Moon onto a label", -1, -1, 3, Zeiger::STERNBILD, Zeitgeber::ZEIGEN, INFO_STERNBILD},
        {"Jupiter over the label wins", -1, JUPITER, 3, Zeiger::STERN, Zeitgeber::ZEIGEN, INFO_KOERPER},
        {"off everything", -1, -1, -1, Zeiger::BLEIBT, Zeitgeber::VERBERGEN, INFO_KOERPER},
    };
    Info_Anzeige anzeige;
    Feste_Treffer t;
    for (const Schritt& s : weg) {
        t.stern_antwort = s.stern;
        t.koerper_antwort = s.koerper;
        t.sternbild_antwort = s.sternbild;
        const Maus_Folge f = anzeige.maus_bewegt(10, 10, FLAECHE, t);
        EXPECT_EQ(s.zeiger, f.zeiger) << s.was;
        EXPECT_EQ(s.zeitgeber, f.zeitgeber) << s.was;
        EXPECT_EQ(s.art, anzeige.art()) << s.was;
    }
}

TEST(KarteMaus, NextPopupTakesThePlaceOfTheMoveThatFoundIt) {
    Info_Anzeige anzeige;
    Feste_Treffer t;
    t.stern_antwort = 7;
    anzeige.maus_bewegt(300, 200, FLAECHE, t);
    EXPECT_EQ(300 + 250 - 185, anzeige.lage().x);
    EXPECT_EQ(200 + 10 - 137, anzeige.lage().y);
    // Moving within the same star keeps the place of the first move.
    anzeige.maus_bewegt(301, 201, FLAECHE, t);
    EXPECT_EQ(300 + 250 - 185, anzeige.lage().x);
    t.stern_antwort = -1;
    t.sternbild_antwort = 2;
    anzeige.maus_bewegt(20, 30, FLAECHE, t);
    EXPECT_EQ(20 + 250 + 15, anzeige.lage().x);
    EXPECT_EQ(30 + 10 + 15, anzeige.lage().y);
    EXPECT_EQ(160, anzeige.lage().breite);
    EXPECT_EQ(62, anzeige.lage().hoehe);
}

}  // namespace
