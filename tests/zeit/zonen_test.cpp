#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "gelieferte_zonen.h"
#include "ortszeit.h"
#include "zonen.h"

namespace {

// The text as a file (tmpfile: memory streams are not on every C library).
int32_t lesen(const std::string& text, Zonen& zonen) {
    FILE* datei = std::tmpfile();
    if (!datei) return -99;
    std::fwrite(text.data(), 1, text.size(), datei);
    std::rewind(datei);
    const int32_t ergebnis = zonen_lesen(datei, zonen);
    std::fclose(datei);
    return ergebnis;
}

const std::string BEISPIEL =
    "# a comment\r\n"
    "Z;Test/Mitte;CET;3600;CEST;7200;3.5.0;7200;10.5.0;10800\r\n"
    "Y;3600;CET;0\r\n"
    "Y;7200;CEST;1\r\n"
    "U;0;0\r\n"
    "U;1000000;1\r\n"
    "U;2000000;0\r\n"
    "X;a later kind of record\r\n"
    "Z;Test/Fest;+03;10800\r\n"
    "Y;10800;+03;0\r\n"
    "U;0;0\r\n"
    "O;M\xfcnchen;Test/Mitte\r\n";

TEST(Zonen, LiestDasFormat) {
    Zonen zonen;
    ASSERT_EQ(lesen(BEISPIEL, zonen), ZEIT_OK);
    ASSERT_EQ(zonen.anzahl(), 2);
    const Zone* z = zonen.zone(0);
    ASSERT_NE(z, nullptr);
    EXPECT_STREQ(z->name, "Test/Mitte");
    EXPECT_EQ(z->typen, 2);
    EXPECT_EQ(z->wechsel, 3);
    EXPECT_EQ(z->regel.mit_sommerzeit, 1);
    EXPECT_EQ(z->regel.beginn.monat, 3);
    EXPECT_EQ(z->regel.ende.sekunden, 10800);
    EXPECT_EQ(zonen.zone(1)->regel.mit_sommerzeit, 0);
    EXPECT_EQ(zonen.zone_des_orts("M\xfcnchen"), 0);
    EXPECT_EQ(zonen.zone_des_orts("Muenchen"), -1);
    EXPECT_EQ(zonen.zone_index("Test/Fest"), 1);
    EXPECT_EQ(zonen.zone(2), nullptr);
    EXPECT_EQ(zonen.typ(*z, 2), nullptr);
    EXPECT_EQ(zonen.uebergang(*z, -1), nullptr);

    ZonenAngabe a{};
    ASSERT_EQ(zone_angabe(zonen, 0, 1500000, a), ZEIT_OK);
    EXPECT_STREQ(a.abk, "CEST");
    EXPECT_EQ(a.versatz, 7200);
    ASSERT_EQ(zone_angabe(zonen, 0, 2000000, a), ZEIT_OK);
    EXPECT_STREQ(a.abk, "CET");
    EXPECT_EQ(zone_angabe(zonen, 2, 0, a), ZEIT_BEREICH);
}

// Each breaks one rule of the format; the whole file is refused and the
// zones left empty, whatever was read before.
TEST(Zonen, FehlerVerwerfenDieGanzeDatei) {
    const char* kopf = "Z;A;CET;3600\nY;3600;CET;0\nU;0;0\n";
    const std::string faelle[] = {
        "Z;B;CET;64801\nY;3600;CET;0\nU;0;0\n",                  // offset beyond 18 h
        "Z;B;CETCETCE;3600\nY;3600;CET;0\nU;0;0\n",              // abbreviation of 8
        "Z;B;C T;3600\nY;3600;CET;0\nU;0;0\n",                   // a blank in it
        "Z;B;CET;3600;CEST\nY;3600;CET;0\nU;0;0\n",              // half a rule
        "Z;B;CET;3600;CEST;7200;13.5.0;7200;10.5.0;10800\nY;3600;CET;0\nU;0;0\n",
        "Z;B;CET;3600;CEST;7200;3.6.0;7200;10.5.0;10800\nY;3600;CET;0\nU;0;0\n",
        "Z;B;CET;3600;CEST;7200;3.5.7;7200;10.5.0;10800\nY;3600;CET;0\nU;0;0\n",
        "Z;B;CET;3600;CEST;7200;3.5.0;601201;10.5.0;10800\nY;3600;CET;0\nU;0;0\n",
        "Z;B;CET;3600;CEST;7200;3.5;7200;10.5.0;10800\nY;3600;CET;0\nU;0;0\n",
        "Z;A;CET;3600\nY;3600;CET;0\nU;0;0\n",                   // a zone twice
        "Z;B;CET;3600\nY;3600;CET;2\nU;0;0\n",                   // summer flag 2
        "Z;B;CET;3600\nY;3600;CET;0\nU;5;0\n",                   // first not at the start
        "Z;B;CET;3600\nY;3600;CET;0\nU;0;0\nU;0;0\n",            // not ascending
        "Z;B;CET;3600\nY;3600;CET;0\nU;0;0\nU;172800;0\n",       // two days apart, not more
        "Z;B;CET;3600;CEST;7200;3.5.0;7200;4.1.1;7200\nY;3600;CET;0\nU;0;0\n",  // a day apart in 2030
        "Z;B;CET;3600;CEST;7200;12.5.0;7200;1.1.1;7200\nY;3600;CET;0\nU;0;0\n",  // over the new year
        "Z;B;CET;3600\nY;3600;CET;0\nU;0;1\n",                   // no such type
        "Z;B;CET;3600\nY;3600;CET;0\nU;0;0\nU;2145916800;0\n",   // at the table's end
        "Z;B;CET;3600\nY;3600;CET;0\nU;0;0\nY;7200;CEST;1\n",    // a type after transitions
        "Z;B;CET;3600\nY;3600;CET;0\n",                          // no transition
        "Z;B;CET;3600\nY;3600;CET;0\nZ;C;CET;3600\nY;3600;CET;0\nU;0;0\n",
        "U;0;0\n",                                               // before any zone
        "O;Ort;Nirgends\n",                                      // no such zone
        "O;;A\n",
        "Z;B;CET;3600\nY;3600;CET;0\nU;0x10;0\n",
        "Z;B;CET;3600\nY;3600;CET;0\nU;0;0;0\n",
        "Z;B;CET;3600\nY; 3600;CET;0\nU;0;0\n",
        "ZZ;B;CET;3600\n",
        "O;" + std::string(300, 'x') + ";A\n",                   // longer than a line may be
        "O;" + std::string(49, 'x') + ";A\n",                    // a name beyond 48
    };
    for (const std::string& fall : faelle) {
        Zonen zonen;
        EXPECT_EQ(lesen(kopf + fall, zonen), ZEIT_DATEI) << fall;
        EXPECT_EQ(zonen.anzahl(), 0) << fall;
        EXPECT_EQ(zonen.zone_des_orts("Ort"), -1);
    }
    Zonen zonen;
    EXPECT_EQ(lesen(std::string(kopf) + "O;" + std::string(48, 'x') + ";A\n", zonen), ZEIT_OK);
    EXPECT_EQ(lesen(std::string(kopf) + "Z;B;CET;3600\nY;3600;CET;0\nU;0;0\nU;172801;0\n", zonen), ZEIT_OK);
    EXPECT_EQ(lesen("", zonen), ZEIT_OK);
    EXPECT_EQ(zonen.anzahl(), 0);
}

class ShippedZones : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(gelieferte_zonen_lesen(zonen));
        berlin = zonen.zone_des_orts("M\xfcnchen");
        ASSERT_GE(berlin, 0);
    }
    int64_t utc(int32_t zone, Datum d, Uhrzeit u) {
        int64_t t = 0;
        EXPECT_EQ(utc_aus_ortszeit(zonen, zone, d, u, t), ZEIT_OK);
        return t;
    }
    Zonen zonen;
    int32_t berlin = -1;
};

// Outside the table the current rule holds, before 1970 too (tzdata's history
// before 1970 is not shipped: a stated simplification). The values after 2037
// are zoneinfo's (it follows the same rule there).
TEST_F(ShippedZones, AusserhalbDerTabelleDieHeutigeRegel) {
    EXPECT_EQ(utc(berlin, {2040, 3, 25}, {2, 30}), 2216251800);  // skipped: offset before the jump
    EXPECT_EQ(utc(berlin, {2040, 10, 28}, {2, 30}), 2234997000); // repeated: the earlier
    EXPECT_EQ(utc(berlin, {2150, 3, 29}, {2, 30}), 5687803800);
    EXPECT_EQ(utc(berlin, {1900, 7, 1}, {12, 0}), -2193314400);  // summer time by today's rule
    const int32_t sydney = zonen.zone_des_orts("Sydney");
    ZonenAngabe a{};
    ASSERT_EQ(zone_angabe(zonen, sydney, utc(sydney, {2100, 1, 1}, {12, 0}), a), ZEIT_OK);
    EXPECT_STREQ(a.abk, "AEDT");
    EXPECT_EQ(utc(sydney, {2100, 1, 1}, {12, 0}), 4102448400);
}

// Today's rules of places whose summer time changed lately (Istanbul,
// Moskau, Reykjavik, Rio and Windhuk without it, Kairo with it again),
// beside three whose rules stayed.
TEST_F(ShippedZones, HeutigeRegelnDerGenanntenOrte) {
    struct Fall {
        const char* ort;
        int32_t winter, sommer;  // offsets in January and July 2030, seconds
    };
    const Fall faelle[] = {
        {"Istanbul", 10800, 10800}, {"Moskau", 10800, 10800},        {"Reykjav\xedk", 0, 0},
        {"Rio de Janeiro", -10800, -10800}, {"Windhuk", 7200, 7200}, {"Kairo", 7200, 10800},
        {"M\xfcnchen", 3600, 7200}, {"Adelaide", 37800, 34200},      {"Buenos Aires", -10800, -10800},
    };
    for (const Fall& f : faelle) {
        const int32_t zone = zonen.zone_des_orts(f.ort);
        ASSERT_GE(zone, 0) << f.ort;
        for (int32_t jahr : {2030, 2100}) {
            ZonenAngabe a{};
            ASSERT_EQ(zone_angabe(zonen, zone, utc(zone, {jahr, 1, 15}, {12, 0}), a), ZEIT_OK);
            EXPECT_EQ(a.versatz, f.winter) << f.ort << " " << jahr;
            ASSERT_EQ(zone_angabe(zonen, zone, utc(zone, {jahr, 7, 15}, {12, 0}), a), ZEIT_OK);
            EXPECT_EQ(a.versatz, f.sommer) << f.ort << " " << jahr;
        }
    }
}

TEST_F(ShippedZones, ZoneDesMeridiansUndBereiche) {
    const int32_t plus1 = zone_des_meridians(zonen, 11.58);
    ASSERT_GE(plus1, 0);
    EXPECT_STREQ(zonen.zone(plus1)->name, "Etc/GMT-1");
    EXPECT_STREQ(zonen.zone(zone_des_meridians(zonen, -180.0))->name, "Etc/GMT+12");
    EXPECT_STREQ(zonen.zone(zone_des_meridians(zonen, 0.0))->name, "Etc/GMT");
    EXPECT_EQ(zone_des_meridians(zonen, 181.0), -1);

    Datum d{};
    Uhrzeit u{};
    int64_t t = 0;
    EXPECT_EQ(utc_aus_ortszeit(zonen, berlin, {2027, 2, 29}, {0, 0}, t), ZEIT_UNMOEGLICH);
    EXPECT_EQ(utc_aus_ortszeit(zonen, -1, {2027, 2, 28}, {0, 0}, t), ZEIT_BEREICH);
    // The last minutes of the range, and the first beyond it.
    EXPECT_EQ(ortszeit_aus_utc(zonen, berlin, utc(berlin, {2200, 12, 31}, {23, 59}), d, u, nullptr), ZEIT_OK);
    EXPECT_EQ(ortszeit_aus_utc(zonen, berlin, utc(berlin, {2200, 12, 31}, {23, 59}) + 60, d, u, nullptr),
              ZEIT_BEREICH);
    EXPECT_EQ(d.jahr, 2200);
}

}  // namespace
