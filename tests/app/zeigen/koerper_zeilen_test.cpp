// The popup's lines for the Sun, the Moon and a planet: the values as the
// popup writes them, and the day's times in the place's civil time (summer
// time on the day the clocks change), or that the body stays up or down.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "bedienfeld/orte.h"
#include "ortszeit.h"
#include "zeigen/koerper_zeilen.h"
#include "zeitskalen.h"

namespace {

class KoerperZeilen : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ZEIT_OK, zonen_laden(VARNIS_TEST_DATA, zonen)); }

    Koerperzeilen zeilen(int32_t art, Datum datum, Uhrzeit zeit, double breite, double laenge,
                         const char* zone) {
        Moment m{datum, zeit, {breite, laenge, zonen.zone_index(zone)}};
        int64_t utc = 0;
        Zeitskalen skalen{};
        Koerperlage lage{};
        EXPECT_EQ(ZEIT_OK, utc_aus_ortszeit(zonen, m.ort.zone, datum, zeit, utc));
        EXPECT_EQ(ZEIT_OK, zeitskalen_aus_utc(utc, skalen));
        EXPECT_EQ(KOERPER_OK, koerper_berechnen(skalen, breite, laenge, lage));
        return koerper_zeilen(lage, art, zonen, m);
    }
    Zonen zonen;
};

// The line that starts with titel, "" none.
std::string zeile(const Koerperzeilen& z, const char* titel) {
    for (int32_t i = 0; i < z.anzahl; ++i)
        if (std::strncmp(z.zeile[i], titel, std::strlen(titel)) == 0) return z.zeile[i];
    return "";
}

// Minutes of the day of "Titel\tHH:MM"; -1 when the line is missing.
int minuten(const Koerperzeilen& z, const char* titel) {
    const std::string s = zeile(z, titel);
    const size_t tab = s.find('\t');
    if (s.empty() || tab == std::string::npos) return -1;
    return std::atoi(s.c_str() + tab + 1) * 60 + std::atoi(s.c_str() + tab + 4);
}

TEST_F(KoerperZeilen, DerMondUeberMuenchen) {
    // python3-ephem: rises 11:39, culminates 17:04, sets 22:42 MEZ (upper
    // limb, 34' refraction).
    const Koerperzeilen z = zeilen(MOND, {2026, 12, 15}, {18, 0}, 48.14, 11.58, "Europe/Berlin");
    EXPECT_STREQ("Mond", z.zeile[0]);
    EXPECT_EQ("Beleuchtet\t35 %", zeile(z, "Beleuchtet"));
    EXPECT_NE(std::string::npos, zeile(z, "Entfernung").find(" km"));
    EXPECT_NEAR(11 * 60 + 39, minuten(z, "Aufgang"), 2);
    EXPECT_NEAR(17 * 60 + 4, minuten(z, "Kulmination"), 2);
    EXPECT_NEAR(22 * 60 + 42, minuten(z, "Untergang"), 2);
}

TEST_F(KoerperZeilen, SommerzeitAmTagDerUmstellung) {
    // 28 March 2027: ephem's sunrise 07:00 and sunset 19:37 CEST.
    const Koerperzeilen z = zeilen(SONNE, {2027, 3, 28}, {12, 0}, 48.14, 11.58, "Europe/Berlin");
    EXPECT_NEAR(7 * 60, minuten(z, "Aufgang"), 2);
    EXPECT_NEAR(19 * 60 + 37, minuten(z, "Untergang"), 2);
    EXPECT_EQ("", zeile(z, "Beleuchtet")) << "the Sun has no phase";
}

TEST_F(KoerperZeilen, PolarnachtUndMitternachtssonne) {
    // Tromsø as an own place: Norway keeps the zone's rules of Berlin.
    const Koerperzeilen nacht = zeilen(SONNE, {2026, 12, 15}, {12, 0}, 69.65, 18.96, "Europe/Berlin");
    EXPECT_STREQ("bleibt unter dem Horizont", nacht.zeile[nacht.anzahl - 1]);
    EXPECT_EQ(-1, minuten(nacht, "Aufgang"));
    const Koerperzeilen tag = zeilen(SONNE, {2027, 6, 21}, {12, 0}, 69.65, 18.96, "Europe/Berlin");
    EXPECT_EQ("zirkumpolar", zeile(tag, "zirkumpolar"));
    EXPECT_GT(minuten(tag, "Kulmination"), 12 * 60) << "the Sun culminates after noon in summer time";
    EXPECT_EQ(-1, minuten(tag, "Untergang"));
}

TEST_F(KoerperZeilen, PlanetInAstronomischenEinheiten) {
    const Koerperzeilen z = zeilen(JUPITER, {2026, 12, 15}, {23, 0}, 48.14, 11.58, "Europe/Berlin");
    EXPECT_STREQ("Jupiter", z.zeile[0]);
    const std::string abstand = zeile(z, "Entfernung");
    EXPECT_NE(std::string::npos, abstand.find(" AE"));
    EXPECT_NE(std::string::npos, abstand.find(',')) << "a decimal comma";
    EXPECT_EQ(0u, zeile(z, "mag").find("mag\t-2,")) << "one decimal, with a comma";
    EXPECT_EQ("", zeile(z, "Beleuchtet")) << "an outer planet is always nearly full";
}

}  // namespace
