#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "breit.h"

namespace {

// "Łódź Ελλάδα Москва 東京" in UTF-8 and UTF-16: a name in four scripts, the
// folder name a user outside Western Europe may well have.
const char VIER_SCHRIFTEN[] =
    "\xC5\x81\xC3\xB3\x64\xC5\xBA \xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 "
    "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 \xE6\x9D\xB1\xE4\xBA\xAC";
const wchar_t VIER_SCHRIFTEN_BREIT[] = {0x141, 0xF3, 'd', 0x17A, ' ', 0x395, 0x3BB, 0x3BB, 0x3AC, 0x3B4,
                                        0x3B1, ' ', 0x41C, 0x43E, 0x441, 0x43A, 0x432, 0x430, ' ',
                                        0x6771, 0x4EAC, 0};

TEST(Pfade, HinUndZurueck) {
    struct Fall {
        const char* utf8;
        std::wstring utf16;
    };
    const Fall faelle[] = {
        {"", L""},
        {"C:\\Varnis\\VARNIS.DAT", L"C:\\Varnis\\VARNIS.DAT"},
        {VIER_SCHRIFTEN, VIER_SCHRIFTEN_BREIT},
        {"\xF0\x9F\x8C\x9F", std::wstring{wchar_t(0xD83C), wchar_t(0xDF1F)}},  // a star beyond the BMP
    };
    for (const Fall& f : faelle) {
        wchar_t breit[BREIT_PFAD];
        ASSERT_TRUE(pfad_breit(f.utf8, breit, BREIT_PFAD)) << f.utf8;
        EXPECT_EQ(std::wstring(breit), f.utf16) << f.utf8;
        char schmal[4 * BREIT_PFAD];
        ASSERT_TRUE(pfad_schmal(breit, schmal, sizeof schmal)) << f.utf8;
        EXPECT_STREQ(schmal, f.utf8);
    }
}

// Neither a cut path nor bytes guessed as another character may name a file.
TEST(Pfade, FalschesUndZuLangesGibtNichts) {
    const char* kein_utf8[] = {
        "\xC0\x80",          // an overlong NUL
        "a\x80",             // a lone continuation byte
        "\xC5",              // cut inside a character
        "\xE6\x9D",          // cut inside a character
        "\xED\xA0\x80",      // a surrogate in UTF-8
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "M\xFC" "nchen",     // Windows-1252, not UTF-8
    };
    for (const char* text : kein_utf8) {
        wchar_t breit[BREIT_PFAD] = L"x";
        EXPECT_FALSE(pfad_breit(text, breit, BREIT_PFAD)) << text;
        EXPECT_EQ(breit[0], L'\0');
    }
    wchar_t klein[5];
    EXPECT_TRUE(pfad_breit("abcd", klein, 5));
    EXPECT_FALSE(pfad_breit("abcde", klein, 5));
    EXPECT_FALSE(pfad_breit("\xF0\x9F\x8C\x9F\xF0\x9F\x8C\x9F\xF0\x9F\x8C\x9F", klein, 5));  // 6 units

    const std::wstring halbe_paare[] = {std::wstring{wchar_t(0xD83C)}, std::wstring{wchar_t(0xDF1F), L'a'},
                                        std::wstring{wchar_t(0xD83C), L'a'}};
    for (const std::wstring& text : halbe_paare) {
        char schmal[16] = "x";
        EXPECT_FALSE(pfad_schmal(text.c_str(), schmal, sizeof schmal));
        EXPECT_STREQ(schmal, "");
    }
    char vier[4];
    EXPECT_TRUE(pfad_schmal(L"\x00F3a", vier, sizeof vier));  // two bytes and one
    EXPECT_TRUE(pfad_schmal(L"\x6771", vier, sizeof vier));
    EXPECT_FALSE(pfad_schmal(L"a\x6771", vier, sizeof vier));  // one and three do not fit
}

// A box's text: the program's words in Windows-1252, the path in UTF-8.
TEST(Pfade, TextMitPfadFuerDenSchirm) {
    struct Fall {
        std::string text;
        std::wstring breit;
    };
    const Fall faelle[] = {
        {"M\xFCnchen \x80 \x93x\x94", L"M\x00FCnchen \x20AC \x201Cx\x201D"},
        {std::string("Datei '") + VIER_SCHRIFTEN + "' f\xFCr", std::wstring(L"Datei '") + VIER_SCHRIFTEN_BREIT + L"' f\x00FCr"},
        {"\xF0\x9F\x8C\x9F", std::wstring{wchar_t(0xD83C), wchar_t(0xDF1F)}},
        {"\xC5", L"\x00C5"},          // cut inside a character: the byte as Windows-1252
        {"\xE6\x9D", L"\x00E6\x009D"},  // the free 0x9D stays itself
    };
    for (const Fall& f : faelle) {
        wchar_t breit[64];
        text_breit(f.text.c_str(), breit, 64);
        EXPECT_EQ(std::wstring(breit), f.breit) << f.text;
    }
    wchar_t klein[3];
    text_breit("ab\xF0\x9F\x8C\x9F", klein, 3);  // cut before a character, not inside it
    EXPECT_EQ(std::wstring(klein), L"ab");
    text_breit("a\xF0\x9F\x8C\x9F", klein, 3);
    EXPECT_EQ(std::wstring(klein), L"a");
    text_breit(nullptr, klein, 3);
    EXPECT_EQ(std::wstring(klein), L"");
}

TEST(Pfade, DateiMitNamenInVierSchriften) {
    const std::string name = std::string(VIER_SCHRIFTEN) + ".txt";
    std::FILE* datei = datei_oeffnen(name.c_str(), "wb");
    ASSERT_NE(datei, nullptr);
    std::fputs("Wega", datei);
    std::fclose(datei);
    datei = datei_oeffnen(name.c_str(), "rb");
    ASSERT_NE(datei, nullptr);
    char text[8] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text, datei), 4u);
    std::fclose(datei);
    EXPECT_STREQ(text, "Wega");
#ifdef _WIN32
    wchar_t breit[BREIT_PFAD];
    ASSERT_TRUE(pfad_breit(name.c_str(), breit, BREIT_PFAD));
    EXPECT_EQ(_wremove(breit), 0);
#else
    EXPECT_EQ(std::remove(name.c_str()), 0);
#endif
    EXPECT_EQ(datei_oeffnen("M\xFC" "nchen.txt", "rb"), nullptr);
    EXPECT_EQ(datei_oeffnen(nullptr, "rb"), nullptr);
}

}  // namespace
