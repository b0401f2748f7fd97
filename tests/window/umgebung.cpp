#include "umgebung.h"

void FensterTest::SetUp() {
    instanz = new Instanz(GetModuleHandleA(nullptr), nullptr, "Test", "Test.hlp", nullptr, nullptr);
    instanz->fenster_registrieren();
}

void FensterTest::TearDown() {
    delete instanz;
    // A test that closed a main window leaves the quit message behind.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void FensterTest::pumpen(int runden) {
    for (int i = 0; i < runden; ++i) {
        instanz->meldungen();
        Sleep(5);
    }
}

int32_t nur_rot(const std::vector<uint32_t>& pixel, const char* was) {
    int32_t text = 0;
    for (uint32_t p : pixel) {
        const uint32_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
        EXPECT_LE(8 * g, r) << was << " " << std::hex << p;
        EXPECT_LE(8 * b, r) << was << " " << std::hex << p;
        if (8 * (g | b) > r) return -1;
        text += r == 160;
    }
    return text;
}
