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
