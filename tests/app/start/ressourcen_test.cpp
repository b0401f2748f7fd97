// The resources of Varnis32.exe, linked into this program from the same .rc:
// found by the names the program uses, with the sizes, colour depths and hot
// spots the program relies on.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {

HINSTANCE modul() { return GetModuleHandleA(nullptr); }

BITMAP bitmap_von(HBITMAP h) {
    BITMAP bm{};
    GetObjectA(h, sizeof bm, &bm);
    return bm;
}

// Pixels of a monochrome cursor that are not transparent (AND mask bit 0).
int deckende_pixel(HBITMAP maske, int hoehe) {
    const BITMAP bm = bitmap_von(maske);
    std::vector<unsigned char> bits(static_cast<size_t>(bm.bmWidthBytes) * bm.bmHeight);
    GetBitmapBits(maske, static_cast<LONG>(bits.size()), bits.data());
    int n = 0;
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < bm.bmWidth; ++x)
            if (!(bits[y * bm.bmWidthBytes + x / 8] & (0x80 >> (x % 8)))) ++n;
    return n;
}

TEST(Ressourcen, CursorsAreMonochrome32WithHotSpotInTheMiddle) {
    for (const char* name : {"Stern", "Sternbild"}) {
        HCURSOR cursor = LoadCursorA(modul(), name);
        ASSERT_NE(cursor, nullptr) << name;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor, &info)) << name;
        EXPECT_FALSE(info.fIcon) << name;
        EXPECT_EQ(info.xHotspot, 16u) << name;
        EXPECT_EQ(info.yHotspot, 16u) << name;
        EXPECT_EQ(info.hbmColor, nullptr) << name;  // monochrome: AND and XOR masks in one bitmap
        const BITMAP maske = bitmap_von(info.hbmMask);
        EXPECT_EQ(maske.bmWidth, 32) << name;
        EXPECT_EQ(maske.bmHeight, 64) << name;
        EXPECT_GT(deckende_pixel(info.hbmMask, 32), 60) << name;  // a figure, not an empty cursor
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    // The 48-pixel images of 144 DPI, hot spot in their middle too.
    for (const char* name : {"Stern", "Sternbild"}) {
        HCURSOR gross = static_cast<HCURSOR>(LoadImageA(modul(), name, IMAGE_CURSOR, 48, 48, 0));
        ASSERT_NE(gross, nullptr) << name;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(gross, &info)) << name;
        EXPECT_EQ(info.xHotspot, 24u) << name;
        EXPECT_EQ(info.yHotspot, 24u) << name;
        EXPECT_EQ(bitmap_von(info.hbmMask).bmWidth, 48) << name;
        EXPECT_GT(deckende_pixel(info.hbmMask, 48), 120) << name;
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DestroyCursor(gross);
    }
}

#pragma pack(push, 2)
struct GruppenEintrag {  // one entry of an icon group resource
    BYTE breite, hoehe, farben, reserviert;
    WORD ebenen, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The icon loads at 32 x 32 as it always did; its group holds that image in
// 16 colours and the sizes of the screens above 96 DPI in 32-bit colour
// (256 stored as 0).
TEST(Ressourcen, IconHoldsThe32In16ColoursAndTheSizesOfHigherDpi) {
    HICON icon = LoadIconA(modul(), "Varnis_ico");
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    ASSERT_NE(info.hbmColor, nullptr);
    EXPECT_EQ(bitmap_von(info.hbmColor).bmWidth, 32);
    EXPECT_EQ(bitmap_von(info.hbmColor).bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    HRSRC gruppe = FindResourceA(modul(), "Varnis_ico", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(gruppe, nullptr);
    const WORD* kopf = static_cast<const WORD*>(LockResource(LoadResource(modul(), gruppe)));
    ASSERT_NE(kopf, nullptr);
    const int groessen[] = {16, 20, 24, 32, 40, 48, 64, 256};
    ASSERT_EQ(kopf[2], 8);
    const GruppenEintrag* e = reinterpret_cast<const GruppenEintrag*>(kopf + 3);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(e[i].breite, groessen[i] % 256) << groessen[i];
        EXPECT_EQ(e[i].hoehe, groessen[i] % 256) << groessen[i];
        EXPECT_EQ(e[i].farben, groessen[i] == 32 ? 16 : 0) << groessen[i];
        EXPECT_EQ(e[i].bits, groessen[i] == 32 ? 4 : 32) << groessen[i];
    }
    // Each size loads as itself.
    for (const int g : groessen) {
        HICON bild = static_cast<HICON>(LoadImageA(modul(), "Varnis_ico", IMAGE_ICON, g, g, 0));
        ASSERT_NE(bild, nullptr) << g;
        ICONINFO i{};
        ASSERT_TRUE(GetIconInfo(bild, &i));
        EXPECT_EQ(bitmap_von(i.hbmMask).bmWidth, g);
        if (i.hbmColor) DeleteObject(i.hbmColor);
        DeleteObject(i.hbmMask);
        DestroyIcon(bild);
    }
}

TEST(Ressourcen, BitmapsHaveTheirSizesAndColourDepths) {
    const struct {
        const char* name;
        int breite, hoehe, bits;
    } faelle[] = {
        {"Varnis_bmp", 64, 64, 4},
        {"Tamrel_bmp", 380, 211, 8},
    };
    for (const auto& f : faelle) {
        HBITMAP bild = LoadBitmapA(modul(), f.name);
        ASSERT_NE(bild, nullptr) << f.name;
        const BITMAP bm = bitmap_von(bild);
        EXPECT_EQ(bm.bmWidth, f.breite) << f.name;
        EXPECT_EQ(bm.bmHeight, f.hoehe) << f.name;
        DeleteObject(bild);

        // LoadBitmap converts to the screen's depth; the stored depth shows in a DIB section.
        HBITMAP dib = static_cast<HBITMAP>(LoadImageA(modul(), f.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(dib, nullptr) << f.name;
        DIBSECTION ds{};
        ASSERT_EQ(GetObjectA(dib, sizeof ds, &ds), static_cast<int>(sizeof ds)) << f.name;
        EXPECT_EQ(ds.dsBmih.biBitCount, f.bits) << f.name;
        DeleteObject(dib);
    }
}

}  // namespace
