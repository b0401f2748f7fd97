// The 64-bit archive as a user uses it: unpacked into a fresh folder (the
// fixture release_entpackt), Varnis32.exe started from there draws its chart
// and, closed, writes its settings beside itself.
#include <gtest/gtest.h>

#include <windows.h>

#include "varnis_start.h"

namespace {

bool da(const std::string& pfad) { return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(Zip64, VarnisStartsFromTheUnpackedFolderDrawsAndKeepsItsSettingsThere) {
    const std::string ordner = windows_pfad(ENTPACKT_64) + "\\Varnis";
    ASSERT_TRUE(da(ordner + "\\Varnis32.exe")) << ordner;
    ASSERT_FALSE(da(ordner + "\\Varnis.ini")) << "the folder is not fresh";
    VarnisStart varnis(ordner + "\\Varnis32.exe", ordner);
    ASSERT_TRUE(varnis.gestartet());
    ASSERT_NE(varnis.hauptfenster(), nullptr);
    EXPECT_TRUE(varnis.karte_gezeichnet());
    EXPECT_TRUE(varnis.schliessen());
    EXPECT_TRUE(da(ordner + "\\Varnis.ini"));
}

}  // namespace
