// The command line's switches and values read without running anything:
// dates and times exactly, numbers within their ranges, whole lines that are
// orders for a chart, and lines that are refused with the switch named.
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "befehlszeile/schalter.h"
#include "befehlszeile/werte.h"

namespace {

TEST(Werte, ZahlenNurAusZiffernImBereich) {
    const struct {
        const char* text;
        bool gelesen;
        int32_t wert;
    } faelle[] = {
        {"0", true, 0},       {"23", true, 23},    {"007", true, 7},   {"24", false, 0},
        {"-1", false, 0},     {"+5", false, 0},    {" 5", false, 0},   {"5 ", false, 0},
        {"5h", false, 0},     {"1e1", false, 0},   {"", false, 0},     {"999999999", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto& f : faelle) {
        int32_t wert = -77;
        EXPECT_EQ(f.gelesen, zahl_lesen(f.text, 0, 23, wert)) << f.text;
        EXPECT_EQ(f.gelesen ? f.wert : -77, wert) << f.text;
    }
}

constexpr int32_t JAHR = 2026;  // the current year of a date without one

// A command line as main receives it, with the program in front.
struct Zeile {
    std::vector<std::string> teile;
    Zeile(std::initializer_list<std::string> argumente) : teile(argumente) {
        teile.insert(teile.begin(), "Varnis32.exe");
    }
    int32_t lesen(Kartenauftrag& a, std::string& meldung) const {
        std::vector<const char*> argv;
        for (const std::string& t : teile) argv.push_back(t.c_str());
        char text[300];
        const int32_t r = schalter_lesen(static_cast<int>(argv.size()), argv.data(), JAHR, a, text, sizeof text);
        meldung = text;
        return r;
    }
};

TEST(Schalter, EinAuftragAusAllenSchaltern) {
    Kartenauftrag a;
    std::string m;
    const Zeile z{"/karte", "C:\\Karten\\Nacht.EMF", "/Datum", "10.12.2026", "-stunde:22",
                  "/ort", "M\xFCnchen", "/FELD=60", "/schema", "Weiss-auf-Schwarz"};
    ASSERT_EQ(FERTIG, z.lesen(a, m)) << m;
    EXPECT_EQ("", m);
    EXPECT_STREQ("C:\\Karten\\Nacht.EMF", a.karte);
    EXPECT_EQ(Bildart::EMF, a.art);
    ASSERT_TRUE(a.mit_datum);
    EXPECT_EQ(2026, a.datum.jahr);
    EXPECT_EQ(12, a.datum.monat);
    EXPECT_EQ(10, a.datum.tag);
    ASSERT_TRUE(a.mit_zeit);
    EXPECT_EQ(22, a.zeit.stunde);
    EXPECT_EQ(0, a.zeit.minute);
    EXPECT_STREQ("M\xFCnchen", a.ort);
    EXPECT_EQ(60, a.feld);
    EXPECT_EQ(Farbschema::WEISS_AUF_SCHWARZ, a.schema);
    EXPECT_EQ(GROESSE_VORGABE, a.groesse);
    EXPECT_STREQ("", a.einstellungen);
    EXPECT_FALSE(a.hilfe);

    // The fewest: only the file; /größe spelled with its umlaut; a settings
    // file named without a folder is made whole against the current one.
    ASSERT_EQ(FERTIG, Zeile({"/karte", "karte.bmp", "/gr\xF6\xDF" "e", "1000", "/einstellungen", "Mein.ini"}).lesen(a, m)) << m;
    EXPECT_EQ(Bildart::BMP, a.art);
    EXPECT_EQ(1000, a.groesse);
    EXPECT_FALSE(a.mit_datum);
    EXPECT_FALSE(a.mit_zeit);
    EXPECT_EQ(0, a.feld);
    EXPECT_FALSE(a.schema.has_value());  // none: the command's scheme
    char erwartet[MAX_PATH];
    GetFullPathNameA("Mein.ini", sizeof erwartet, erwartet, nullptr);
    EXPECT_STREQ(erwartet, a.einstellungen);

    ASSERT_EQ(FERTIG, Zeile({"/?"}).lesen(a, m));
    EXPECT_TRUE(a.hilfe);
    // Asked for, the help comes whatever else the line holds.
    ASSERT_EQ(FERTIG, Zeile({"/karte", "x.png", "/farbe", "-Hilfe"}).lesen(a, m)) << m;
    EXPECT_TRUE(a.hilfe);
}

// /datum is taken to the day (any day 1800..2200, a date without a year in
// the current one), /zeit to the minute, /stunde as the full hour.
TEST(Schalter, DatumUndZeitGenau) {
    const struct {
        Zeile zeile;
        Datum datum;
        Uhrzeit zeit;
    } faelle[] = {
        {{"/karte", "a.bmp", "/datum", "10.12.2026", "/zeit", "22:07"}, {2026, 12, 10}, {22, 7}},
        {{"/karte", "a.bmp", "/datum", "29.2.2024", "/stunde", "5"}, {2024, 2, 29}, {5, 0}},
        {{"/karte", "a.bmp", "/datum", "1.1.1800", "/zeit", "0:00"}, {1800, 1, 1}, {0, 0}},
        {{"/karte", "a.bmp", "/datum", "2200-12-31", "/zeit", "23:59"}, {2200, 12, 31}, {23, 59}},
        {{"/karte", "a.bmp", "/datum", "8.1.", "/zeit", "7"}, {JAHR, 1, 8}, {7, 0}},
    };
    for (const auto& f : faelle) {
        Kartenauftrag a;
        std::string m;
        ASSERT_EQ(FERTIG, f.zeile.lesen(a, m)) << m;
        ASSERT_TRUE(a.mit_datum && a.mit_zeit);
        EXPECT_EQ(f.datum.jahr, a.datum.jahr);
        EXPECT_EQ(f.datum.monat, a.datum.monat);
        EXPECT_EQ(f.datum.tag, a.datum.tag);
        EXPECT_EQ(f.zeit.stunde, a.zeit.stunde);
        EXPECT_EQ(f.zeit.minute, a.zeit.minute);
    }
}

// Each bad line is refused with a line that names what is wrong.
TEST(Schalter, FalscheZeilenMitIhremGrund) {
    const std::string lang(DATEINAME_LAENGE, 'k');
    const struct {
        Zeile zeile;
        const char* steht_drin;
    } faelle[] = {
        {{}, "/karte"},
        {{"/datum", "1.1."}, "/karte"},
        {{"/farbe", "rot", "/karte", "a.bmp"}, "/farbe"},
        {{"/karte", "a.bmp", "nacht"}, "'nacht'"},
        {{"/karte"}, "/karte"},
        {{"/karte", "a.bmp", "/datum"}, "/datum"},
        {{"/karte", "a.bmp", "/datum", "/stunde", "3"}, "/datum"},
        {{"/karte:", "a.bmp"}, "/karte"},
        {{"/karte", "a.bmp", "/datum", "31.2."}, "'31.2.'"},
        {{"/karte", "a.bmp", "/stunde", "24"}, "'24'"},
        {{"/karte", "a.bmp", "/stunde", "-1"}, "'-1'"},
        {{"/karte", "a.bmp", "/stunde", "21:30"}, "'21:30'"},
        {{"/karte", "a.bmp", "/datum", "29.2.2026"}, "'29.2.2026'"},
        {{"/karte", "a.bmp", "/datum", "31.12.1799"}, "'31.12.1799'"},
        {{"/karte", "a.bmp", "/datum", "1.1.2201"}, "'1.1.2201'"},
        {{"/karte", "a.bmp", "/zeit", "24:00"}, "'24:00'"},
        {{"/karte", "a.bmp", "/zeit", "12:60"}, "'12:60'"},
        {{"/karte", "a.bmp", "/zeit", "12.30"}, "'12.30'"},
        {{"/karte", "a.bmp", "/zeit", "12:30", "/stunde", "3"}, "/stunde"},
        {{"/karte", "a.bmp", "/feld", "2"}, "3 und 180"},
        {{"/karte", "a.bmp", "/feld", "181"}, "'181'"},
        {{"/karte", "a.bmp", "/groesse", "99"}, "'99'"},
        {{"/karte", "a.bmp", "/groesse", "4001"}, "4000"},
        {{"/karte", "a.emf", "/groesse", "800"}, "/groesse"},
        {{"/karte", "a.bmp", "/schema", "weiss-auf-schwarz"}, ".emf"},
        {{"/karte", "a.bmp", "/schema", "bunt"}, "'bunt'"},
        {{"/karte", "a.emf", "/schema", "nacht"}, ".bmp"},
        {{"/karte", "a.png"}, "'a.png'"},
        {{"/karte", "Karten.bmp\\a"}, ".bmp"},
        {{"/karte", lang + ".bmp"}, "zu lang"},
        {{"/karte", "a.bmp", "/einstellungen", std::string(300, 'e') + ".ini"}, "zu lang"},
        {{"/karte", "a.bmp", "/ort", std::string(MAX_ORTSNAME + 1, 'o')}, "Orte.dat"},
        {{"/karte", "a.bmp", "/karte", "b.bmp"}, "zweimal"},
        {{"/", "/karte", "a.bmp"}, "'/'"},
    };
    for (const auto& f : faelle) {
        Kartenauftrag a;
        std::string m;
        EXPECT_EQ(FALSCHE_SCHALTER, f.zeile.lesen(a, m)) << m;
        EXPECT_NE(std::string::npos, m.find(f.steht_drin)) << m;
        EXPECT_EQ(std::string::npos, m.find('\n')) << "one line: " << m;
    }
}

// A message never writes past its buffer, however long the value.
TEST(Schalter, MeldungBleibtImPuffer) {
    const std::string lang(5000, 'x');
    std::vector<const char*> argv = {"Varnis32.exe", "/karte", "a.bmp", "/datum", lang.c_str()};
    Kartenauftrag a;
    char text[40];
    text[sizeof text - 1] = 'Z';
    EXPECT_EQ(FALSCHE_SCHALTER, schalter_lesen(static_cast<int>(argv.size()), argv.data(), JAHR, a, text, sizeof text - 1));
    EXPECT_EQ('Z', text[sizeof text - 1]);
    EXPECT_EQ(sizeof text - 2, strlen(text));
}

}  // namespace
