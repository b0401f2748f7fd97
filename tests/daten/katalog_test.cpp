// The shipped star catalogue as the program loads it.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <set>
#include <string>

#include "geladen.h"

namespace {
constexpr int32_t BSC_STERNE = 9096;  // HR 1..9110 less the 14 retired numbers

int32_t sterne_gesamt(const Himmel& h) {
    int32_t n = 0;
    for (int k = 0; k < KLASSEN; ++k) n += h.anzahl[k];
    return n;
}

// Angle between two unit vectors in arcseconds.
double bogensekunden(const Vektor3& a, const Vektor3& b) {
    const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return 2.0 * std::asin(std::sqrt(dx * dx + dy * dy + dz * dz) / 2.0) * 180.0 / PI * 3600.0;
}

bool griechisch_gueltig(const char* g) {
    if (g[0] == ' ') return std::strncmp(g, "   ", 3) == 0;
    return std::isupper(static_cast<unsigned char>(g[0])) && std::islower(static_cast<unsigned char>(g[1])) &&
           (std::islower(static_cast<unsigned char>(g[2])) || g[2] == ' ');
}

bool flamsteed_gueltig(const char* f) {
    int i = 0;
    while (i < 3 && f[i] == ' ') ++i;
    for (; i < 3; ++i)
        if (!std::isdigit(static_cast<unsigned char>(f[i]))) return false;
    return true;
}
}  // namespace

TEST(Katalog, HoldsEveryBrightStarOnceWithFieldsInRange) {
    const Himmel& h = geladen().himmel;
    ASSERT_EQ(geladen().sterne_ergebnis, 0);
    EXPECT_EQ(sterne_gesamt(h), BSC_STERNE);
    std::set<int32_t> nummern;
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const SternSatz& s = h.stern_saetze[k][i];
            SCOPED_TRACE(s.nummer);
            EXPECT_TRUE(nummer_gueltig(s.nummer));
            EXPECT_TRUE(nummern.insert(s.nummer).second) << "duplicate star number";
            EXPECT_EQ(klasse_von(s.helligkeit), k);
            EXPECT_TRUE(s.rekt_h >= 0 && s.rekt_h <= 23 && s.rekt_m >= 0 && s.rekt_m <= 59 &&
                        s.rekt_s >= 0 && s.rekt_s <= 59 && s.rekt_z >= 0 && s.rekt_z <= 9);
            EXPECT_TRUE(s.dekl_g >= 0 && s.dekl_g <= 90 && s.dekl_m >= 0 && s.dekl_m <= 59 &&
                        s.dekl_s >= 0 && s.dekl_s <= 59);
            EXPECT_TRUE(flamsteed_gueltig(s.bezeichnung) && griechisch_gueltig(s.bezeichnung + 3))
                << s.bezeichnung;
            EXPECT_EQ(s.bezeichnung[10], '\0');
        }
}

TEST(Katalog, KnownStarsAtTheirPlaces) {
    // J2000 positions from the literature, not from the generator's sources.
    const struct {
        const char* name;
        int nummer;
        const char* bezeichnung;
        double rekt, dekl;  // hours, degrees
        int helligkeit;
        char spektrum;
    } faelle[] = {
        {"Sirius", 2491, "  9Alp CMa", 6 + 45 / 60.0 + 8.92 / 3600, -(16 + 42 / 60.0 + 58.0 / 3600), -146, 'A'},
        {"Canopus", 2326, "   Alp Car", 6 + 23 / 60.0 + 57.11 / 3600, -(52 + 41 / 60.0 + 44.4 / 3600), -72, 'F'},
        {"Wega", 7001, "  3Alp Lyr", 18 + 36 / 60.0 + 56.34 / 3600, 38 + 47 / 60.0 + 1.3 / 3600, 3, 'A'},
        {"Polarstern", 424, "  1Alp UMi", 2 + 31 / 60.0 + 49.09 / 3600, 89 + 15 / 60.0 + 50.8 / 3600, 202, 'F'},
        {"Beteigeuze", 2061, " 58Alp Ori", 5 + 55 / 60.0 + 10.31 / 3600, 7 + 24 / 60.0 + 25.4 / 3600, 50, 'M'},
        {"Rigel", 1713, " 19Bet Ori", 5 + 14 / 60.0 + 32.27 / 3600, -(8 + 12 / 60.0 + 5.9 / 3600), 12, 'B'},
        {"Alcor", 5062, " 80    UMa", 13 + 25 / 60.0 + 13.54 / 3600, 54 + 59 / 60.0 + 16.7 / 3600, 401, 'A'},
        // the Bright Star Catalogue had it 15.6'' off, 15.7'' from 61 Cyg B
        {"61 Cyg A", 8085, " 61    Cyg", 21 + 6 / 60.0 + 53.94 / 3600, 38 + 44 / 60.0 + 57.9 / 3600, 521, 'K'},
        {"61 Cyg B", 8086, " 61    Cyg", 21 + 6 / 60.0 + 55.26 / 3600, 38 + 44 / 60.0 + 31.4 / 3600, 603, 'K'},
    };
    const Himmel& h = geladen().himmel;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        int gefunden = 0;
        for (int k = 0; k < KLASSEN; ++k)
            for (int32_t i = 0; i < h.anzahl[k]; ++i) {
                const SternSatz& s = h.stern_saetze[k][i];
                const bool benannt = s.eigenname != nullptr && std::strcmp(s.eigenname, f.name) == 0;
                if (!benannt && s.nummer != f.nummer) continue;
                ++gefunden;
                EXPECT_EQ(s.nummer, f.nummer);
                EXPECT_STREQ(s.bezeichnung, f.bezeichnung);
                EXPECT_EQ(static_cast<int>(s.helligkeit), f.helligkeit);  // a copy: the field is unaligned
                EXPECT_EQ(s.spektrum, f.spektrum);
                // rounding to 0.1 s and 1'' moves a star by at most about 1''
                EXPECT_LT(bogensekunden(h.vektoren[k][i], einheitsvektor(f.rekt, f.dekl)), 1.5);
            }
        EXPECT_EQ(gefunden, 1);
    }
}

// Expected letters from the stars' own classifications, not from the
// generator's sources: the twenty brightest stars, and stars whose letter
// came from a wrong partner in another catalogue (a faint star 72 degrees
// away, Mintaka's entry, the other star of a pair) or from a composite type.
TEST(Katalog, SpectralLettersOfBrightAndOnceMisjoinedStars) {
    const struct {
        int nummer;
        char spektrum;
        const char* was;
    } faelle[] = {
        {2491, 'A', "Sirius A1V"},
        {2326, 'F', "Canopus F0II (A9II elsewhere)"},
        {5340, 'K', "Arcturus K1.5III"},
        {5459, 'G', "alpha1 Centauri G2V"},
        {7001, 'A', "Vega A0V"},
        {1708, 'G', "Capella G5III+G0III"},
        {1713, 'B', "Rigel B8Ia"},
        {2943, 'F', "Procyon F5IV-V"},
        {472, 'B', "Achernar B3Vpe"},
        {2061, 'M', "Betelgeuse M1-2Ia"},
        {5267, 'B', "Hadar B1III"},
        {7557, 'A', "Altair A7V"},
        {1457, 'K', "Aldebaran K5III"},
        {6134, 'M', "Antares M1.5Iab"},
        {5056, 'B', "Spica B1III-IV"},
        {2990, 'K', "Pollux K0III"},
        {8728, 'A', "Fomalhaut A3V"},
        {4853, 'B', "Mimosa B0.5III"},
        {7924, 'A', "Deneb A2Ia"},
        {4730, 'B', "Acrux B0.5IV"},
        {5460, 'K', "alpha2 Centauri K1V"},
        {3982, 'B', "Regulus B7V"},
        {5506, 'K', "Izar K0II-III (its companion is A2)"},
        {6084, 'B', "sigma Sco B1III"},
        {6453, 'B', "theta Oph B2IV"},
        {1852, 'O', "Mintaka O9.5II"},
        {1851, 'B', "delta Ori C, B2V"},
        {8264, 'A', "xi Aqr A7V"},
        {5578, 'A', "17 Lib A1V"},
        {4443, 'F', "HR 4443 F8V"},
        {4444, 'F', "HR 4444 F8V"},
        {8360, 'K', "HR 8360 K2III"},
        {5050, 'F', "66 Vir F3-4V"},
        {3785, 'F', "HR 3785 F0Vn"},
        {1358, 'F', "HR 1358 F6V (a white dwarf companion)"},
        {1505, 'F', "55 Eri A F4III"},
        {1506, 'G', "55 Eri B G8III"},
        {6952, 'A', "kappa1 CrA A0III"},
        {6953, 'B', "kappa2 CrA B9V"},
        {5055, 'A', "Mizar B A1m"},
        {3206, 'B', "gamma1 Vel B1IV"},
        {898, 'A', "theta2 Eri A1V"},
        {5958, 'M', "T CrB M3III at rest (B-type companion)"},
    };
    const Himmel& h = geladen().himmel;
    for (const auto& f : faelle) {
        const SternSatz* s = stern_mit_nummer(h, f.nummer);
        ASSERT_NE(s, nullptr) << f.was;
        EXPECT_EQ(s->spektrum, f.spektrum) << f.was;
    }
}

// Every star that a source classifies carries a letter; eta Carinae, whose
// spectrum no source classes, is the one blank.
TEST(Katalog, EveryStarButEtaCarinaeHasASpectralClass) {
    const Himmel& h = geladen().himmel;
    std::set<int32_t> ohne;
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const SternSatz& s = h.stern_saetze[k][i];
            if (s.spektrum == ' ') ohne.insert(s.nummer);
            else EXPECT_TRUE(s.spektrum >= 'A' && s.spektrum <= 'Z') << "star " << s.nummer;
        }
    EXPECT_EQ(ohne, std::set<int32_t>{4210});
}

// Variables that the catalogue lists at a rare peak are drawn at their usual
// brightness: T CrB near 10 (2.0 was its 1946 outburst), the Mira stars far
// below their maxima; the steady Alphecca beside T CrB keeps its 2.23.
TEST(Katalog, LargeAmplitudeVariablesAtTypicalBrightness) {
    const struct {
        int nummer;
        int schwaecher_als;  // magnitude x 100
        const char* was;
    } faelle[] = {
        {5958, 800, "T CrB"},     {681, 550, "Mira"},       {7564, 650, "chi Cyg"},
        {868, 650, "R Hor"},      {3882, 750, "R Leo"},     {5080, 600, "R Hya"},
        {9066, 750, "R Cas"},     {4800, 800, "T UMa"},
    };
    const Himmel& h = geladen().himmel;
    for (const auto& f : faelle) {
        const SternSatz* s = stern_mit_nummer(h, f.nummer);
        ASSERT_NE(s, nullptr) << f.was;
        EXPECT_GT(static_cast<int>(s->helligkeit), f.schwaecher_als) << f.was;
    }
    const SternSatz* alphecca = stern_mit_nummer(h, 5793);
    ASSERT_NE(alphecca, nullptr);
    EXPECT_EQ(static_cast<int>(alphecca->helligkeit), 223);
}

TEST(Katalog, ProperNamesFitAndNameOneStarEach) {
    const Himmel& h = geladen().himmel;
    std::set<std::string> namen;
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const char* name = h.stern_saetze[k][i].eigenname;
            if (name == nullptr) continue;
            EXPECT_NE(name[0], ' ');
            EXPECT_LE(std::strlen(name), 96u);
            EXPECT_TRUE(namen.insert(name).second) << name << " names two stars";
        }
    EXPECT_GE(namen.size(), 300u);
    for (const char* bekannt : {"Aldebaran", "Alkaid", "Alcor", "Mizar", "Deneb", "Toliman", "Elnath"})
        EXPECT_EQ(namen.count(bekannt), 1u) << bekannt;
}

// German forms where a German star-name translation has one (the reader
// shows the first piece of "Wega;Vega"), the IAU's spellings, and none of
// the names that no dictionary of star names gives to their star.
TEST(Katalog, GermanFormsAndNoDoubtfulNames) {
    const struct {
        int nummer;
        const char* name;
    } deutsch[] = {
        {2061, "Beteigeuze"}, {5340, "Arktur"}, {2943, "Prokyon"},
        {7001, "Wega"},       {424, "Polarstern"},
        {168, "Schedar"},     {5531, "Zubenelgenubi"},  // alpha2 Librae
        {7557, "Altair"},     // both translations keep it
    };
    const Himmel& h = geladen().himmel;
    for (const auto& f : deutsch) {
        const SternSatz* s = stern_mit_nummer(h, f.nummer);
        ASSERT_NE(s, nullptr);
        ASSERT_NE(s->eigenname, nullptr) << f.name;
        EXPECT_STREQ(s->eigenname, f.name);
    }
    // the doubtful names, and the English forms the German ones replace
    const std::set<std::string> entfallen = {
        "Al Nair",  "Men",     "Tchou",   "Chow",    "Tseen Ke", "Prijipati",       "Schemali",
        "Regor",    "Shedar",  "Atair",   "Betelgeuse", "Arcturus", "Procyon", "Vega", "Polaris",
        "Zubenelgenubi I",     "Zubenelgenubi II"};
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const char* name = h.stern_saetze[k][i].eigenname;
            if (name != nullptr) {
                EXPECT_EQ(entfallen.count(name), 0u) << name;
            }
        }
    // Alnair is alpha Gruis alone: alpha Indi has no proper name; neither
    // has alpha1 Librae, nor gamma2 Velorum (Regor is a nickname).
    for (int ohne_namen : {7869, 5530, 3207}) {
        const SternSatz* s = stern_mit_nummer(h, ohne_namen);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->eigenname, nullptr) << ohne_namen;
    }
}

// The chart sets exactly one name to the left of its star: Alcor's, as the
// shipped catalogue spells it.
TEST(Katalog, AlcorIsTheOneNameSetLeftOfItsStar) {
    const Himmel& h = geladen().himmel;
    std::set<int32_t> links;
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i)
            if (links_beschriftet(h.stern_saetze[k][i].eigenname)) links.insert(h.stern_saetze[k][i].nummer);
    EXPECT_EQ(links, std::set<int32_t>{5062});
}
