// The shipped constellation file as the program loads it after the stars.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

#include "geladen.h"

namespace {
const SternbildSatz* sternbild(const Himmel& h, const char* abk) {
    for (int32_t i = 0; i < h.sternbild_anzahl; ++i)
        if (std::strcmp(h.sternbilder[i].abk, abk) == 0) return &h.sternbilder[i];
    return nullptr;
}

double grad_zwischen(const Vektor3& a, const Vektor3& b) {
    const double c = static_cast<double>(a.x) * b.x + static_cast<double>(a.y) * b.y +
                     static_cast<double>(a.z) * b.z;
    return std::acos(std::fmax(-1.0, std::fmin(1.0, c))) * 180.0 / PI;
}

bool bezug_gueltig(const Himmel& h, int16_t klasse, int16_t index) {
    return klasse >= 0 && klasse < KLASSEN && index >= 0 && index < h.anzahl[klasse];
}
}  // namespace

TEST(Sternbilder, All88WithTheAbbreviationsOfTheDesignations) {
    const Himmel& h = geladen().himmel;
    ASSERT_EQ(geladen().sternbilder_ergebnis, 0);
    ASSERT_EQ(h.sternbild_anzahl, 88);
    std::set<std::string> abks;
    for (int32_t i = 0; i < h.sternbild_anzahl; ++i) {
        EXPECT_EQ(std::strlen(h.sternbilder[i].abk), 3u);
        EXPECT_TRUE(abks.insert(h.sternbilder[i].abk).second) << h.sternbilder[i].abk;
        EXPECT_NE(h.sternbilder[i].name, nullptr);
        EXPECT_NE(h.sternbilder[i].zweitname, nullptr);
    }
    // Highlighting a constellation finds its stars by these three letters.
    std::set<std::string> in_bezeichnungen;
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const char* b = h.stern_saetze[k][i].bezeichnung;
            if (b[7] != ' ') in_bezeichnungen.insert(std::string(b + 7, 3));
        }
    EXPECT_EQ(in_bezeichnungen, abks);
}

TEST(Sternbilder, FiguresResolveToShortLinesNearTheirLabels) {
    const Himmel& h = geladen().himmel;
    for (int32_t i = 0; i < h.sternbild_anzahl; ++i) {
        const SternbildSatz& s = h.sternbilder[i];
        SCOPED_TRACE(s.abk);
        EXPECT_GT(s.linien_anzahl, 0);
        double naechster = 180.0;
        for (int16_t j = 0; j < s.linien_anzahl; ++j) {
            const Linie& l = s.linien[j];
            ASSERT_TRUE(bezug_gueltig(h, l.klasse_a, l.index_a) && bezug_gueltig(h, l.klasse_b, l.index_b))
                << "line " << j << " has an end outside the catalogue";
            const Vektor3& a = h.vektoren[l.klasse_a][l.index_a];
            const Vektor3& b = h.vektoren[l.klasse_b][l.index_b];
            // the longest line of the real figures (in Hydra) spans 22 degrees
            EXPECT_LT(grad_zwischen(a, b), 30.0) << "line " << j;
            naechster = std::fmin(naechster, std::fmin(grad_zwischen(s.ort, a), grad_zwischen(s.ort, b)));
        }
        EXPECT_LT(naechster, 15.0) << "label far from its figure";
    }
}

TEST(Sternbilder, NamesInWindowsCharactersAfterConversion) {
    const struct {
        const char *abk, *name, *zweitname;  // zweitname in Windows-1252
    } faelle[] = {
        {"UMa", "Ursa Major", "Gro\xDF" "er B\xE4r"},
        {"Vol", "Volans", "Fliegender Fisch"},
        {"TrA", "Triangulum Australe", "S\xFC" "dliches Dreieck"},
        {"Boo", "Bootes", "B\xE4renh\xFCter"},
        {"Cha", "Chamaeleon", "Cham\xE4leon"},
        {"Nor", "Norma", "Winkelma\xDF"},
        {"Phe", "Phoenix", "Ph\xF6nix"},
        {"Equ", "Equuleus", "F\xFCllen"},
        {"Ser", "Serpens", "Schlange"},
        {"Car", "Carina", "Kiel des Schiffs"},
        {"Pyx", "Pyxis", "Schiffskompass"},
    };
    const Himmel& h = geladen().himmel;
    for (const auto& f : faelle) {
        const SternbildSatz* s = sternbild(h, f.abk);
        ASSERT_NE(s, nullptr) << f.abk;
        EXPECT_STREQ(s->name, f.name);
        EXPECT_STREQ(s->zweitname, f.zweitname);
    }
}

// The figures taken whole from stellarium's Western sky culture (0.22.2,
// constellationship.fab) keep all their lines: Canis Major with head and
// legs, Lepus with ears and feet.
TEST(Sternbilder, FullFiguresWhereTheOutlineWasBare) {
    const struct {
        const char* abk;
        int16_t linien;  // lines of the source figure
    } faelle[] = {{"CMa", 17}, {"Lep", 14}, {"Nor", 5}, {"Car", 14}, {"Pav", 13},
                  {"Cae", 2},  {"Cir", 2},  {"LMi", 4}, {"CrA", 9}};
    const Himmel& h = geladen().himmel;
    for (const auto& f : faelle) {
        const SternbildSatz* s = sternbild(h, f.abk);
        ASSERT_NE(s, nullptr) << f.abk;
        EXPECT_GE(s->linien_anzahl, f.linien) << f.abk;
    }
}

// Where a figure's star is one of a close pair, the line ends on the bright
// one: Albireo is beta1 Cygni (3.1, beta2 is 5.1), Izar epsilon Bootis A,
// Cor Caroli alpha2 CVn, and the Sails' corner gamma2 Velorum (1.8, not
// gamma1 at 4.3).
TEST(Sternbilder, LinesEndOnTheBrightStarOfAPair) {
    const struct {
        const char* abk;
        int hell, schwach;  // HR numbers
    } faelle[] = {{"Cyg", 7417, 7418}, {"Boo", 5506, 5505}, {"CVn", 4915, 4914}, {"Vel", 3207, 3206}};
    const Himmel& h = geladen().himmel;
    for (const auto& f : faelle) {
        const SternbildSatz* s = sternbild(h, f.abk);
        ASSERT_NE(s, nullptr) << f.abk;
        std::set<int> enden;
        for (int16_t j = 0; j < s->linien_anzahl; ++j) {
            const Linie& l = s->linien[j];
            enden.insert(h.stern_saetze[l.klasse_a][l.index_a].nummer);
            enden.insert(h.stern_saetze[l.klasse_b][l.index_b].nummer);
        }
        EXPECT_EQ(enden.count(f.hell), 1u) << f.abk;
        EXPECT_EQ(enden.count(f.schwach), 0u) << f.abk;
    }
}
