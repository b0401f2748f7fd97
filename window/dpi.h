// The resolution of a window's screen and the system's sizes at it. The
// per-monitor functions exist from Windows 8.1 (GetDpiForMonitor) and 10
// 1607 (the rest); they are looked up at run time, so the programs still
// start on Windows 7, where every answer is the system's resolution and the
// system's plain metrics. Resolutions are dots per inch (96 = 100 %).
#pragma once

#include <windows.h>

#include <cstdint>

#include "skaliert.h"

// The system's resolution: GetDpiForSystem, else LOGPIXELSY of the screen.
int32_t dpi_system();
// The resolution of the screen the window stands on (GetDpiForWindow), else
// the system's; the system's for a null window.
int32_t dpi_fenster(HWND fenster);
// The effective resolution of a monitor (shcore's GetDpiForMonitor), else
// the system's.
int32_t dpi_monitor(HMONITOR monitor);
// GetSystemMetrics(index) at dpi: GetSystemMetricsForDpi, else the system's
// value scaled from the system's resolution to dpi.
int32_t systemmass(int32_t index, int32_t dpi);
// A font description of 96 DPI, its height and width scaled to dpi. The
// stock fonts (the window library's font among them) are taken as 96-DPI
// designs: Wine keeps their pixel sizes at every system resolution.
LOGFONTA schrift_fuer(const LOGFONTA& beschreibung, int32_t dpi);
// Each of r's four numbers (pixels at 96 DPI) scaled to dpi.
RECT rechteck_fuer(const RECT& r, int32_t dpi);
// The system's menu font at dpi: SystemParametersInfoForDpi's, else the
// system's scaled from the system's resolution to dpi. False when the
// system gives none.
bool menueschrift_fuer(int32_t dpi, LOGFONTW& schrift);
