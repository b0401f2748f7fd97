// The resolution queries and the one scaling rule.
#include <gtest/gtest.h>

#include <windows.h>

#include "dpi.h"
#include "font.h"

namespace {

// skaliert is MulDiv(wert, dpi, 96): rounded half away from zero, 96 DPI
// the identity, negative offsets mirrored.
TEST(Dpi, SkaliertRundetWieMulDiv) {
    for (const int32_t dpi : {72, 96, 120, 144, 168, 192, 240, 288}) {
        for (const int32_t wert : {0, 1, 2, 3, 5, 6, 7, 12, 16, 20, 23, 25, 230, 480, 640, -1, -3, -7, -12}) {
            EXPECT_EQ(MulDiv(wert, dpi, 96), skaliert(wert, dpi)) << wert << " at " << dpi;
        }
    }
    static_assert(skaliert(16, 96) == 16 && skaliert(16, 120) == 20 && skaliert(6, 120) == 8, "");
}

// Under this prefix every function is there; each answer agrees with the
// system's plain values at the system's resolution, and the metrics grow in
// proportion to another resolution.
TEST(Dpi, AntwortenBeiDerAufloesungDesSystems) {
    const HDC schirm = GetDC(nullptr);
    const int32_t logpixel = GetDeviceCaps(schirm, LOGPIXELSY);
    ReleaseDC(nullptr, schirm);
    const int32_t system = dpi_system();
    EXPECT_EQ(logpixel, system);
    EXPECT_EQ(system, dpi_fenster(nullptr));
    EXPECT_EQ(system, dpi_fenster(GetDesktopWindow()));
    EXPECT_EQ(system, dpi_monitor(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY)));
    EXPECT_EQ(system, dpi_monitor(nullptr));
    for (const int32_t index : {SM_CXVSCROLL, SM_CYHSCROLL, SM_CXCURSOR, SM_CXICON, SM_CXSMICON}) {
        EXPECT_EQ(GetSystemMetrics(index), systemmass(index, system)) << index;
        EXPECT_NEAR(2 * systemmass(index, system), systemmass(index, 2 * system), 1) << index;
    }
    // The stock font, a 96-DPI design, scaled.
    const Font stock;
    const LOGFONTA& lf = stock.beschreibung();
    EXPECT_EQ(lf.lfHeight, schrift_fuer(lf, 96).lfHeight);
    EXPECT_EQ(2 * lf.lfHeight, schrift_fuer(lf, 192).lfHeight);
    EXPECT_EQ(MulDiv(lf.lfHeight, 3, 2), schrift_fuer(lf, 144).lfHeight);
    EXPECT_NE(0, lf.lfHeight);
}

}  // namespace
