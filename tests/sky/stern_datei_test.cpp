#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "datei_befund.h"
#include "dateien.h"
#include "himmel.h"

namespace {
int32_t summe(const Himmel& h) {
    int32_t n = 0;
    for (int k = 0; k < KLASSEN; ++k) n += h.anzahl[k];
    return n;
}

// The record of the one star loaded with the name line zeile; null when it failed.
const SternSatz* satz_mit(const std::string& zeile) {
    static Himmel h;
    EXPECT_EQ(h.stern_datei_laden(datei(eintrag(Stern(7, 100).name(zeile))).c_str()), 0);
    EXPECT_EQ(h.anzahl[30], 1);
    return h.anzahl[30] == 1 ? &h.stern_saetze[30][0] : nullptr;
}
}  // namespace

TEST(SternDatei, MissingFileLeavesTheCatalogueUnchanged) {
    Himmel h;
    ASSERT_EQ(h.stern_datei_laden(datei(sternliste({Stern(5, 0)})).c_str()), 0);
    EXPECT_EQ(h.stern_datei_laden("gibt_es_nicht/VARNIS.DAT"), -1);
    EXPECT_EQ(h.anzahl[20], 1);
    EXPECT_EQ(h.stern_saetze[20][0].nummer, 5);
}

TEST(SternDatei, StarsGroupByClassInFileOrder) {
    // Class 3 after class 10 in the file: the class-3 stars keep their own order.
    Himmel h;
    const std::string b = sternliste({Stern(1, -170), Stern(2, -100), Stern(3, -165),
                                      Stern(4, -100), Stern(5, -161), Stern(6, 999)});
    ASSERT_EQ(h.stern_datei_laden(datei(b).c_str()), 0);
    EXPECT_EQ(summe(h), 6);
    ASSERT_EQ(h.anzahl[3], 3);
    EXPECT_EQ(h.stern_saetze[3][0].nummer, 1);
    EXPECT_EQ(h.stern_saetze[3][1].nummer, 3);
    EXPECT_EQ(h.stern_saetze[3][2].nummer, 5);
    ASSERT_EQ(h.anzahl[10], 2);
    EXPECT_EQ(h.stern_saetze[10][0].nummer, 2);
    EXPECT_EQ(h.stern_saetze[10][1].nummer, 4);
    ASSERT_EQ(h.anzahl[99], 1);
    EXPECT_EQ(int{h.stern_saetze[99][0].helligkeit}, 999);
}

TEST(SternDatei, RecordBytesAreKeptAsStored) {
    Himmel h;
    Stern s(4711, -146);
    s.bezeichnung = " 9alf CMa";
    s.spektrum = 'A';
    s.ort(6, 45, 8, 9, true, 16, 42, 58);
    ASSERT_EQ(h.stern_datei_laden(datei(eintrag(s)).c_str()), 0);
    ASSERT_EQ(h.anzahl[5], 1);
    const SternSatz& r = h.stern_saetze[5][0];
    EXPECT_EQ(r.nummer, 4711);
    EXPECT_STREQ(r.bezeichnung, " 9alf CMa ");
    EXPECT_EQ(r.rekt_h, 6);
    EXPECT_EQ(r.rekt_z, 9);
    EXPECT_EQ(r.dekl_vz, 0x80);
    EXPECT_EQ(r.dekl_s, 58);
    EXPECT_EQ(int{r.helligkeit}, -146);
    EXPECT_EQ(r.spektrum, 'A');
}

TEST(SternDatei, ProperNameIsTheFirstPieceOfTheLineAndTheIauFormTheSecond) {
    const struct { const char* zeile; const char* name; const char* iau; } faelle[] = {
        {"Alchor;\r\n", "Alchor", ""},
        {";Alchor;\r\n", "Alchor", ""},
        {"Sirius", "Sirius", ""},  // last line without a line end
        {"Beteigeuze\r\n", "Beteigeuze", ""},
        {"Wega;Vega\r\n", "Wega", "Vega"},  // the shown form first, the IAU's after the ";"
        {"Alkor;Alcor\r\n", "Alkor", "Alcor"},
        {"Wega; Vega\r\n", "Wega", ""},  // a blank second field is absent
        {"Wega;Vega;Weiteres\r\n", "Wega", "Vega"},
        {"\r\n", nullptr, ""},
        {";\r\n", nullptr, ""},
        {" Wega\r\n", nullptr, ""},
    };
    for (const auto& f : faelle) {
        const SternSatz* s = satz_mit(f.zeile);
        ASSERT_NE(s, nullptr) << f.zeile;
        if (f.name == nullptr)
            EXPECT_EQ(s->eigenname, nullptr) << f.zeile;
        else
            EXPECT_STREQ(s->eigenname, f.name) << f.zeile;
        EXPECT_STREQ(iau_name(*s), f.iau) << f.zeile;
    }
}

TEST(SternDatei, DeclinationSignIsBitSeven) {
    const struct { uint8_t vz; bool sued; } faelle[] = {
        {0x00, false}, {0x2D, false}, {0x7F, false}, {0x80, true}, {0xFF, true}};
    for (const auto& f : faelle) {
        Himmel h;
        Stern s(1, 100);
        s.ort(0, 0, 0, 0, false, 30, 0, 0);
        s.dekl_vz = f.vz;
        ASSERT_EQ(h.stern_datei_laden(datei(eintrag(s)).c_str()), 0);
        EXPECT_NEAR(h.vektoren[30][0].z, f.sued ? -0.5 : 0.5, 1e-6) << int(f.vz);
    }
}

TEST(SternDatei, UnitVectors) {
    const struct { Stern s; float x, y, z; } faelle[] = {
        {Stern(1, 100).ort(6, 0, 0, 0, false, 0, 0, 0), 0, 1, 0},
        {Stern(2, 100).ort(0, 0, 0, 0, true, 0, 0, 0), 1, 0, 0},  // south sign at 0 degrees
        {Stern(3, 100).ort(17, 31, 12, 4, false, 90, 0, 0), 0, 0, 1},
        {Stern(4, 100).ort(12, 0, 0, 0, true, 45, 0, 0), -0.70710678f, 0, -0.70710678f},
        {Stern(5, 100).ort(1, 30, 0, 0, false, 0, 30, 0), 0.92384429f, 0.38266886f, 0.00872654f},
    };
    for (const auto& f : faelle) {
        Himmel h;
        ASSERT_EQ(h.stern_datei_laden(datei(eintrag(f.s)).c_str()), 0);
        const Vektor3 v = h.vektoren[30][0];
        EXPECT_NEAR(v.x, f.x, 1e-6) << f.s.nummer;
        EXPECT_NEAR(v.y, f.y, 1e-6) << f.s.nummer;
        EXPECT_NEAR(v.z, f.z, 1e-6) << f.s.nummer;
    }
}

TEST(SternDatei, OnlyAFileOfWholeEntriesLoads) {
    const std::string zwei = sternliste({Stern(1, 100), Stern(2, 100)});
    const struct { size_t laenge; int32_t ergebnis; int32_t sterne; } faelle[] = {
        {0, DATEI_LEER, 0},
        {10, DATEI_ABGESCHNITTEN, 0},           // inside the first record
        {24, DATEI_ABGESCHNITTEN, 0},           // a record without its line
        {25, 0, 1},                             // the line end cut after CR
        {26 + 24, DATEI_ABGESCHNITTEN, 0},      // the second record without its line
        {26 + 24 + 1, 0, 2},
    };
    for (const auto& f : faelle) {
        Himmel h;
        EXPECT_EQ(h.stern_datei_laden(datei(zwei.substr(0, f.laenge)).c_str()), f.ergebnis) << f.laenge;
        EXPECT_EQ(summe(h), f.sterne) << f.laenge;
    }
}

TEST(SternDatei, DamagedFileLeavesNoStars) {
    // Each case replaces a loaded catalogue: nothing of it, nor of the
    // damaged file, stays, and the caller learns what is wrong.
    const std::string gut = sternliste({Stern(1, 100), Stern(2, 200)});
    const struct { const char* fall; std::string bytes; int32_t ergebnis; } faelle[] = {
        {"empty", "", DATEI_LEER},
        {"only numbers outside 1..9999", sternliste({Stern(0, 100), Stern(10000, 100)}), DATEI_LEER},
        {"cut inside the last record", gut + eintrag(Stern(3, 100)).substr(0, 23), DATEI_ABGESCHNITTEN},
        {"hour 24", gut + eintrag(Stern(3, 100).ort(24, 0, 0, 0, false, 0, 0, 0)), DATEI_WERT_FALSCH},
        {"minute 60", eintrag(Stern(3, 100).ort(1, 60, 0, 0, false, 0, 0, 0)), DATEI_WERT_FALSCH},
        {"second -1", eintrag(Stern(3, 100).ort(1, 0, -1, 0, false, 0, 0, 0)), DATEI_WERT_FALSCH},
        {"tenth 10", eintrag(Stern(3, 100).ort(1, 0, 0, 10, false, 0, 0, 0)), DATEI_WERT_FALSCH},
        {"degree 91", eintrag(Stern(3, 100).ort(1, 0, 0, 0, true, 91, 0, 0)), DATEI_WERT_FALSCH},
        {"arcminute 60", eintrag(Stern(3, 100).ort(1, 0, 0, 0, false, 0, 60, 0)), DATEI_WERT_FALSCH},
        {"arcsecond 60", eintrag(Stern(3, 100).ort(1, 0, 0, 0, false, 0, 0, 60)), DATEI_WERT_FALSCH},
        // The rest of a line beyond 98 bytes is read as the next record.
        {"name line too long", eintrag(Stern(3, 100).name(std::string(130, 'N') + "\r\n")),
         DATEI_WERT_FALSCH},
        {"random 100 bytes", zufall(100, 1), 0},
        {"random 4 KB", zufall(4096, 2), 0},
        {"random 64 KB", zufall(65536, 3), 0},
    };
    for (const auto& f : faelle) {
        Himmel h;
        ASSERT_EQ(h.stern_datei_laden(datei(gut, "gut.dat").c_str()), 0);
        h.wahl_klasse = 30;
        const int32_t ergebnis = h.stern_datei_laden(datei(f.bytes).c_str());
        if (f.ergebnis != 0) {  // random bytes: whichever fault comes first
            EXPECT_EQ(ergebnis, f.ergebnis) << f.fall;
        }
        EXPECT_TRUE(datei_beschaedigt(ergebnis)) << f.fall << ": " << ergebnis;
        EXPECT_STRNE(befund_text(ergebnis), "") << f.fall;
        EXPECT_EQ(summe(h), 0) << f.fall;
        EXPECT_EQ(h.wahl_klasse, -1) << f.fall;
    }
}

TEST(SternDatei, StarNumbersOutsideTheTablesAreNotLoaded) {
    Himmel h;
    const std::string b =
        sternliste({Stern(0, 100), Stern(-5, 100), Stern(10000, 100), Stern(32767, 100),
                    Stern(1, 100), Stern(9999, 100)});
    ASSERT_EQ(h.stern_datei_laden(datei(b).c_str()), 0);
    ASSERT_EQ(summe(h), 2);
    for (int32_t i = 0; i < h.anzahl[30]; ++i)
        EXPECT_TRUE(nummer_gueltig(h.stern_saetze[30][i].nummer));
}

TEST(SternDatei, LongLinesAndUnterminatedDesignationsStayBounded) {
    // A designation without its NUL and a 98-byte name line without separators.
    std::string b = eintrag(Stern(3, 100).name(std::string(98, 'N')));
    b[12] = 'X';
    Himmel h;
    ASSERT_EQ(h.stern_datei_laden(datei(b).c_str()), 0);
    ASSERT_EQ(h.anzahl[30], 1);
    EXPECT_EQ(std::strlen(h.stern_saetze[30][0].bezeichnung), 10u);
    EXPECT_EQ(std::strlen(h.stern_saetze[30][0].eigenname), 98u);
}

TEST(SternDatei, LoadingAgainReplacesTheCatalogue) {
    // Names of the first load are freed (the sanitizer build reports leaks),
    // the selection and the computed flags are cleared.
    Himmel h;
    ASSERT_EQ(h.stern_datei_laden(datei(sternliste({Stern(1, 100).name("Eins\r\n"),
                                                     Stern(2, 100).name("Zwei\r\n")}), "1.dat")
                                      .c_str()), 0);
    h.berechnet[1] = 1;
    h.wahl_klasse = 30;
    h.wahl_index = 1;
    ASSERT_EQ(h.stern_datei_laden(datei(sternliste({Stern(3, 500).name("Drei\r\n")}), "2.dat")
                                      .c_str()), 0);
    EXPECT_EQ(summe(h), 1);
    EXPECT_EQ(h.anzahl[30], 0);
    EXPECT_STREQ(h.stern_saetze[70][0].eigenname, "Drei");
    EXPECT_EQ(h.berechnet[1], 0);
    EXPECT_EQ(h.wahl_klasse, -1);
    EXPECT_STREQ(h.stern_text(1), "");
}
