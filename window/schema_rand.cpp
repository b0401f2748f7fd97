#include "schema_rand.h"

#include "farbgebung.h"
#include "schema_zeichnen.h"
#include "scrollbar_kf.h"

namespace {

// The window's own procedure hangs on it as this property.
const char* const EIGENE_PROZ = "Schema.Proz";

void rand_zeichnen(HWND h, const Farbgebung& f) {
    RECT w;
    GetWindowRect(h, &w);
    const LONG stil = GetWindowLongA(h, GWL_STYLE);
    const LONG erweitert = GetWindowLongA(h, GWL_EXSTYLE);
    HDC dc = GetWindowDC(h);
    RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    if (stil & WS_BORDER) {
        schema_rahmen(dc, r, f.schatten);
        InflateRect(&r, -1, -1);
    }
    if (erweitert & WS_EX_CLIENTEDGE) schema_vertieft(dc, r, f);
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    if ((stil & WS_VSCROLL) && GetScrollBarInfo(h, OBJID_VSCROLL, &sbi) &&
        !(sbi.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(h, SB_VERT, &si);
        RECT leiste = sbi.rcScrollBar;
        OffsetRect(&leiste, -w.left, -w.top);
        const bool an = !(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
        const Scrollbar_KF::Masse m = Scrollbar_KF::masse_von(
            leiste.bottom - leiste.top, GetSystemMetrics(SM_CYVSCROLL), si.nMin, si.nMax, si.nPage, si.nPos, an);
        Scrollbar_KF::leiste_zeichnen(dc, leiste, true, m, an, Scrollbar_KF::KEIN_TEIL, m.daumen);
    }
    ReleaseDC(h, dc);
}

// A Unicode window stays one: its procedure is read, set and called with
// the wide functions, so that its messages are never converted to ANSI.
LRESULT weiter(WNDPROC eigene, HWND h, UINT msg, WPARAM w, LPARAM l) {
    return IsWindowUnicode(h) ? CallWindowProcW(eigene, h, msg, w, l) : CallWindowProcA(eigene, h, msg, w, l);
}

void proz_setzen(HWND h, LONG_PTR proz) {
    if (IsWindowUnicode(h)) SetWindowLongPtrW(h, GWLP_WNDPROC, proz);
    else SetWindowLongPtrA(h, GWLP_WNDPROC, proz);
}

LRESULT CALLBACK schema_proz(HWND h, UINT msg, WPARAM w, LPARAM l) {
    const auto eigene = reinterpret_cast<WNDPROC>(GetPropA(h, EIGENE_PROZ));
    if (!eigene) return IsWindowUnicode(h) ? DefWindowProcW(h, msg, w, l) : DefWindowProcA(h, msg, w, l);
    if (msg == WM_NCDESTROY) {
        proz_setzen(h, reinterpret_cast<LONG_PTR>(eigene));
        RemovePropA(h, EIGENE_PROZ);
        return weiter(eigene, h, msg, w, l);
    }
    const LRESULT ergebnis = weiter(eigene, h, msg, w, l);
    const Farbgebung* f = farbgebung();
    if (f && msg != WM_DESTROY && IsWindowVisible(h)) rand_zeichnen(h, *f);
    return ergebnis;
}

}  // namespace

void schema_rand_uebernehmen(HWND h) {
    if (!h || GetPropA(h, EIGENE_PROZ)) return;
    const LONG_PTR eigene = IsWindowUnicode(h) ? GetWindowLongPtrW(h, GWLP_WNDPROC) : GetWindowLongPtrA(h, GWLP_WNDPROC);
    if (!SetPropA(h, EIGENE_PROZ, reinterpret_cast<HANDLE>(eigene))) return;
    proz_setzen(h, reinterpret_cast<LONG_PTR>(schema_proz));
}
