// The resolution queries (the scaling rule itself: tests/app/zeichnen/dpi_test.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include "dpi.h"
#include "font.h"

namespace {

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
