// The dialogs' checks: what a user types is taken as values, or refused with
// a message that quotes it; a refused field leaves the values as they were.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "eingabe/pruefungen.h"
#include "gemeinsam/ui_texte.h"

namespace {

class Pruefungen : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(0, ui_texte_entschluesseln()); }
};

Eingabefeld feld(const char* text) {
    Eingabefeld f{"", "", nullptr, 0};
    snprintf(f.text, sizeof f.text, "%s", text);
    return f;
}

TEST_F(Pruefungen, DatumUndUhrzeit) {
    const struct {
        const char* datum;
        const char* zeit;
        bool gut;
        Datum erwartet;
        Uhrzeit um;
        const char* in_meldung;  // the text quoted when refused
    } faelle[] = {
        {"15.12.2026", "22:00", true, {2026, 12, 15}, {22, 0}, ""},
        {"1.1.1800", "0:00", true, {1800, 1, 1}, {0, 0}, ""},
        {"2200-12-31", "23:59", true, {2200, 12, 31}, {23, 59}, ""},
        {"29.2.", "7", true, {2028, 2, 29}, {7, 0}, ""},  // the shown year 2028
        {"29.2.2027", "22:00", false, {}, {}, "'29.2.2027'"},
        {"31.12.1799", "22:00", false, {}, {}, "'31.12.1799'"},
        {"1.1.2201", "22:00", false, {}, {}, "'1.1.2201'"},
        {"morgen", "22:00", false, {}, {}, "'morgen'"},
        {"15.12.2026", "24:00", false, {}, {}, "'24:00'"},
        {"15.12.2026", "22.30", false, {}, {}, "'22.30'"},
    };
    for (const auto& f : faelle) {
        const Eingabefeld felder[2] = {feld(f.datum), feld(f.zeit)};
        Datumseingabe e{2028, {1999, 9, 9}, {9, 9}};
        char meldung[200] = "";
        EXPECT_EQ(f.gut ? 0 : -1, datumseingabe_pruefen(felder, 2, meldung, sizeof meldung, &e)) << f.datum;
        if (f.gut) {
            EXPECT_EQ(f.erwartet.jahr, e.datum.jahr) << f.datum;
            EXPECT_EQ(f.erwartet.monat, e.datum.monat) << f.datum;
            EXPECT_EQ(f.erwartet.tag, e.datum.tag) << f.datum;
            EXPECT_EQ(f.um.stunde, e.zeit.stunde) << f.zeit;
            EXPECT_EQ(f.um.minute, e.zeit.minute) << f.zeit;
        } else {
            EXPECT_NE(std::string::npos, std::string(meldung).find(f.in_meldung)) << meldung;
        }
    }
}

TEST_F(Pruefungen, EigenerOrt) {
    const std::string lang(49, 'x');
    const struct {
        const char* name;
        const char* breite;
        const char* laenge;
        const char* zone;
        bool gut;
        int32_t breite_h, laenge_h;  // hundredths
        const char* in_meldung;
    } faelle[] = {
        {"Sternwarte", "48,14", "11.58", "Europe/Berlin", true, 4814, 1158, ""},
        {"Süd", " -34.93 ", "-180", "Australia/Adelaide", true, -3493, -18000, ""},
        {"", "1", "1", "UTC", false, 0, 0, "Name"},
        {"a;b", "1", "1", "UTC", false, 0, 0, "Name"},
        {lang.c_str(), "1", "1", "UTC", false, 0, 0, "Name"},
        {"Pol", "90", "0", "UTC", false, 0, 0, "'90'"},
        {"Ort", "12x", "0", "UTC", false, 0, 0, "'12x'"},
        {"Ort", "nan", "0", "UTC", false, 0, 0, "'nan'"},
        {"Ort", "10", "180.5", "UTC", false, 0, 0, "'180.5'"},
        {"Ort", "10", "", "UTC", false, 0, 0, "''"},
        {"Ort", "10", "10", "", false, 0, 0, "Zeitzone"},
    };
    for (const auto& f : faelle) {
        const Eingabefeld felder[4] = {feld(f.name), feld(f.breite), feld(f.laenge), feld(f.zone)};
        Ortseingabe e{0, 0};
        char meldung[200] = "";
        EXPECT_EQ(f.gut ? 0 : -1, ortseingabe_pruefen(felder, 4, meldung, sizeof meldung, &e)) << f.name;
        if (f.gut) {
            EXPECT_EQ(f.breite_h, e.breite) << f.breite;
            EXPECT_EQ(f.laenge_h, e.laenge) << f.laenge;
        } else {
            EXPECT_NE(std::string::npos, std::string(meldung).find(f.in_meldung)) << meldung;
        }
    }
}

}  // namespace
