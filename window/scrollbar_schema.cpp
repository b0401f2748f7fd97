// The scroll bar in a colour scheme: the system control keeps range, page
// and position and still answers keys and requests, but what it would draw
// on the screen (thumb, arrows, the pressed track) and its mouse handling
// are done here, because the system paints them in its own colours and only
// the track asks the parent for one (WM_CTLCOLORSCROLLBAR). Requests that
// would make the system draw at once are passed on without drawing and
// followed by an invalidation.
#include "scrollbar_kf.h"

#include "farbgebung.h"
#include "schema_zeichnen.h"
#include "systemklassen.h"

#include <cstdint>

namespace {

constexpr UINT_PTR ZEITGEBER = 1;     // the auto-repeat timer of the bar's window
constexpr UINT ERSTE_WIEDERHOLUNG = 200;  // milliseconds from the press to the first repeat
constexpr UINT WIEDERHOLUNG = 50;     // milliseconds between repeats
constexpr int32_t MIN_DAUMEN = 6;     // pixels, the shortest thumb of a page
constexpr UINT WM_SYSTIMER_ = 0x0118;  // the system bar's own auto-repeat

LRESULT systemproz(HWND h, UINT msg, WPARAM w, LPARAM l) {
    return CallWindowProcA(systemklassen_proz("scrollbar"), h, msg, w, l);
}

int32_t begrenzt(int32_t wert, int32_t unten, int32_t oben) {
    return wert < unten ? unten : wert > oben ? oben : wert;
}

// The last position a thumb can stand for: max less the page beyond one.
int32_t letzte_pos(int32_t min, int32_t max, uint32_t seite) {
    const int32_t weiter = seite > 1 ? static_cast<int32_t>(seite - 1) : 0;
    return max - weiter > min ? max - weiter : min;
}

}  // namespace

Scrollbar_KF::Masse Scrollbar_KF::masse_von(int32_t laenge, int32_t dicke, int32_t min,
                                            int32_t max, uint32_t seite, int32_t pos, bool an) {
    Masse m{};
    m.laenge = laenge > 0 ? laenge : 0;
    m.pfeil = m.laenge < 2 * dicke ? m.laenge / 2 : dicke;
    const int32_t bahn = m.laenge - 2 * m.pfeil;
    m.daumen = m.pfeil;
    int64_t daumen = dicke;
    if (seite > 0) {
        const int64_t spanne = static_cast<int64_t>(max) - min + 1;
        daumen = spanne > 0 ? static_cast<int64_t>(bahn) * seite / spanne : bahn;
        if (daumen < MIN_DAUMEN) daumen = MIN_DAUMEN;
        if (daumen > bahn) daumen = bahn;
    }
    if (!an || bahn <= 0 || daumen > bahn || max <= min) return m;
    m.daumen_laenge = static_cast<int32_t>(daumen);
    const int32_t letzte = letzte_pos(min, max, seite);
    if (letzte > min) {
        const int64_t frei = bahn - m.daumen_laenge;
        const int64_t weg = static_cast<int64_t>(begrenzt(pos, min, letzte)) - min;
        m.daumen += static_cast<int32_t>(frei * weg / (static_cast<int64_t>(letzte) - min));
    }
    return m;
}

Scrollbar_KF::Teil Scrollbar_KF::teil_bei(const Masse& m, int32_t stelle) {
    if (stelle < 0 || stelle >= m.laenge) return KEIN_TEIL;
    if (stelle < m.pfeil) return PFEIL_VOR;
    if (stelle >= m.laenge - m.pfeil) return PFEIL_NACH;
    if (m.daumen_laenge == 0) return KEIN_TEIL;
    if (stelle < m.daumen) return SEITE_VOR;
    return stelle < m.daumen + m.daumen_laenge ? DAUMEN : SEITE_NACH;
}

int32_t Scrollbar_KF::pos_bei(const Masse& m, int32_t daumen, int32_t min, int32_t max,
                              uint32_t seite) {
    const int32_t frei = m.laenge - 2 * m.pfeil - m.daumen_laenge;
    const int32_t letzte = letzte_pos(min, max, seite);
    if (frei <= 0) return min;
    const int64_t weg = begrenzt(daumen - m.pfeil, 0, frei);
    // Rounded to the nearest position, as the thumb is placed rounded down.
    return min + static_cast<int32_t>((weg * (static_cast<int64_t>(letzte) - min) + frei / 2) / frei);
}

LRESULT CALLBACK Scrollbar_KF::schema_proz(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* leiste = static_cast<Scrollbar_KF*>(welches_fenster(h));
    if (!leiste || leiste->hwnd != h || !farbgebung()) return systemproz(h, msg, w, l);
    return leiste->im_schema(msg, w, l);
}

LRESULT Scrollbar_KF::im_schema(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = w ? reinterpret_cast<HDC>(w) : BeginPaint(hwnd, &ps);
        zeichnen(dc);
        if (!w) EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: zeichnen(reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: druecken(stelle_von(l, true)); return 0;
    case WM_MOUSEMOVE: if (gedrueckt != KEIN_TEIL) ziehen(stelle_von(l, gedrueckt != DAUMEN)); return 0;
    case WM_LBUTTONUP: loslassen(); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(l) != hwnd) loslassen();
        return 0;
    case WM_TIMER:
        if (w != ZEITGEBER) break;
        wiederholen();
        return 0;
    case WM_SYSTIMER_: case WM_MOUSEHOVER: case WM_MOUSELEAVE: return 0;
    case WM_SETFOCUS: InvalidateRect(hwnd, nullptr, FALSE); return 0;  // no caret
    case SBM_SETPOS: {
        const LRESULT alt = systemproz(hwnd, msg, w, FALSE);
        if (l) InvalidateRect(hwnd, nullptr, FALSE);
        return alt;
    }
    case SBM_SETRANGEREDRAW: {
        const LRESULT alt = systemproz(hwnd, SBM_SETRANGE, w, l);
        InvalidateRect(hwnd, nullptr, FALSE);
        return alt;
    }
    case SBM_SETSCROLLINFO: {
        const LRESULT neu = systemproz(hwnd, msg, FALSE, l);
        if (w) InvalidateRect(hwnd, nullptr, FALSE);
        return neu;
    }
    case WM_ENABLE: case SBM_ENABLE_ARROWS: case WM_KILLFOCUS: {
        // The system draws these at once; nothing of it may reach the screen.
        const bool sichtbar = (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
        if (sichtbar) systemproz(hwnd, WM_SETREDRAW, FALSE, 0);
        const LRESULT ergebnis = systemproz(hwnd, msg, w, l);
        if (sichtbar) systemproz(hwnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd, nullptr, FALSE);
        return ergebnis;
    }
    default: break;
    }
    return systemproz(hwnd, msg, w, l);
}

Scrollbar_KF::Masse Scrollbar_KF::masse_jetzt() {
    RECT r{};
    GetClientRect(hwnd, &r);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd, SB_CTL, &si);
    const bool senkrecht = (stil & SBS_VERT) != 0;
    return masse_von(senkrecht ? r.bottom : r.right,
                     GetSystemMetrics(senkrecht ? SM_CYVSCROLL : SM_CXHSCROLL), si.nMin, si.nMax,
                     si.nPage, si.nPos, IsWindowEnabled(hwnd) != FALSE);
}

int32_t Scrollbar_KF::stelle_von(LPARAM l, bool auf_der_leiste) {
    // Unless only the length counts (a dragged thumb), the pointer must lie
    // on the bar across it too for a part to count (-1: beside the bar).
    const int32_t x = static_cast<int16_t>(l & 0xFFFF), y = static_cast<int16_t>((l >> 16) & 0xFFFF);
    RECT r{};
    GetClientRect(hwnd, &r);
    const bool senkrecht = (stil & SBS_VERT) != 0;
    const int32_t quer = senkrecht ? x : y, breite = senkrecht ? r.right : r.bottom;
    if (auf_der_leiste && (quer < 0 || quer >= breite)) return -1;
    return senkrecht ? y : x;
}

void Scrollbar_KF::zeichnen(HDC dc) {
    RECT r{};
    GetClientRect(hwnd, &r);
    const Masse m = masse_jetzt();
    const int32_t daumen = gedrueckt == DAUMEN ? zug_daumen : m.daumen;
    leiste_zeichnen(dc, r, (stil & SBS_VERT) != 0, m, IsWindowEnabled(hwnd) != FALSE,
                    darueber ? gedrueckt : KEIN_TEIL, daumen);
}

void Scrollbar_KF::leiste_zeichnen(HDC dc, const RECT& r, bool senkrecht, const Masse& m, bool an,
                                   Teil gedrueckt, int32_t daumen) {
    const Farbgebung* f = farbgebung();
    if (!f || !dc) return;
    // The stretch a..b along the bar as a rectangle across its whole width.
    auto strecke = [&](int32_t a, int32_t b) {
        return senkrecht ? RECT{r.left, r.top + a, r.right, r.top + b}
                         : RECT{r.left + a, r.top, r.left + b, r.bottom};
    };
    const int32_t ende = m.laenge - m.pfeil;
    const COLORREF zeichen = an ? f->text : f->grau;
    const bool vor_gedrueckt = gedrueckt == PFEIL_VOR;
    const bool nach_gedrueckt = gedrueckt == PFEIL_NACH;
    schema_knopf(dc, strecke(0, m.pfeil), vor_gedrueckt, *f);
    schema_pfeil(dc, strecke(0, m.pfeil), senkrecht, true, vor_gedrueckt, zeichen);
    schema_knopf(dc, strecke(ende, m.laenge), nach_gedrueckt, *f);
    schema_pfeil(dc, strecke(ende, m.laenge), senkrecht, false, nach_gedrueckt, zeichen);
    if (m.daumen_laenge == 0) {
        schema_fuellen(dc, strecke(m.pfeil, ende), f->feld);
        return;
    }
    // The pressed page of the track darker, as the system inverts it.
    schema_fuellen(dc, strecke(m.pfeil, daumen), gedrueckt == SEITE_VOR ? f->schatten : f->feld);
    schema_fuellen(dc, strecke(daumen + m.daumen_laenge, ende), gedrueckt == SEITE_NACH ? f->schatten : f->feld);
    schema_knopf(dc, strecke(daumen, daumen + m.daumen_laenge), false, *f);
}

void Scrollbar_KF::melden(uint16_t art, int32_t pos) {
    const HWND eltern = GetParent(hwnd);
    if (!eltern) return;
    const UINT msg = (stil & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageA(eltern, msg, MAKEWPARAM(art, static_cast<uint16_t>(pos)), reinterpret_cast<LPARAM>(hwnd));
}

namespace {

// The notification of a pressed part other than the thumb.
uint16_t schritt_von(Scrollbar_KF::Teil teil) {
    switch (teil) {
    case Scrollbar_KF::PFEIL_VOR: return SB_LINEUP;
    case Scrollbar_KF::PFEIL_NACH: return SB_LINEDOWN;
    case Scrollbar_KF::SEITE_VOR: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
    }
}

}  // namespace

void Scrollbar_KF::druecken(int32_t stelle) {
    const Masse m = masse_jetzt();
    const Teil teil = teil_bei(m, stelle);
    if (teil == KEIN_TEIL) return;
    SetCapture(hwnd);
    if (stil & WS_TABSTOP) SetFocus(hwnd);
    gedrueckt = teil;
    darueber = true;
    InvalidateRect(hwnd, nullptr, FALSE);
    if (teil == DAUMEN) {
        griff = stelle - m.daumen;
        zug_daumen = m.daumen;
        zug_pos = GetScrollPos(hwnd, SB_CTL);
        return;
    }
    melden(schritt_von(teil), 0);
    SetTimer(hwnd, ZEITGEBER, ERSTE_WIEDERHOLUNG, nullptr);
}

void Scrollbar_KF::ziehen(int32_t stelle) {
    const Masse m = masse_jetzt();
    if (gedrueckt != DAUMEN) {
        const bool jetzt = teil_bei(m, stelle) == gedrueckt;
        if (jetzt != darueber) InvalidateRect(hwnd, nullptr, FALSE);
        darueber = jetzt;
        return;
    }
    if (m.daumen_laenge == 0) return;
    const int32_t daumen = begrenzt(stelle - griff, m.pfeil, m.laenge - m.pfeil - m.daumen_laenge);
    if (daumen == zug_daumen) return;
    zug_daumen = daumen;
    InvalidateRect(hwnd, nullptr, FALSE);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(hwnd, SB_CTL, &si);
    const int32_t pos = pos_bei(m, daumen, si.nMin, si.nMax, si.nPage);
    if (pos == zug_pos) return;
    zug_pos = pos;
    melden(SB_THUMBTRACK, pos);
}

void Scrollbar_KF::wiederholen() {
    SetTimer(hwnd, ZEITGEBER, WIEDERHOLUNG, nullptr);
    if (gedrueckt == KEIN_TEIL || gedrueckt == DAUMEN) return;
    // A page repeats only while the pointer is still beside the thumb.
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    const int32_t stelle = stelle_von(MAKELPARAM(static_cast<uint16_t>(p.x), static_cast<uint16_t>(p.y)), true);
    darueber = teil_bei(masse_jetzt(), stelle) == gedrueckt;
    if (darueber) melden(schritt_von(gedrueckt), 0);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void Scrollbar_KF::loslassen() {
    const Teil teil = gedrueckt;
    if (teil == KEIN_TEIL) return;
    // Cleared first: letting the capture go comes back as WM_CAPTURECHANGED.
    gedrueckt = KEIN_TEIL;
    KillTimer(hwnd, ZEITGEBER);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (teil == DAUMEN) melden(SB_THUMBPOSITION, zug_pos);
    melden(SB_ENDSCROLL, 0);
    InvalidateRect(hwnd, nullptr, FALSE);
}
