// The Bayer letters are single 8-bit codes in the Symbol typeface. The test
// prefix must have a "Symbol" that maps those codes to Greek glyphs, or every
// designation on a chart, a printout and the popup draws as boxes.
#include <gtest/gtest.h>

#include <windows.h>

#include "font.h"

TEST(Symbolschrift, DrawsGreekLettersForTheirCodes) {
    const Font symbol("Symbol", 14);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ alt = SelectObject(dc, symbol.handle());

    char name[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof name, name);
    EXPECT_STREQ(name, "Symbol");

    const char codes[] = "abgdJpw";  // alpha, beta, gamma, delta, theta, pi, omega
    WORD glyphen[sizeof codes - 1];
    GetGlyphIndicesA(dc, codes, sizeof codes - 1, glyphen, GGI_MARK_NONEXISTING_GLYPHS);
    for (size_t i = 0; i < sizeof codes - 1; ++i) EXPECT_NE(glyphen[i], 0xFFFF) << codes[i];

    SelectObject(dc, alt);
    DeleteDC(dc);
}
