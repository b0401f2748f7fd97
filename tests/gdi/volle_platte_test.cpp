// A bitmap file onto a full disk. This program runs with its files limited
// to 16 KB (see CMakeLists.txt), so a larger picture stops partway with a
// short write, as on a disk that fills up while the file is written.
#include "dib.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ini_datei.h"

namespace {

TEST(DibVollePlatte, AShortWriteIsAFailureAndTheOldFileStaysWhole) {
    char ordner[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(sizeof ordner, ordner));
    const std::string pfad = std::string(ordner) + "varnis_volle_platte_" +
                             std::to_string(GetCurrentProcessId()) + ".bmp";
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(400, 300, 8, 0, 0));  // 120 KB of pixels
    bild.fuellen(0);
    EXPECT_EQ(DIB::SPEICHERN_KURZ, bild.speichern(pfad.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pfad.c_str()));
    EXPECT_EQ(0, ersatz_reste(ordner));

    // A small picture fits under the limit and is written whole.
    DIB klein;
    ASSERT_EQ(0, klein.erzeugen(40, 30, 8, 0, 0));
    klein.fuellen(3);
    EXPECT_EQ(0, klein.speichern(pfad.c_str()));
    const std::string alt = datei_lesen(pfad);
    ASSERT_GT(alt.size(), 1000u);

    // The large one over it stops short: the small one stays, byte for byte.
    EXPECT_EQ(DIB::SPEICHERN_KURZ, bild.speichern(pfad.c_str()));
    EXPECT_EQ(alt, datei_lesen(pfad));
    EXPECT_EQ(0, ersatz_reste(ordner));
    DeleteFileA(pfad.c_str());
}

}  // namespace
