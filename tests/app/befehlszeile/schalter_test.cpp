// The command line's switches and values read without running anything:
// dates to half-months, numbers within their ranges, whole lines that are
// orders for a chart, and lines that are refused with the switch named.
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "befehlszeile/schalter.h"
#include "befehlszeile/werte.h"

namespace {

TEST(Werte, DatumZumNaechstenHalbmonat) {
    const struct {
        const char* datum;
        int32_t halbmonat;
    } faelle[] = {
        {"1.1.", 0},    {"7.1.", 0},     {"8.1.", 1},      {"22.01.", 1},     {"23.1.", 2},
        {"15.3", 5},    {"31.12.", 0},   {"24.12.2026", 0}, {"10.12.2026", 23}, {"29.02.", 4},
        {"29.2.2024", 4}, {"2026-12-10", 23}, {"2024-02-29", 4}, {"01.06.0001", 10},
        // Not a date.
        {"", -1},       {"24", -1},      {"32.1.", -1},    {"0.1.", -1},      {"1.13.", -1},
        {"1.0.", -1},   {"30.2.", -1},   {"31.4.", -1},    {"29.2.2026", -1}, {"29.2.1900", -1},
        {"1.1.26", -1}, {"1.1.0", -1},   {"1.1.10000", -1}, {"1..", -1},      {"1.1.2026.", -1},
        {".1.", -1},    {"a.1.", -1},    {"1.1.20x6", -1}, {" 1.1.", -1},     {"+1.1.", -1},
        {"001.1.", -1}, {"2026-13-01", -1}, {"26-12-10", -1}, {"2026-12", -1}, {"2026-12-10-1", -1},
        {"2026-2-30", -1},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.halbmonat, halbmonat_lesen(f.datum)) << f.datum;
    EXPECT_EQ(-1, halbmonat_lesen(nullptr));
}

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
        const int32_t r = schalter_lesen(static_cast<int>(argv.size()), argv.data(), a, text, sizeof text);
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
    EXPECT_EQ(23, a.halbmonat);
    EXPECT_EQ(22, a.stunde);
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
    EXPECT_EQ(-1, a.halbmonat);
    EXPECT_EQ(-1, a.stunde);
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
        {{"/karte", "a.bmp", "/feld", "2"}, "3 und 180"},
        {{"/karte", "a.bmp", "/feld", "181"}, "'181'"},
        {{"/karte", "a.bmp", "/groesse", "99"}, "'99'"},
        {{"/karte", "a.bmp", "/groesse", "4001"}, "4000"},
        {{"/karte", "a.emf", "/groesse", "800"}, "/groesse"},
        {{"/karte", "a.bmp", "/schema", "weiss-auf-schwarz"}, ".emf"},
        {{"/karte", "a.bmp", "/schema", "bunt"}, "'bunt'"},
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
    EXPECT_EQ(FALSCHE_SCHALTER, schalter_lesen(static_cast<int>(argv.size()), argv.data(), a, text, sizeof text - 1));
    EXPECT_EQ('Z', text[sizeof text - 1]);
    EXPECT_EQ(sizeof text - 2, strlen(text));
}

}  // namespace
