// A chart file from the command line onto a full disk. This program, and
// the Varnis32.exe it starts, run with files limited to 16 KB (see
// CMakeLists.txt): both pictures are larger, so their writes stop short, as
// on a disk that fills up. An old file of the name keeps its bytes.
#include <gtest/gtest.h>

#include <cstdio>

#include "ini_datei.h"
#include "karten_umgebung.h"
#include "lauf.h"

namespace {

TEST(BefehlszeileVollePlatte, NichtGeschriebenUndNichtsHalbes) {
    Temp_Ordner o;
    for (const bool alt_da : {false, true}) {
        for (const char* name : {"gross.bmp", "gross.emf"}) {
            SCOPED_TRACE(std::string(name) + (alt_da ? " over an old file" : ""));
            const std::string karte = o.datei(name);
            const std::string alt = "die alte Karte";
            if (alt_da) {
                FILE* f = fopen(karte.c_str(), "wb");
                ASSERT_NE(f, nullptr);
                fputs(alt.c_str(), f);
                fclose(f);
            }
            const Lauf lauf = ausfuehren(varnis32(), {"/karte", karte}, o.pfad());
            ASSERT_TRUE(lauf.beendet);
            EXPECT_EQ(3u, lauf.code) << lauf.fehler;
            EXPECT_NE(std::string::npos, lauf.fehler.find("kein Platz")) << lauf.fehler;
            EXPECT_EQ(alt_da ? alt : "", datei_lesen(karte));
            EXPECT_EQ(alt_da, vorhanden(karte));
        }
    }
    // Nothing begun remains beside the files (the program's process ids
    // are not known here: any name of the pattern counts).
    WIN32_FIND_DATAA eintrag;
    const HANDLE suche = FindFirstFileA(o.datei("~vr*.tmp").c_str(), &eintrag);
    EXPECT_EQ(INVALID_HANDLE_VALUE, suche);
    if (suche != INVALID_HANDLE_VALUE) FindClose(suche);
}

}  // namespace
