#include "wfenster.h"

#include <cstring>

namespace {

const char* const EIGENSCHAFT = "THIS";

uint16_t lo(LPARAM wert) { return static_cast<uint16_t>(wert & 0xFFFF); }
uint16_t hi(LPARAM wert) { return static_cast<uint16_t>((wert >> 16) & 0xFFFF); }

// The object of a window handle that a message carries in one of its
// parameters (notifications and owner-draw items), or null.
wFenster* objekt_von(HWND h) {
    return h ? wFenster::welches_fenster(h) : nullptr;
}

}  // namespace

WNDPROC wFenster::klassen_def_proz = DefWindowProcA;

wFenster::wFenster() = default;

wFenster::~wFenster() {
    if (!hwnd) return;
    // From here on the window's messages must not reach this object: hand the
    // window back to its class procedure before destroying it.
    RemovePropA(hwnd, EIGENSCHAFT);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, static_cast<LONG_PTR>(GetClassLongPtrA(hwnd, GCLP_WNDPROC)));
    DestroyWindow(hwnd);
}

WNDPROC wFenster::proz_adresse() {
    return proz;
}

int wFenster::klassen_name_(const char* name, int) {
    return strcmp(name, "wFenster") == 0 ? 1 : 0;
}

void wFenster::setze_hwnd(HWND h) {
    hwnd = h;
}

HWND wFenster::create_window(const char* titel, DWORD stil, int32_t x, int32_t y,
                             int32_t breite, int32_t hoehe, HWND vater_hwnd,
                             HMENU menue, HINSTANCE hinstance) {
    HWND h = CreateWindowExA(0, fensterklasse(), titel, stil, x, y, breite, hoehe,
                             vater_hwnd, menue, hinstance, nullptr);
    if (!h) return nullptr;
    setze_hwnd(h);
    SetPropA(h, EIGENSCHAFT, static_cast<HANDLE>(this));
    SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proz_adresse()));
    return h;
}

void wFenster::destroy_window() {
    if (hwnd) DestroyWindow(hwnd);
}

wFenster* wFenster::welches_fenster(HWND h) {
    return static_cast<wFenster*>(GetPropA(h, EIGENSCHAFT));
}

void wFenster::klassen_init(HINSTANCE hinstance) {
    klasse_registrieren(hinstance, "wFenster", COLOR_WINDOW, nullptr);
}

void wFenster::klasse_registrieren(HINSTANCE hinstance, const char* name, int farbe, HICON icon) {
    WNDCLASSA klasse{};
    klasse.lpfnWndProc = proz;
    klasse.hInstance = hinstance;
    klasse.hIcon = icon;
    klasse.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    klasse.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(farbe + 1));
    klasse.lpszClassName = name;
    RegisterClassA(&klasse);
}

LRESULT wFenster::standard(UINT msg, WPARAM wparam, LPARAM lparam) {
    WNDPROC p = def_proz();
    return p ? CallWindowProcA(p, hwnd, msg, wparam, lparam)
             : DefWindowProcA(hwnd, msg, wparam, lparam);
}

LRESULT wFenster::senden(UINT msg, WPARAM wparam, LPARAM lparam, int post) {
    if (post) return PostMessageA(hwnd, msg, wparam, lparam);
    return SendMessageA(hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK wFenster::proz(HWND h, UINT msg, WPARAM wparam, LPARAM lparam) {
    wFenster* f = welches_fenster(h);
    if (!f) return DefWindowProcA(h, msg, wparam, lparam);
    if (msg == WM_NCDESTROY) {
        // The last message of the window; the object forgot it at WM_DESTROY.
        RemovePropA(h, EIGENSCHAFT);
        WNDPROC p = f->def_proz();
        return p ? CallWindowProcA(p, h, msg, wparam, lparam) : DefWindowProcA(h, msg, wparam, lparam);
    }
    // A control's object sees its own notifications first.
    HWND quelle = reinterpret_cast<HWND>(lparam);
    if (msg == WM_COMMAND && quelle != h && objekt_von(quelle)) {
        SendMessageA(quelle, msg, wparam, lparam);
    }
    LRESULT ergebnis = 0;
    if (!f->tabelle_aufrufen(msg, wparam, lparam, ergebnis)) {
        ergebnis = f->verteilen(msg, wparam, lparam);
        // An owner-drawn control of the library draws itself (menus are not windows).
        auto* element = reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
        if (msg == WM_DRAWITEM && element && element->CtlType != ODT_MENU &&
            element->hwndItem != h && objekt_von(element->hwndItem)) {
            SendMessageA(element->hwndItem, msg, wparam, lparam);
        }
    }
    if (msg == WM_DESTROY) f->setze_hwnd(nullptr);
    return ergebnis;
}

int wFenster::tabelle_aufrufen(UINT msg, WPARAM w, LPARAM l, LRESULT& ergebnis) {
    if (!mldg_tabelle) return 0;
    const Mldg_Eintrag* e = mldg_tabelle;
    while (e->nummer != 0 && e->nummer != msg) ++e;
    if (e->nummer == 0) return 0;
    // mldg_eintrag made each entry with the handler type of its message's kind.
    using namespace mldg;
    switch (art(msg)) {
    case Art::ohne: ergebnis = reinterpret_cast<Ohne>(e->handler)(this); break;
    case Art::create: ergebnis = reinterpret_cast<Create>(e->handler)(this, l); break;
    case Art::maus: ergebnis = reinterpret_cast<Maus>(e->handler)(this, w, lo(l), hi(l)); break;
    case Art::befehl:
        ergebnis = reinterpret_cast<Befehl>(e->handler)(this, lo(w), l, hi(w));
        break;
    case Art::quit: ergebnis = reinterpret_cast<Quit>(e->handler)(this, w); break;
    case Art::font: ergebnis = reinterpret_cast<Font>(e->handler)(this, w, lo(l)); break;
    case Art::roh: ergebnis = reinterpret_cast<Roh>(e->handler)(this, w, l); break;
    case Art::keine: ergebnis = 0; break;
    }
    return 1;
}

LRESULT wFenster::verteilen(UINT msg, WPARAM w, LPARAM l) {
    const auto x = lo(l), y = hi(l);
    switch (msg) {
    case WM_CHAR: return wm_char(w, l);
    case WM_CLOSE: return wm_close();
    case WM_DESTROY: return wm_destroy();
    case WM_DPICHANGED: return wm_dpichanged(hi(w), reinterpret_cast<RECT*>(l));
    case WM_DRAWITEM: return wm_drawitem(w, reinterpret_cast<DRAWITEMSTRUCT*>(l));
    case WM_KEYDOWN: return wm_keydown(w, l);
    case WM_KEYUP: return wm_keyup(w, l);
    case WM_KILLFOCUS: return wm_killfocus(reinterpret_cast<HWND>(w));
    case WM_LBUTTONDBLCLK: return wm_lbuttondblclk(w, x, y);
    case WM_LBUTTONDOWN: return wm_lbuttondown(w, x, y);
    case WM_LBUTTONUP: return wm_lbuttonup(w, x, y);
    case WM_MEASUREITEM: return wm_measureitem(w, reinterpret_cast<MEASUREITEMSTRUCT*>(l));
    case WM_MOUSEMOVE: return wm_mousemove(w, x, y);
    case WM_NCHITTEST: return wm_nchittest(static_cast<int16_t>(x), static_cast<int16_t>(y));
    case WM_NCCALCSIZE: return wm_nccalcsize(w, l);
    case WM_NCPAINT: return wm_ncpaint(reinterpret_cast<HRGN>(w));
    case WM_PAINT: return wm_paint();
    case WM_QUERYENDSESSION: return wm_queryendsession(w, l);
    case WM_QUIT: return wm_quit(w);
    case WM_RBUTTONDOWN: return wm_rbuttondown(w, x, y);
    case WM_RBUTTONUP: return wm_rbuttonup(w, x, y);
    case WM_SETCURSOR: return wm_setcursor(w, x, y);
    case WM_SETFOCUS: return wm_setfocus(reinterpret_cast<HWND>(w));
    case WM_SETFONT: return wm_setfont(w, x);
    case WM_SETTEXT: return wm_settext(reinterpret_cast<const char*>(l));
    case WM_SIZE: return wm_size(w, x, y);
    case WM_SYSCOLORCHANGE: return wm_syscolorchange();
    case WM_SYSCOMMAND: return wm_syscommand(w, l);
    case WM_TIMER: return wm_timer(w, l);
    case WM_USER: return wm_user(w, l);
    case WM_ACTIVATE: return wm_activate(lo(w), l, hi(w));
    case WM_COMMAND: return wm_command(lo(w), l, hi(w));
    case WM_CTLCOLORBTN: return wm_ctlcolorbtn(w, l);
    case WM_CTLCOLORDLG: return wm_ctlcolordlg(w, l);
    case WM_CTLCOLOREDIT: return wm_ctlcoloredit(w, l);
    case WM_CTLCOLORLISTBOX: return wm_ctlcolorlistbox(w, l);
    case WM_CTLCOLORMSGBOX: return wm_ctlcolormsgbox(w, l);
    case WM_CTLCOLORSCROLLBAR: return wm_ctlcolorscrollbar(w, l);
    case WM_CTLCOLORSTATIC: return wm_ctlcolorstatic(w, l);
    case WM_HSCROLL: return wm_hscroll(lo(w), static_cast<int16_t>(hi(w)), l);
    case WM_VSCROLL: return wm_vscroll(lo(w), static_cast<int16_t>(hi(w)), l);
    default: return standard(msg, w, l);
    }
}
