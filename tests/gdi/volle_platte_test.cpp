// A bitmap file onto a full disk. This program runs with its files limited
// to 16 KB (see CMakeLists.txt), so a larger picture stops partway with a
// short write, as on a disk that fills up while the file is written.
#include "dib.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

TEST(DibVollePlatte, AShortWriteIsAFailureAndThePartialFileGoes) {
    char ordner[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(sizeof ordner, ordner));
    const std::string pfad = std::string(ordner) + "varnis_volle_platte_" +
                             std::to_string(GetCurrentProcessId()) + ".bmp";
    DIB bild;
    ASSERT_EQ(0, bild.erzeugen(400, 300, 8, 0, 0));  // 120 KB of pixels
    bild.fuellen(0);
    EXPECT_EQ(DIB::SPEICHERN_KURZ, bild.speichern(pfad.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pfad.c_str()));

    // A small picture fits under the limit and is written whole.
    ASSERT_EQ(0, bild.erzeugen(40, 30, 8, 0, 0));
    bild.fuellen(0);
    EXPECT_EQ(0, bild.speichern(pfad.c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pfad.c_str()));
    DeleteFileA(pfad.c_str());
}

}  // namespace
