// The chart pane's mouse, the hover popup's paint and its two timers reach
// the main window here. The hover information itself (hit tests, popup
// texts, highlighting by click) is not built yet: nothing arms the timers,
// the popup stays hidden and clicks do nothing.
#include "canvas_kf.h"
#include "himmel_df.h"

void Himmel_DF::karte_maus(int32_t, int32_t) {}

void Himmel_DF::karte_klick(int32_t, int32_t) {}

void Himmel_DF::info_zeichnen() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(info_fenster->hwnd, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
    EndPaint(info_fenster->hwnd, &ps);
}

void Himmel_DF::info_zeitgeber(UINT_PTR nummer) {
    KillTimer(hwnd, nummer);
    if (nummer == INFO_ZEIGEN_TIMER) {
        info_fenster->masse_abs(info_x, info_y, info_breite, info_hoehe);
        ShowWindow(info_fenster->hwnd, SW_SHOWNA);
        InvalidateRect(info_fenster->hwnd, nullptr, FALSE);
    } else {
        ShowWindow(info_fenster->hwnd, SW_HIDE);
    }
}
