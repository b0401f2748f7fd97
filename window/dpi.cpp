#include "dpi.h"

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForSystem = UINT(WINAPI*)();
using MetricsForDpi = int(WINAPI*)(int, UINT);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using ParameterForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// A function of bibliothek by name; null when the library or the function
// is missing (an older Windows).
template <class F>
F funktion(HMODULE bibliothek, const char* name) {
    return bibliothek ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(bibliothek, name)))
                      : nullptr;
}

// user32 is loaded in every process that has windows; its address stays.
template <class F>
F user32_funktion(const char* name) {
    return funktion<F>(GetModuleHandleA("user32.dll"), name);
}

// A resolution from the system: 0 and absurd values are none.
int32_t gueltig(UINT dpi) { return dpi >= 48 && dpi <= 960 ? static_cast<int32_t>(dpi) : 0; }

}  // namespace

int32_t dpi_system() {
    static const auto fuer_system = user32_funktion<DpiForSystem>("GetDpiForSystem");
    if (fuer_system) {
        if (const int32_t dpi = gueltig(fuer_system())) return dpi;
    }
    const HDC schirm = GetDC(nullptr);
    const int32_t dpi = schirm ? gueltig(static_cast<UINT>(GetDeviceCaps(schirm, LOGPIXELSY))) : 0;
    if (schirm) ReleaseDC(nullptr, schirm);
    return dpi ? dpi : DPI_NORMAL;
}

int32_t dpi_fenster(HWND fenster) {
    static const auto fuer_fenster = user32_funktion<DpiForWindow>("GetDpiForWindow");
    if (fenster && fuer_fenster) {
        if (const int32_t dpi = gueltig(fuer_fenster(fenster))) return dpi;
    }
    return dpi_system();
}

int32_t dpi_monitor(HMONITOR monitor) {
    // shcore.dll is not loaded by itself and stays loaded for the process.
    static const auto fuer_monitor = funktion<DpiForMonitor>(LoadLibraryA("shcore.dll"), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    // 0 is MDT_EFFECTIVE_DPI, the resolution the user chose for the screen.
    if (monitor && fuer_monitor && SUCCEEDED(fuer_monitor(monitor, 0, &x, &y))) {
        if (const int32_t dpi = gueltig(y)) return dpi;
    }
    return dpi_system();
}

int32_t systemmass(int32_t index, int32_t dpi) {
    static const auto fuer_dpi = user32_funktion<MetricsForDpi>("GetSystemMetricsForDpi");
    if (fuer_dpi) return fuer_dpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, dpi_system());
}

LOGFONTA schrift_fuer(const LOGFONTA& beschreibung, int32_t dpi) {
    LOGFONTA neu = beschreibung;
    neu.lfHeight = skaliert(beschreibung.lfHeight, dpi);
    neu.lfWidth = skaliert(beschreibung.lfWidth, dpi);
    return neu;
}

RECT rechteck_fuer(const RECT& r, int32_t dpi) {
    return RECT{skaliert(r.left, dpi), skaliert(r.top, dpi), skaliert(r.right, dpi), skaliert(r.bottom, dpi)};
}

bool menueschrift_fuer(int32_t dpi, LOGFONTW& schrift) {
    static const auto fuer_dpi = user32_funktion<ParameterForDpi>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    if (fuer_dpi && fuer_dpi(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0, static_cast<UINT>(dpi))) {
        schrift = m.lfMenuFont;
        return true;
    }
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0)) return false;
    schrift = m.lfMenuFont;
    schrift.lfHeight = MulDiv(schrift.lfHeight, dpi, dpi_system());
    schrift.lfWidth = MulDiv(schrift.lfWidth, dpi, dpi_system());
    return true;
}
