#include <gtest/gtest.h>

#include <string>

#include "befehlszeile.h"

TEST(Befehlszeile, SwitchesGiveModeAndWindow) {
    const struct {
        const char* zeile;
        ScrModus modus;
        intptr_t eltern;
        int vordergrund;
    } faelle[] = {
        {"\"C:\\Program Files\\Kovra32.scr\" /p 1234", VORSCHAU, 1234, 0},
        {"Kovra32.scr /p:1234", VORSCHAU, 1234, 0},
        {"Kovra32.scr -P1234", VORSCHAU, 1234, 0},
        {"Kovra32.scr /l 77", VORSCHAU, 77, 0},
        {"Kovra32.scr /p", VORSCHAU, 0, 0},
        {"Kovra32.scr /p x", VORSCHAU, 0, 0},
        {"Kovra32.scr /p : \t-12x", VORSCHAU, -12, 0},
        {"Kovra32.scr /s", SCHONER, 0, 0},
        {"Kovra32.scr /save", SCHONER, 0, 0},
        {"Kovra32.scr    S 99", SCHONER, 0, 0},
        {"Kovra32.scr", EINSTELLEN, 0, 0},
        {"Kovra32.scr ", EINSTELLEN, 0, 0},
        {"\"C:\\a b\\Kovra32.scr\"", EINSTELLEN, 0, 0},
        {"\"C:\\a b\\Kovra32.scr", EINSTELLEN, 0, 0},
        {"Kovra32.scr /c", EINSTELLEN, 0, 1},
        {"Kovra32.scr /c:4321", EINSTELLEN, 4321, 0},
        {"Kovra32.scr /c:", EINSTELLEN, 0, 1},
        {"Kovra32.scr /a 55", PASSWORT, 55, 0},
        {"Kovra32.scr -A:56", PASSWORT, 56, 0},
        {"Kovra32.scr /x", KEIN, 0, 0},
        {"Kovra32.scr /", KEIN, 0, 0},
        {"Kovra32.scr 5", KEIN, 0, 0},
        {"", EINSTELLEN, 0, 0},
        // A handle has 32 significant bits, given signed or unsigned; leading
        // zeros do not count. Beyond 32 bits a number names no window.
        {"Kovra32.scr /p 4294967295", VORSCHAU, -1, 0},
        {"Kovra32.scr /p 2147483648", VORSCHAU, INT32_MIN, 0},
        {"Kovra32.scr /p -2147483648", VORSCHAU, INT32_MIN, 0},
        {"Kovra32.scr /p +0000000000000000000077", VORSCHAU, 77, 0},
        {"Kovra32.scr /p 4294967296", VORSCHAU, 0, 0},
        {"Kovra32.scr /p:-2147483649", VORSCHAU, 0, 0},
        {"Kovra32.scr -l 18446744073709551617", VORSCHAU, 0, 0},
        {"Kovra32.scr /c:99999999999", EINSTELLEN, 0, 0},
        {"Kovra32.scr /a 4294967296", PASSWORT, 0, 0},
    };
    for (const auto& f : faelle) {
        const ScrBefehl b = ScrBefehlZerlegen(f.zeile);
        EXPECT_EQ(b.modus, f.modus) << f.zeile;
        EXPECT_EQ(b.eltern, f.eltern) << f.zeile;
        EXPECT_EQ(b.vordergrund, f.vordergrund) << f.zeile;
    }
    const std::string lang = "Kovra32.scr /p " + std::string(2000, '7');
    EXPECT_EQ(ScrBefehlZerlegen(lang.c_str()).eltern, 0) << "2000 digits";
}
