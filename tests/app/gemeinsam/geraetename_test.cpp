// File names that Windows keeps for its devices.
#include <gtest/gtest.h>

#include "gemeinsam/geraetename.h"

namespace {

TEST(Geraetename, DevicesWithAnyEndingInAnyFolder) {
    const struct {
        const char* pfad;
        bool geraet;
    } faelle[] = {
        {"NUL", true},
        {"NUL.bmp", true},
        {"nul.BMP", true},
        {"Con.emf", true},
        {"PRN.tar.gz", true},            // the name ends at the first dot
        {"AUX .bmp", true},              // blanks before the ending do not count
        {"com1.bmp", true},
        {"COM9.emf", true},
        {"LPT5.bmp", true},
        {"COM\xB9.bmp", true},           // superscript one, Windows-1252
        {"C:\\Karten\\NUL.bmp", true},   // the last component counts
        {"C:NUL.bmp", true},
        {"karten/con.bmp", true},
        {"\\\\.\\NUL", true},
        {"COM0.bmp", false},
        {"COM10.bmp", false},
        {"LPT.bmp", false},
        {"NULL.bmp", false},
        {"NUL1.bmp", false},
        {"Konsole.bmp", false},
        {"xNUL.bmp", false},
        {"NUL\\karte.bmp", false},       // a folder of that name is not the target
        {"karte.nul", false},
        {".bmp", false},
        {"", false},
        {nullptr, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f.geraet, geraetename(f.pfad)) << (f.pfad ? f.pfad : "(null)");
}

}  // namespace
