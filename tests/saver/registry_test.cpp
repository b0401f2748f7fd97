#include <gtest/gtest.h>

#include <cstring>

#include "schale.h"

namespace {

constexpr const char* SCHLUESSEL = "Software\\Microsoft\\Windows\\CurrentVersion\\Screen Savers";
const char* const NAMEN[] = {"Password Delay", "Mouse Threshold", "Mute Sound"};

// The user's three values, put back as they were when the test ends.
class Werte {
public:
    Werte() {
        RegCreateKeyExA(HKEY_CURRENT_USER, SCHLUESSEL, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &schluessel, nullptr);
        for (int i = 0; i < 3; ++i) {
            DWORD groesse = sizeof alt[i].daten;
            alt[i].da = RegQueryValueExA(schluessel, NAMEN[i], nullptr, &alt[i].typ, alt[i].daten,
                                         &groesse) == ERROR_SUCCESS;
            alt[i].groesse = groesse;
            RegDeleteValueA(schluessel, NAMEN[i]);
        }
    }
    ~Werte() {
        for (int i = 0; i < 3; ++i) {
            if (alt[i].da) {
                RegSetValueExA(schluessel, NAMEN[i], 0, alt[i].typ, alt[i].daten, alt[i].groesse);
            } else {
                RegDeleteValueA(schluessel, NAMEN[i]);
            }
        }
        RegCloseKey(schluessel);
    }
    void zahl(int i, DWORD wert) {
        RegSetValueExA(schluessel, NAMEN[i], 0, REG_DWORD, reinterpret_cast<BYTE*>(&wert), sizeof wert);
    }
    void text(int i, const char* wert) {
        RegSetValueExA(schluessel, NAMEN[i], 0, REG_SZ, reinterpret_cast<const BYTE*>(wert),
                       static_cast<DWORD>(strlen(wert) + 1));
    }

private:
    HKEY schluessel = nullptr;
    struct {
        bool da;
        DWORD typ, groesse;
        BYTE daten[256];
    } alt[3];
};

TEST(Registry, ValuesReplaceTheirDefaultsOneByOne) {
    Werte werte;
    scr_zustand.passwort_verzoegerung = 1;
    scr_zustand.maus_schwelle = 2;
    scr_zustand.ton_aus = 3;
    ScrRegistryLesen();
    EXPECT_EQ(scr_zustand.passwort_verzoegerung, 15u);
    EXPECT_EQ(scr_zustand.maus_schwelle, 50u);
    EXPECT_EQ(scr_zustand.ton_aus, 0u);

    werte.zahl(0, 30);
    werte.zahl(2, 1);
    ScrRegistryLesen();
    EXPECT_EQ(scr_zustand.passwort_verzoegerung, 30u);
    EXPECT_EQ(scr_zustand.maus_schwelle, 50u);
    EXPECT_EQ(scr_zustand.ton_aus, 1u);

    werte.zahl(1, 7);
    ScrRegistryLesen();
    EXPECT_EQ(scr_zustand.maus_schwelle, 7u);
}

TEST(Registry, AValueShorterThanFourBytesKeepsTheDefault) {
    Werte werte;
    werte.text(1, "5");  // two bytes: '5' and the terminator
    ScrRegistryLesen();
    EXPECT_EQ(scr_zustand.maus_schwelle, 50u);
}

}  // namespace
