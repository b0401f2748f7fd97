// The search over the shipped catalogue: names in their German and IAU
// forms, designations as people type them, constellations, the bodies, and
// what finds nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "geladen.h"
#include "himmelssuche.h"
#include "koerper.h"

namespace {

// What a search should give: a star by its HR number, a constellation by
// its abbreviation, a body by its KoerperArt, or nothing.
struct Erwartet {
    Fundart art;
    int32_t hr;
    const char* abk;
    int32_t koerper;
};
constexpr Erwartet stern(int32_t hr) { return {Fundart::STERN, hr, nullptr, -1}; }
constexpr Erwartet sternbild(const char* abk) { return {Fundart::STERNBILD, 0, abk, -1}; }
constexpr Erwartet koerper(int32_t art) { return {Fundart::KOERPER, 0, nullptr, art}; }
constexpr Erwartet NICHTS{Fundart::KEINER, 0, nullptr, -1};

std::string beschreiben(const Himmel& h, const Fund& f) {
    switch (f.art) {
    case Fundart::STERN: return "HR " + std::to_string(h.stern_saetze[f.klasse][f.index].nummer);
    case Fundart::STERNBILD: return h.sternbilder[f.index].abk;
    case Fundart::KOERPER: return koerper_name(f.index);
    default: return "nichts";
    }
}

std::string beschreiben(const Erwartet& e) {
    switch (e.art) {
    case Fundart::STERN: return "HR " + std::to_string(e.hr);
    case Fundart::STERNBILD: return e.abk;
    case Fundart::KOERPER: return koerper_name(e.koerper);
    default: return "nichts";
    }
}

TEST(Himmelssuche, TableOfSearches) {
    const Geladen& g = geladen();
    ASSERT_EQ(g.sterne_ergebnis, 0);
    ASSERT_EQ(g.sternbilder_ergebnis, 0);
    const struct {
        const char* eingabe;  // UTF-8, as typed
        Erwartet erwartet;
    } faelle[] = {
        // Proper names: the German form, the IAU's, any case.
        {"Wega", stern(7001)}, {"wega", stern(7001)}, {"VEGA", stern(7001)},
        {"Beteigeuze", stern(2061)}, {"Betelgeuse", stern(2061)},
        {"Polarstern", stern(424)}, {"polaris", stern(424)}, {"Alcor", stern(5062)},
        {"  Mizar  ", stern(5054)}, {"Cor Caroli", stern(4915)}, {"cor  caroli", stern(4915)},
        // Bayer designations: the Greek letter, its name, the catalogue's
        // and the other catalogues' abbreviations, capitals, the index.
        {"\xCE\xB1 Lyr", stern(7001)}, {"alpha Lyr", stern(7001)}, {"alf Lyr", stern(7001)},
        {"Alp Lyr", stern(7001)}, {"\xCE\x91 lyr", stern(7001)}, {"ALPHA LYR", stern(7001)},
        {"\xCE\xB1 Leier", stern(7001)}, {"\xCE\xB1 Lyra", stern(7001)},
        {"\xCE\xB5\xC2\xB9 Lyr", stern(7051)}, {"eps1 Lyr", stern(7051)}, {"eps 2 Lyr", stern(7053)},
        {"\xCE\xB5" "2 Lyr", stern(7053)}, {"\xCE\xB5\xC2\xB2 Lyr", stern(7053)},
        {"\xCE\xB5 Lyr", stern(7051)},  // without its index: the brighter of the pair
        {"\xCE\xBC Cep", stern(8316)}, {"mu Cep", stern(8316)}, {"my Cep", stern(8316)},
        {"ksi UMa", stern(4375)}, {"\xCE\xBE UMa", stern(4375)}, {"xi UMa", stern(4375)},
        {"tet1 Ori", stern(1895)}, {"\xCE\xB1\xC2\xB2 CVn", stern(4915)}, {"alpha1 CVn", stern(4914)},
        {"\xCF\x80\xC2\xB3 Ori", stern(1543)}, {"pi3 Ori", stern(1543)},
        // Flamsteed numbers and HR numbers.
        {"80 UMa", stern(5062)}, {"79 uma", stern(5054)}, {"58 Ori", stern(2061)},
        {"HR 7001", stern(7001)}, {"hr7001", stern(7001)}, {"HR 3579", stern(3579)},
        // Constellations: Latin, German (umlauts as typed or spelled out), abbreviation.
        {"Orion", sternbild("Ori")}, {"ori", sternbild("Ori")}, {"Ursa Major", sternbild("UMa")},
        {"Gro\xC3\x9F" "er B\xC3\xA4r", sternbild("UMa")}, {"grosser baer", sternbild("UMa")},
        {"GROSSER B\xC3\x84R", sternbild("UMa")}, {"Leier", sternbild("Lyr")}, {"uma", sternbild("UMa")},
        {"Gro\xDF" "er B\xE4r", sternbild("UMa")},  // Windows-1252 bytes are taken as such
        // The Sun, the Moon and the planets by their German names.
        {"Sonne", koerper(SONNE)}, {"mond", koerper(MOND)}, {"Merkur", koerper(MERKUR)},
        {"Venus", koerper(VENUS)}, {"MARS", koerper(MARS)}, {"Jupiter", koerper(JUPITER)},
        {"Saturn", koerper(SATURN)}, {"Uranus", koerper(URANUS)}, {"Neptun", koerper(NEPTUN)},
        // Nothing: nonsense, parts of names, designations that name no star.
        {"", NICHTS}, {"   ", NICHTS}, {"xyzzy", NICHTS}, {"Weg", NICHTS}, {"Wegaa", NICHTS},
        {"\xCE\xB1", NICHTS}, {"alpha", NICHTS}, {"\xCF\x89 Lyr", NICHTS}, {"eps3 Lyr", NICHTS},
        {"eps0 Lyr", NICHTS}, {"alpha Xyz", NICHTS}, {"999 UMa", NICHTS}, {"1000 UMa", NICHTS},
        {"HR 0", NICHTS}, {"HR 99999", NICHTS}, {"HR", NICHTS}, {"HR 70x", NICHTS},
        {"10 UMa", NICHTS},  // HR 3579: the catalogue gives it no designation
        {"\xFF\xFE\xFD", NICHTS}, {"Neptune", NICHTS}, {"Lyr alpha", NICHTS},
    };
    for (const auto& f : faelle) {
        const Fund fund = himmel_finden(g.himmel, f.eingabe);
        EXPECT_EQ(beschreiben(g.himmel, fund), beschreiben(f.erwartet)) << f.eingabe;
    }
}

TEST(Himmelssuche, LongInputIsCutAndFindsNothing) {
    const std::string lang(5000, 'a');
    EXPECT_EQ(himmel_finden(geladen().himmel, lang.c_str()).art, Fundart::KEINER);
    const std::string griechisch = [] {
        std::string s;
        for (int i = 0; i < 500; ++i) s += "\xCE\xB1";
        return s;
    }();
    Fund funde[4];
    EXPECT_EQ(himmel_vorschlaege(geladen().himmel, griechisch.c_str(), funde, 4), 0);
}

TEST(Himmelssuche, SuggestionsBeginWithTheWholeNameThenByKind) {
    const Himmel& h = geladen().himmel;
    Fund funde[8];
    // What the text names in full comes first, with its designation.
    ASSERT_GE(himmel_vorschlaege(h, "wega", funde, 8), 1);
    EXPECT_STREQ(funde[0].text, "Wega (\xCE\xB1 Lyr)");
    ASSERT_EQ(himmel_vorschlaege(h, "eps1 lyr", funde, 8), 1);
    EXPECT_STREQ(funde[0].text, "\xCE\xB5\xC2\xB9 Lyr");  // a star without a name
    // The bodies before the constellations before the stars, each once.
    const int32_t n = himmel_vorschlaege(h, "Ma", funde, 8);
    ASSERT_GE(n, 3);
    EXPECT_STREQ(funde[0].text, "Mars");
    EXPECT_EQ(funde[1].art, Fundart::STERNBILD);
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = i + 1; j < n; ++j)
            EXPECT_FALSE(funde[i].art == funde[j].art && funde[i].index == funde[j].index &&
                         funde[i].klasse == funde[j].klasse) << funde[i].text;
    // The German name beside the Latin one; umlauts in UTF-8.
    ASSERT_GE(himmel_vorschlaege(h, "grosser b", funde, 8), 1);
    EXPECT_STREQ(funde[0].text, "Ursa Major, Gro\xC3\x9F" "er B\xC3\xA4r (UMa)");
    ASSERT_GE(himmel_vorschlaege(h, "Ori", funde, 8), 1);
    EXPECT_STREQ(funde[0].text, "Orion (Ori)");
    // Bounded by max; nothing for nothing.
    EXPECT_EQ(himmel_vorschlaege(h, "a", funde, 3), 3);
    EXPECT_EQ(himmel_vorschlaege(h, "", funde, 8), 0);
    EXPECT_EQ(himmel_vorschlaege(h, "xyzzy", funde, 8), 0);
    EXPECT_EQ(himmel_vorschlaege(h, "a", funde, 0), 0);
}

}  // namespace
