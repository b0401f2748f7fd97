#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dateien.h"
#include "himmel.h"

namespace {
class Texte : public ::testing::Test {
protected:
    // Selects the star s as the only star of the catalogue.
    void waehlen(const Stern& s) {
        ASSERT_EQ(h.stern_datei_laden(datei(eintrag(s)).c_str()), 0);
        h.wahl_klasse = klasse_von(s.helligkeit);
        h.wahl_index = 0;
    }
    Himmel h;
};
}  // namespace

TEST_F(Texte, StarFields) {
    Stern s(4711, -146);
    s.bezeichnung = " 9alf1CMa";
    s.name("Sirius;Hundsstern\r\n");
    s.ort(6, 45, 8, 9, true, 16, 42, 58);
    waehlen(s);
    const char* erwartet[] = {"", "4711", " 9alf1CMa ", "Sirius", "+06h 45' 08,9''",
                              "- 16\xb0 42' 58''", "- 1,46", "A", ""};
    for (int art = 0; art <= 8; ++art) EXPECT_STREQ(h.stern_text(art), erwartet[art]) << art;
}

TEST_F(Texte, NorthernDeclinationAndMissingName) {
    waehlen(Stern(3, 100).ort(0, 0, 0, 0, false, 5, 0, 7));
    EXPECT_STREQ(h.stern_text(5), "+05\xb0 00' 07''");
    EXPECT_STREQ(h.stern_text(3), "");
}

TEST_F(Texte, Magnitudes) {
    const struct { int16_t helligkeit; const char* text; } faelle[] = {
        {0, "+0,00"}, {3, "+0,03"}, {-1, "- 0,01"}, {650, "+6,50"}, {-146, "- 1,46"},
        {-32768, "- 327,68"}, {32767, "+327,67"},
    };
    for (const auto& f : faelle) {
        waehlen(Stern(1, f.helligkeit));
        EXPECT_STREQ(h.stern_text(6), f.text) << f.helligkeit;
    }
}

TEST_F(Texte, NothingSelectedGivesEmptyTexts) {
    waehlen(Stern(1, 100));
    const struct { int32_t klasse, index; } faelle[] = {{-1, -1}, {30, -1}, {-1, 0}, {30, 1}, {100, 0}, {29, 0}};
    for (const auto& f : faelle) {
        h.wahl_klasse = f.klasse;
        h.wahl_index = f.index;
        for (int art = 1; art <= 7; ++art) EXPECT_STREQ(h.stern_text(art), "") << f.klasse << "/" << f.index;
    }
}

TEST_F(Texte, LongNameIsCutToTheBuffer) {
    waehlen(Stern(1, 100).name(std::string(96, 'N') + "\r\n"));
    EXPECT_EQ(std::strlen(h.stern_text(3)), static_cast<size_t>(TEXT_PUFFER - 1));
}

TEST(SternbildTexte, Fields) {
    Himmel h;
    ASSERT_EQ(h.sternbild_datei_laden(datei(sternbild("Dra; ;Drache;17;60", {})).c_str()), 0);
    EXPECT_STREQ(h.sternbild_text(1), "");  // nothing selected
    h.wahl_sternbild = 0;
    const char* erwartet[] = {"", "Dra", "", "Drache", ""};
    for (int art = 0; art <= 4; ++art) EXPECT_STREQ(h.sternbild_text(art), erwartet[art]) << art;
    h.wahl_sternbild = 1;
    EXPECT_STREQ(h.sternbild_text(1), "");
}

TEST(Griechisch, Letters) {
    const struct { const char* abk; char zeichen; const char* danach; } faelle[] = {
        {"eps", 'e', "eps"}, {"eta", 'h', "eta"}, {"Eta", 'h', "eta"}, {"ETA", 'e', "eTA"},
        {"phi", 'j', "phi"}, {"pi ", 'p', "pi "}, {"psi", 'y', "psi"}, {"omi", 'o', "omi"},
        {"ome", 'w', "ome"}, {"the", 'J', "the"}, {"Tau", 't', "tau"}, {"alf", 'a', "alf"},
        {"bet", 'b', "bet"}, {"chi", 'c', "chi"}, {"xi ", 'x', "xi "}, {"pi", 'p', "pi"},
    };
    for (const auto& f : faelle) {
        char abk[4];
        std::strcpy(abk, f.abk);
        EXPECT_EQ(griechisch(abk), f.zeichen) << f.abk;
        EXPECT_STREQ(abk, f.danach);
    }
}
