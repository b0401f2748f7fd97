#include <gtest/gtest.h>

#include "eingabe.h"

namespace {

struct DatumsFall {
    const char* text;
    int32_t ergebnis;
    Datum datum;  // when ZEIT_OK
};

// The shown year is 2027 where the text gives none.
TEST(Eingabe, DatumInDenDreiFormenMitPruefung) {
    const DatumsFall faelle[] = {
        {"15.12.2026", ZEIT_OK, {2026, 12, 15}},
        {" 1.2.1800 ", ZEIT_OK, {1800, 2, 1}},
        {"2200-12-31", ZEIT_OK, {2200, 12, 31}},
        {"2024-2-29", ZEIT_OK, {2024, 2, 29}},
        {"15.12.", ZEIT_OK, {2027, 12, 15}},
        {"29.02.2000", ZEIT_OK, {2000, 2, 29}},  // divisible by 400: a leap year
        {"31.04.2026", ZEIT_UNMOEGLICH, {}},
        {"29.02.2027", ZEIT_UNMOEGLICH, {}},
        {"29.02.", ZEIT_UNMOEGLICH, {}},         // 2027 has none
        {"29.02.1900", ZEIT_UNMOEGLICH, {}},     // a century, not a leap year
        {"0.1.2026", ZEIT_UNMOEGLICH, {}},
        {"1.13.2026", ZEIT_UNMOEGLICH, {}},
        {"2026-00-10", ZEIT_UNMOEGLICH, {}},
        {"31.12.1799", ZEIT_BEREICH, {}},
        {"2201-01-01", ZEIT_BEREICH, {}},
        {"", ZEIT_FORM, {}},
        {"15.12", ZEIT_FORM, {}},
        {"15.12.26", ZEIT_FORM, {}},             // two-digit years are not guessed
        {"15.12.20260", ZEIT_FORM, {}},
        {"123.1.2026", ZEIT_FORM, {}},
        {"2026/12/15", ZEIT_FORM, {}},
        {"15.12.2026x", ZEIT_FORM, {}},
        {"-1.12.2026", ZEIT_FORM, {}},
        {"15. 12. 2026", ZEIT_FORM, {}},
    };
    for (const DatumsFall& f : faelle) {
        Datum d{1, 1, 1};
        EXPECT_EQ(datum_lesen(f.text, 2027, d), f.ergebnis) << f.text;
        if (f.ergebnis == ZEIT_OK) {
            EXPECT_EQ(d.jahr, f.datum.jahr) << f.text;
            EXPECT_EQ(d.monat, f.datum.monat) << f.text;
            EXPECT_EQ(d.tag, f.datum.tag) << f.text;
        } else {
            EXPECT_EQ(d.jahr, 1) << f.text << ": unchanged on an error";
        }
    }
    Datum d{};
    EXPECT_EQ(datum_lesen("15.12.", 1799, d), ZEIT_BEREICH);
    EXPECT_EQ(datum_lesen(nullptr, 2027, d), ZEIT_FORM);
}

TEST(Eingabe, UhrzeitAlsStundeOderStundeUndMinute) {
    struct Fall {
        const char* text;
        int32_t ergebnis, stunde, minute;
    };
    const Fall faelle[] = {
        {"22:00", ZEIT_OK, 22, 0}, {"7:05", ZEIT_OK, 7, 5},     {" 0 ", ZEIT_OK, 0, 0},
        {"23:59", ZEIT_OK, 23, 59}, {"9", ZEIT_OK, 9, 0},       {"24:00", ZEIT_UNMOEGLICH, 0, 0},
        {"24", ZEIT_UNMOEGLICH, 0, 0}, {"12:60", ZEIT_UNMOEGLICH, 0, 0}, {"12:5", ZEIT_FORM, 0, 0},
        {"12:", ZEIT_FORM, 0, 0},  {"123", ZEIT_FORM, 0, 0},    {"12.30", ZEIT_FORM, 0, 0},
        {"", ZEIT_FORM, 0, 0},     {"12:300", ZEIT_FORM, 0, 0}, {"x", ZEIT_FORM, 0, 0},
    };
    for (const Fall& f : faelle) {
        Uhrzeit z{-1, -1};
        EXPECT_EQ(uhrzeit_lesen(f.text, z), f.ergebnis) << f.text;
        if (f.ergebnis == ZEIT_OK) {
            EXPECT_EQ(z.stunde, f.stunde) << f.text;
            EXPECT_EQ(z.minute, f.minute) << f.text;
        } else {
            EXPECT_EQ(z.stunde, -1) << f.text << ": unchanged on an error";
        }
    }
}

}  // namespace
