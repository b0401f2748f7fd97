// The chart pane's mouse and the hover popup's paint reach the main window
// here. The hover information itself (hit tests, popup texts, highlighting
// by click) is not built yet: the popup stays hidden and clicks do nothing.
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
