// Fonts of the library: made from a stock font, a face name or a
// description, re-created and measured again on every change.
#include "font.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Font, StandardIstDieVariableAnsiSchrift) {
    LOGFONTA vorrat{};
    GetObjectA(GetStockObject(ANSI_VAR_FONT), sizeof vorrat, &vorrat);
    Font f;
    EXPECT_STREQ(f.beschreibung().lfFaceName, vorrat.lfFaceName);
    EXPECT_GT(f.metrik().tmHeight, 0);
    EXPECT_EQ(f.textbreite(""), 0);
    EXPECT_EQ(f.textbreite(nullptr), 0);
    EXPECT_GT(f.textbreite("WW"), f.textbreite("W"));
}

TEST(Font, NeueHoeheErzeugtUndMisstNeu) {
    Font f("Arial", 14);
    EXPECT_STREQ(f.beschreibung().lfFaceName, "Arial");
    EXPECT_EQ(f.beschreibung().lfHeight, 14);
    const HFONT alt = f.handle();
    const LONG hoehe = f.metrik().tmHeight;
    const int32_t breite = f.textbreite("Sternbild");
    f.setze_hoehe(28, 0);
    EXPECT_EQ(GetObjectType(alt), 0u);  // the old handle is gone
    EXPECT_EQ(GetObjectType(f.handle()), static_cast<DWORD>(OBJ_FONT));
    EXPECT_GT(f.metrik().tmHeight, hoehe);
    EXPECT_GT(f.textbreite("Sternbild"), breite);
    f.setze_name("Symbol");
    EXPECT_STREQ(f.beschreibung().lfFaceName, "Symbol");
}

TEST(Font, AusBeschreibungMitUnterstreichung) {
    Font text("Arial", 14);
    LOGFONTA lf = text.beschreibung();
    lf.lfUnderline = 1;
    lf.lfHeight = 16;
    Font unterstrichen(lf);
    EXPECT_EQ(unterstrichen.beschreibung().lfUnderline, 1);
    EXPECT_EQ(unterstrichen.beschreibung().lfHeight, 16);
    EXPECT_NE(unterstrichen.handle(), text.handle());
    // A face name longer than the description holds is cut, not overrun.
    char lang[64];
    memset(lang, 'x', sizeof lang - 1);
    lang[sizeof lang - 1] = '\0';
    Font f(lang, 0);
    EXPECT_EQ(strlen(f.beschreibung().lfFaceName), static_cast<size_t>(LF_FACESIZE - 1));
}

}  // namespace
