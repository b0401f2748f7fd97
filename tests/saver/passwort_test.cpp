// The password calls of the non-NT systems through their libraries, with the
// platform question answered by the test and a stand-in library that notes
// how it was called.
#include <gtest/gtest.h>

#include <string>

#include "passwort_attrappe.h"
#include "schale.h"

namespace {

std::string windows_pfad(std::string pfad) {
    for (char& c : pfad) if (c == '\\' || c == '/') c = '\\';
    return pfad;
}

const std::string ATTRAPPE = windows_pfad(ATTRAPPE_DLL);
constexpr const char* FEHLT = "Z:\\kein\\solches\\verzeichnis\\PASSWORD.CPL";
constexpr const char* OHNE_EXPORT = "kernel32.dll";  // there, without either export

bool nt = false;
bool plattform() { return nt; }

class Passwort : public ::testing::Test {
protected:
    void SetUp() override {
        ScrBefehlszeile(GetModuleHandleA(nullptr), "VarnisBSSPasswort", "Varnis", DefWindowProcA);
        scr_zustand.nt_plattform = plattform;
        nt = false;
        bibliothek = LoadLibraryA(ATTRAPPE.c_str());
        ASSERT_NE(bibliothek, nullptr) << ATTRAPPE;
        const auto holen = reinterpret_cast<AttrappeProz>(
            reinterpret_cast<void (*)()>(GetProcAddress(bibliothek, "attrappe")));
        ASSERT_NE(holen, nullptr);
        stand = holen();
        *stand = AttrappenStand{TRUE, 0, nullptr, 0, "", nullptr, 99, 99};
    }
    void TearDown() override { FreeLibrary(bibliothek); }

    HMODULE bibliothek = nullptr;
    AttrappenStand* stand = nullptr;
};

TEST_F(Passwort, NtAsksNoLibrary) {
    nt = true;
    scr_zustand.pruef_bibliothek = ATTRAPPE.c_str();
    EXPECT_EQ(ScrPasswortPruefen(nullptr), 1);
    EXPECT_EQ(stand->pruefungen, 0);
    EXPECT_TRUE(ScrNtPlattform()) << "Wine reports the NT family";
}

TEST_F(Passwort, MissingLibraryOrExportLetsTheSaverClose) {
    for (const char* fehlt : {FEHLT, OHNE_EXPORT}) {
        scr_zustand.pruef_bibliothek = fehlt;
        EXPECT_EQ(ScrPasswortPruefen(nullptr), 1) << fehlt;
    }
    EXPECT_EQ(stand->pruefungen, 0);
}

TEST_F(Passwort, TheVerifiersAnswerIsPassedOn) {
    scr_zustand.pruef_bibliothek = ATTRAPPE.c_str();
    const HWND fenster = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x1234));
    for (BOOL antwort : {FALSE, TRUE, 7}) {
        stand->antwort = antwort;
        EXPECT_EQ(ScrPasswortPruefen(fenster), antwort);
    }
    EXPECT_EQ(stand->pruefungen, 3);
    EXPECT_EQ(stand->pruef_fenster, fenster);
}

TEST_F(Passwort, ChangeCallsTheLibraryForTheSaverWithTheParent) {
    scr_zustand.aender_bibliothek = ATTRAPPE.c_str();
    scr_zustand.eltern_fenster = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x4321));
    ScrPasswortAendern();
    EXPECT_EQ(stand->aenderungen, 1);
    EXPECT_STREQ(stand->aender_anbieter, "SCRSAVE");
    EXPECT_EQ(stand->aender_fenster, scr_zustand.eltern_fenster);
    EXPECT_EQ(stand->aender_wert1, 0u);
    EXPECT_EQ(stand->aender_wert2, 0u);

    for (const char* fehlt : {FEHLT, OHNE_EXPORT}) {
        scr_zustand.aender_bibliothek = fehlt;
        ScrPasswortAendern();  // nothing to call: nothing happens
    }
    EXPECT_EQ(stand->aenderungen, 1);
}

}  // namespace
