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
        {"Canopus", 2326, "   Alp Car", 6 + 23 / 60.0 + 57.11 / 3600, -(52 + 41 / 60.0 + 44.4 / 3600), -72, 'A'},
        {"Vega", 7001, "  3Alp Lyr", 18 + 36 / 60.0 + 56.34 / 3600, 38 + 47 / 60.0 + 1.3 / 3600, 3, 'A'},
        {"Polaris", 424, "  1Alp UMi", 2 + 31 / 60.0 + 49.09 / 3600, 89 + 15 / 60.0 + 50.8 / 3600, 202, 'F'},
        {"Betelgeuse", 2061, " 58Alp Ori", 5 + 55 / 60.0 + 10.31 / 3600, 7 + 24 / 60.0 + 25.4 / 3600, 50, 'M'},
        {"Rigel", 1713, " 19Bet Ori", 5 + 14 / 60.0 + 32.27 / 3600, -(8 + 12 / 60.0 + 5.9 / 3600), 12, 'B'},
        {"Alcor", 5062, " 80    UMa", 13 + 25 / 60.0 + 13.54 / 3600, 54 + 59 / 60.0 + 16.7 / 3600, 401, 'A'},
    };
    const Himmel& h = geladen().himmel;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        int gefunden = 0;
        for (int k = 0; k < KLASSEN; ++k)
            for (int32_t i = 0; i < h.anzahl[k]; ++i) {
                const SternSatz& s = h.stern_saetze[k][i];
                if (s.eigenname == nullptr || std::strcmp(s.eigenname, f.name) != 0) continue;
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

TEST(Katalog, NearlyEveryStarHasASpectralClass) {
    const Himmel& h = geladen().himmel;
    int32_t mit_klasse = 0, gesamt = 0;
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < h.anzahl[k]; ++i) {
            const char c = h.stern_saetze[k][i].spektrum;
            ++gesamt;
            if (c >= 'A' && c <= 'Z') ++mit_klasse;
            else EXPECT_EQ(c, ' ') << "star " << h.stern_saetze[k][i].nummer;
        }
    EXPECT_GE(mit_klasse * 100, gesamt * 99);
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
