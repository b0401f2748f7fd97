#include <gtest/gtest.h>

#include <cstring>

#include "datei_befund.h"
#include "dateien.h"
#include "himmel.h"

namespace {
// Stars 10 (class 30, position 0), 20 (class 30, position 1), 30 (class 70).
void katalog(Himmel& h) {
    ASSERT_EQ(h.stern_datei_laden(
                  datei(sternliste({Stern(10, 100), Stern(20, 100), Stern(30, 500)}), ".sterne")
                      .c_str()),
              0);
}

void erwarte(const Linie& l, int ka, int ia, int kb, int ib) {
    EXPECT_EQ(l.klasse_a, ka);
    EXPECT_EQ(l.index_a, ia);
    EXPECT_EQ(l.klasse_b, kb);
    EXPECT_EQ(l.index_b, ib);
}
}  // namespace

TEST(SternbildDatei, MissingFileGivesMinusOne) {
    Himmel h;
    EXPECT_EQ(h.sternbild_datei_laden("gibt_es_nicht/STBILDER.DAT"), -1);
    EXPECT_EQ(h.sternbild_anzahl, 0);
    EXPECT_EQ(h.sternbilder, nullptr);
}

TEST(SternbildDatei, FieldsAndLabelPoint) {
    Himmel h;
    const std::string b = sternbild("Ori;Orion;J\x84ger;5.5;-5", {}) +
                          sternbild("UMa;Ursa Major;Gro\xe1\x65r B\x84r;12;0", {}) +
                          sternbild("Dra; ;Drache;17;90", {}) +        // blank name keeps its place
                          sternbild("Lyr;;Leier;18.5;15", {}) +         // left out: later fields shift
                          sternbild("Sagittarius;Sgr; ;x;", {});        // long abk, absent fields
    ASSERT_EQ(h.sternbild_datei_laden(datei(b).c_str()), 0);
    ASSERT_EQ(h.sternbild_anzahl, 5);
    const SternbildSatz* s = h.sternbilder;
    EXPECT_STREQ(s[0].abk, "Ori");
    EXPECT_STREQ(s[0].name, "Orion");
    EXPECT_STREQ(s[0].zweitname, "J\xe4ger");  // OEM 0x84 is the ANSI a-umlaut
    EXPECT_EQ(s[0].linien_anzahl, 0);
    EXPECT_EQ(s[0].hervorgehoben, 0);
    EXPECT_NEAR(s[0].ort.z, -0.0871557, 1e-6);
    EXPECT_STREQ(s[1].zweitname, "Gro\xdf\x65r B\xe4r");
    EXPECT_NEAR(s[1].ort.x, -1.0, 1e-6);
    EXPECT_NEAR(s[1].ort.y, 0.0, 1e-6);
    EXPECT_EQ(s[2].name, nullptr);
    EXPECT_STREQ(s[2].zweitname, "Drache");
    EXPECT_NEAR(s[2].ort.z, 1.0, 1e-6);
    EXPECT_STREQ(s[3].name, "Leier");
    EXPECT_STREQ(s[3].zweitname, "18.5");
    EXPECT_STREQ(s[4].abk, "Sag");
    EXPECT_EQ(s[4].zweitname, nullptr);
    EXPECT_NEAR(s[4].ort.x, 1.0, 1e-6);  // absent and unreadable numbers count as 0
}

TEST(SternbildDatei, FigureLinesResolveToStarReferences) {
    Himmel h;
    katalog(h);
    const std::string b = sternbild("Ori;Orion;Orion;5;0", {{10, 20}, {20, 30}, {30, 30}, {10, 99}}) +
                          sternbild("Tau;Taurus;Stier;4;15", {{30, 10}}, -3);
    ASSERT_EQ(h.sternbild_datei_laden(datei(b).c_str()), 0);
    ASSERT_EQ(h.sternbild_anzahl, 2);
    const SternbildSatz& ori = h.sternbilder[0];
    ASSERT_EQ(ori.linien_anzahl, 4);
    erwarte(ori.linien[0], 30, 0, 30, 1);
    erwarte(ori.linien[1], 30, 1, 70, 0);
    erwarte(ori.linien[2], 70, 0, 70, 0);  // A equal to B
    erwarte(ori.linien[3], 30, 0, -1, -1); // not in the catalogue
    ASSERT_EQ(h.sternbilder[1].linien_anzahl, 1);  // a negative number ends a figure too
    erwarte(h.sternbilder[1].linien[0], 70, 0, 30, 0);
}

TEST(SternbildDatei, DamagedFileLeavesNoConstellations) {
    // Each case replaces a loaded file: nothing of it, nor of the damaged
    // file, stays, and the caller learns what is wrong.
    const std::string gut = sternbild("Ori;Orion;Orion;5;0", {{10, 20}});
    const std::string tau = sternbild("Tau;Taurus;Stier;4;15", {{20, 30}});
    const struct { const char* fall; std::string bytes; int32_t ergebnis; } faelle[] = {
        {"empty", "", DATEI_LEER},
        {"name line only", "Ori;Orion;Orion;5;0\r\n", DATEI_ABGESCHNITTEN},
        {"cut inside a figure item", gut + tau.substr(0, tau.size() - 8), DATEI_ABGESCHNITTEN},
        {"no line end after the figure", gut + tau.substr(0, tau.size() - 2), DATEI_ABGESCHNITTEN},
        {"star number 10000", gut + sternbild("Tau;Taurus;Stier;4;15", {{10000, 10}}), DATEI_WERT_FALSCH},
        {"second number 0", sternbild("Tau;Taurus;Stier;4;15", {{10, 0}}), DATEI_WERT_FALSCH},
        {"second number negative", sternbild("Tau;Taurus;Stier;4;15", {{10, -32768}}), DATEI_WERT_FALSCH},
        {"label at 25 h", sternbild("Tau;Taurus;Stier;25;15", {}), DATEI_WERT_FALSCH},
        {"label at -91 degrees", sternbild("Tau;Taurus;Stier;4;-91", {}), DATEI_WERT_FALSCH},
        // The rest of a line beyond 98 bytes is read as figure items.
        {"name line too long", sternbild("Ori;" + std::string(120, 'x'), {{10, 20}}), DATEI_WERT_FALSCH},
        {"random bytes", zufall(4096, 7), 0},
    };
    for (const auto& f : faelle) {
        Himmel h;
        ASSERT_EQ(h.sternbild_datei_laden(datei(gut + tau, "gut.dat").c_str()), 0);
        h.wahl_sternbild = 1;
        const int32_t ergebnis = h.sternbild_datei_laden(datei(f.bytes).c_str());
        if (f.ergebnis != 0) {  // random bytes: whichever fault comes first
            EXPECT_EQ(ergebnis, f.ergebnis) << f.fall;
        }
        EXPECT_TRUE(datei_beschaedigt(ergebnis)) << f.fall << ": " << ergebnis;
        EXPECT_EQ(h.sternbild_anzahl, 0) << f.fall;
        EXPECT_EQ(h.sternbilder, nullptr) << f.fall;
        EXPECT_EQ(h.wahl_sternbild, -1) << f.fall;
    }
}

TEST(SternbildDatei, BeforeAnyStarFileEveryLineEndIsUnresolved) {
    Himmel h;
    ASSERT_EQ(h.sternbild_datei_laden(datei(sternbild("Ori;Orion;Orion;5;0", {{10, 20}})).c_str()), 0);
    ASSERT_EQ(h.sternbilder[0].linien_anzahl, 1);
    erwarte(h.sternbilder[0].linien[0], -1, -1, -1, -1);
}

TEST(SternbildDatei, OnlyAFileOfWholeEntriesLoads) {
    const std::string erster = sternbild("Ori;Orion;Orion;5;0", {{10, 20}});
    const std::string zweiter = sternbild("Tau;Taurus;Stier;4;15", {{20, 30}});
    const std::string b = erster + zweiter;
    for (size_t laenge = 1; laenge <= b.size(); ++laenge) {
        // A line end cut after its CR still counts as a line end.
        const bool eins = laenge + 1 == erster.size() || laenge == erster.size();
        const bool zwei = laenge + 1 >= b.size();
        Himmel h;
        EXPECT_EQ(h.sternbild_datei_laden(datei(b.substr(0, laenge)).c_str()),
                  eins || zwei ? 0 : DATEI_ABGESCHNITTEN) << laenge;
        EXPECT_EQ(h.sternbild_anzahl, eins ? 1 : zwei ? 2 : 0) << laenge;
    }
}

TEST(SternbildDatei, AtMostNinetyEntries) {
    std::string b;
    for (int i = 0; i < 95; ++i) b += sternbild("C" + std::to_string(i) + ";Name;Zweit;1;2", {{1, 2}});
    Himmel h;
    ASSERT_EQ(h.sternbild_datei_laden(datei(b).c_str()), 0);
    ASSERT_EQ(h.sternbild_anzahl, STERNBILDER_MAX);
    EXPECT_STREQ(h.sternbilder[89].abk, "C89");
}


TEST(SternbildDatei, ReloadingStarsDropsOldFigureReferences) {
    // The references point into the old catalogue; loading the constellation
    // file again resolves them in the new one.
    Himmel h;
    katalog(h);
    const std::string fig = datei(sternbild("Ori;Orion;Orion;5;0", {{10, 30}}), ".fig");
    ASSERT_EQ(h.sternbild_datei_laden(fig.c_str()), 0);
    erwarte(h.sternbilder[0].linien[0], 30, 0, 70, 0);
    ASSERT_EQ(h.stern_datei_laden(datei(sternliste({Stern(30, -100), Stern(10, -100)})).c_str()), 0);
    erwarte(h.sternbilder[0].linien[0], -1, -1, -1, -1);
    ASSERT_EQ(h.sternbild_datei_laden(fig.c_str()), 0);
    ASSERT_EQ(h.sternbild_anzahl, 1);
    erwarte(h.sternbilder[0].linien[0], 10, 1, 10, 0);
}

TEST(SternbildDatei, ToggleHighlighting) {
    Himmel h;
    ASSERT_EQ(h.sternbild_datei_laden(
                  datei(sternbild("Ori;Orion;Orion;5;0", {}) + sternbild("Tau;Taurus;Stier;4;15", {}))
                      .c_str()),
              0);
    EXPECT_EQ(h.sternbild_umschalten(1), 1);
    EXPECT_EQ(h.sternbild_umschalten(1), 0);
    EXPECT_EQ(h.sternbilder[0].hervorgehoben, 0);
    for (int32_t falsch : {-1, 2, 1000}) EXPECT_EQ(h.sternbild_umschalten(falsch), 0);
}

TEST(SternbildDatei, PositionsBeyondInt16AreNotStored) {
    // One class of 32769 stars: star 3 at position 32767 fits a Linie, star 2
    // at position 32768 does not.
    std::string b;
    for (int n = 0; n < 32767; ++n) b += eintrag(Stern(1, 100));
    b += eintrag(Stern(3, 100)) + eintrag(Stern(2, 100));
    Himmel h;
    ASSERT_EQ(h.stern_datei_laden(datei(b, ".sterne").c_str()), 0);
    ASSERT_EQ(h.anzahl[30], 32769);
    ASSERT_EQ(h.sternbild_datei_laden(datei(sternbild("Ori;Orion;Orion;5;0", {{1, 3}, {1, 2}})).c_str()), 0);
    erwarte(h.sternbilder[0].linien[0], 30, 0, 30, 32767);
    erwarte(h.sternbilder[0].linien[1], 30, 0, -1, -1);
}
