// A chart file from the command line onto a full disk. This program, and
// the Varnis32.exe it starts, run with files limited to 16 KB (see
// CMakeLists.txt): both pictures are larger, so their writes stop short, as
// on a disk that fills up.
#include <gtest/gtest.h>

#include "karten_umgebung.h"
#include "lauf.h"

namespace {

TEST(BefehlszeileVollePlatte, NichtGeschriebenUndNichtsHalbes) {
    Temp_Ordner o;
    for (const char* name : {"gross.bmp", "gross.emf"}) {
        const std::string karte = o.datei(name);
        const Lauf lauf = ausfuehren(varnis32(), {"/karte", karte}, o.pfad());
        ASSERT_TRUE(lauf.beendet) << name;
        EXPECT_EQ(3u, lauf.code) << name << ": " << lauf.fehler;
        EXPECT_NE(std::string::npos, lauf.fehler.find("kein Platz")) << lauf.fehler;
        EXPECT_FALSE(vorhanden(karte)) << name;
    }
}

}  // namespace
