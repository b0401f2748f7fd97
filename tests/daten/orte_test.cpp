// The shipped places file: line format and the places the defaults rely on.
// (How the program reads it is tested with the program's places reader.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "geladen.h"

namespace {
struct Ort {
    std::string name;
    double breite, laenge;
};

// "name;latitude;longitude" per CR LF line; false on any deviation.
bool ort_lesen(const std::string& zeile, Ort& ort) {
    const size_t a = zeile.find(';');
    if (a == 0 || a == std::string::npos) return false;
    ort.name = zeile.substr(0, a);
    const char* zahl = zeile.c_str() + a + 1;
    char* ende = nullptr;
    ort.breite = std::strtod(zahl, &ende);
    if (ende == zahl || *ende != ';') return false;
    zahl = ende + 1;
    ort.laenge = std::strtod(zahl, &ende);
    return ende != zahl && *ende == '\0';
}

std::vector<std::string> zeilen_lesen(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    const std::string inhalt((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
    std::vector<std::string> zeilen;
    size_t anfang = 0;
    for (size_t ende; (ende = inhalt.find("\r\n", anfang)) != std::string::npos; anfang = ende + 2)
        zeilen.push_back(inhalt.substr(anfang, ende - anfang));
    EXPECT_EQ(anfang, inhalt.size()) << "text after the last CR LF";
    return zeilen;
}
}  // namespace

TEST(Orte, EveryLineIsAPlaceWithItsOwnLatitude) {
    const std::vector<std::string> zeilen = zeilen_lesen(daten_pfad("Orte.dat"));
    ASSERT_GE(zeilen.size(), 60u);
    std::vector<Ort> orte;
    std::set<std::string> namen;
    for (const std::string& z : zeilen) {
        Ort o;
        ASSERT_TRUE(ort_lesen(z, o)) << z;
        EXPECT_LT(z.size() + 2, 48u) << "the program reads lines in pieces of 48 characters";
        EXPECT_TRUE(o.breite >= -90.0 && o.breite <= 90.0 && o.laenge >= -180.0 && o.laenge <= 180.0) << z;
        EXPECT_TRUE(namen.insert(o.name).second) << o.name;
        orte.push_back(o);
    }
    // The default place (index 15) sits under the default view declination.
    EXPECT_NEAR(orte[15].breite, 39.33, 1.0) << orte[15].name;
    const struct {
        const char* name;
        double breite;
    } bekannt[] = {{"Berlin", 52.52}, {"Wien", 48.21}, {"Z\xFCrich", 47.38}, {"Sydney", -33.87},
                   {"Nordpol", 90.0}, {"S\xFC" "dpol", -90.0}};
    for (const auto& b : bekannt) {
        bool da = false;
        for (const Ort& o : orte) da = da || (o.name == b.name && std::fabs(o.breite - b.breite) < 0.01);
        EXPECT_TRUE(da) << b.name;
    }
}
