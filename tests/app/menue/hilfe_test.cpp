// The help and end commands: the help file opened in the program folder, the
// end posted to the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "menue/hilfe.h"

namespace {

struct Geoeffnet {
    HWND besitzer;
    std::string datei, verzeichnis;
    int anzahl = 0;
} geoeffnet;

intptr_t merken(HWND besitzer, const char* datei, const char* verzeichnis) {
    geoeffnet = {besitzer, datei, verzeichnis, geoeffnet.anzahl + 1};
    return 42;
}

TEST(Hilfe, OpensTheHelpFileInTheProgramFolder) {
    geoeffnet = {};
    HWND fenster = reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234));
    EXPECT_EQ(42, hilfe_oeffnen(fenster, "C:\\Programme\\Varnis", merken));
    EXPECT_EQ(fenster, geoeffnet.besitzer);
    EXPECT_EQ("C:\\Programme\\Varnis\\Varnis.hlp", geoeffnet.datei);
    EXPECT_EQ("C:\\Programme\\Varnis", geoeffnet.verzeichnis);

    const std::string lang(260, 'x');
    EXPECT_EQ(0, hilfe_oeffnen(fenster, lang.c_str(), merken));
    EXPECT_EQ(1, geoeffnet.anzahl) << "a cut path opens nothing";
}

TEST(Beenden, PostsCloseToTheMainWindow) {
    HWND haupt = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_TRUE(haupt);
    programm_beenden(haupt);
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, haupt, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_TRUE(IsWindow(haupt)) << "posted, not sent";
    DestroyWindow(haupt);
}

}  // namespace
