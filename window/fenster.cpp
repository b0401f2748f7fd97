#include "fenster.h"

#include "instanz.h"
#include "texte.h"
#include "tooltip_ckf.h"

#include <cstring>

// Instantiated here, where every program using windows links it, so that the
// program exports all members of the list.
template class DVListe<Fenster>;

Instanz* Fenster::neue_instanz = nullptr;
DVListe<Fenster> Fenster::dummy_kinder;

namespace {

ToolTip_CKF* tooltip_von(Instanz* instanz) {
    return instanz ? instanz->tooltip : nullptr;
}

bool ist_dialog(Fenster* f) {
    return f->klassen_name_("Dialog_F", 0) == 1;
}

}  // namespace

Fenster::Fenster(Instanz* instanz, const char* titel, int32_t x, int32_t y, int32_t breite,
                 int32_t hoehe, DWORD stil)
    : instanz(instanz ? instanz : neue_instanz), vater(nullptr), x_(x), y_(y), breite(breite),
      hoehe(hoehe), stil(stil), titel(text_kopie(titel)) {}

Fenster::Fenster(Fenster* vater, const char* titel, int32_t x, int32_t y, int32_t breite,
                 int32_t hoehe, DWORD stil)
    : instanz(vater ? vater->instanz : neue_instanz), vater(vater), x_(x), y_(y),
      breite(breite), hoehe(hoehe), stil(stil), titel(text_kopie(titel)) {
    // Only dialogs keep children; the shared list of other windows stays empty.
    if (vater && ist_dialog(vater)) {
        geschwister = &vater->kinder();
        geschwister->hinten_einfuegen(this);
    }
}

Fenster::~Fenster() {
    if (ToolTip_CKF* tip = tooltip_von(instanz)) tip->vergessen(this);
    if (instanz && instanz->hf() == this) instanz->hf(nullptr);
    if (geschwister) geschwister->entfernen(this);
    text_freigeben(titel);
    text_freigeben(tip_text);
}

int Fenster::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Fenster") == 0) return 1;
    return nur_diese ? 0 : wFenster::klassen_name_(name, 0);
}

LRESULT Fenster::wm_destroy() {
    LRESULT ergebnis = wFenster::wm_destroy();
    // Closing the main window in any way ends the message loop.
    if (instanz && instanz->hf() == this) {
        instanz->hf(nullptr);
        PostQuitMessage(1);
    }
    return ergebnis;
}

LRESULT Fenster::wm_keydown(WPARAM code, LPARAM daten) {
    if (ToolTip_CKF* tip = tooltip_von(instanz)) tip->verbergen();
    return wFenster::wm_keydown(code, daten);
}

LRESULT Fenster::wm_lbuttondown(WPARAM flags, uint16_t x, uint16_t y) {
    if (ToolTip_CKF* tip = tooltip_von(instanz)) tip->verbergen();
    return wFenster::wm_lbuttondown(flags, x, y);
}

LRESULT Fenster::wm_rbuttondown(WPARAM flags, uint16_t x, uint16_t y) {
    if (ToolTip_CKF* tip = tooltip_von(instanz)) tip->verbergen();
    return wFenster::wm_rbuttondown(flags, x, y);
}

LRESULT Fenster::wm_mousemove(WPARAM flags, uint16_t x, uint16_t y) {
    // A pointer outside the client area (while captured) has negative values.
    POINT p{static_cast<int16_t>(x), static_cast<int16_t>(y)};
    ClientToScreen(hwnd, &p);
    if (Fenster* kind = ist_dialog(this) ? gesperrtes_kind_bei(p) : nullptr) {
        POINT k = p;
        ScreenToClient(kind->hwnd, &k);
        kind->wm_mousemove(flags, static_cast<uint16_t>(k.x), static_cast<uint16_t>(k.y));
    } else if (ToolTip_CKF* tip = tooltip_von(instanz)) {
        tip->zeiger(this, p, tip_text, tip_breite, tip_verzoegerung, tip_dauer);
    }
    return wFenster::wm_mousemove(flags, x, y);
}

Fenster* Fenster::gesperrtes_kind_bei(POINT bildschirm) {
    DVListe<Fenster>& k = kinder();
    for (uint32_t i = 0; Fenster* kind = k[i]; ++i) {
        RECT r;
        if (kind->hwnd && IsWindowVisible(kind->hwnd) && !IsWindowEnabled(kind->hwnd) &&
            GetWindowRect(kind->hwnd, &r) && PtInRect(&r, bildschirm)) {
            return kind;
        }
    }
    return nullptr;
}

DVListe<Fenster>& Fenster::kinder() {
    return dummy_kinder;
}

void Fenster::titel_setzen(char* neu) {
    text_freigeben(titel);
    titel = neu;
    if (hwnd) sm_settext(titel);
}

const char* Fenster::ueberschrift(const char* format, ...) {
    if (!format) return titel;
    va_list argumente;
    va_start(argumente, format);
    char* neu = text_formatiert(format, argumente);
    va_end(argumente);
    if (neu) titel_setzen(neu);
    return titel;
}

const char* Fenster::titel_text() {
    return titel;
}

void Fenster::tooltiptext(const char* text, int32_t breite, uint32_t verzoegerung,
                          uint32_t dauer) {
    text_freigeben(tip_text);
    tip_text = text_kopie(text);
    tip_breite = breite;
    tip_verzoegerung = verzoegerung;
    tip_dauer = dauer;
}

void Fenster::setze_hintergrund(HBRUSH brush) {
    hintergrund = brush;
}

HBRUSH Fenster::hintergrund_brush() {
    return hintergrund;
}

void Fenster::an(int ein) {
    an_ = ein ? 1 : 0;
    if (hwnd) EnableWindow(hwnd, an_);
}

int Fenster::ist_an() {
    return an_;
}

void Fenster::id(int32_t n) {
    kennung = n;
    if (hwnd) SetWindowLongPtrA(hwnd, GWLP_ID, n);
}

int Fenster::taste(uint16_t) {
    return 0;
}

namespace {

void text_zeichnen(HWND hwnd, const RECT& rect, char* text) {
    if (!text) return;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r = rect;
    DrawTextA(dc, text, -1, &r, DT_NOPREFIX | DT_EXTERNALLEADING | DT_NOCLIP);
    EndPaint(hwnd, &ps);
    text_freigeben(text);
}

}  // namespace

void Fenster::txt_ausg(const char* format, ...) {
    RECT r;
    get_client_rect(r);
    InflateRect(&r, -10, -10);
    va_list argumente;
    va_start(argumente, format);
    text_zeichnen(hwnd, r, text_formatiert(format, argumente));
    va_end(argumente);
}

void Fenster::txt_ausg(const RECT& rect, const char* format, ...) {
    va_list argumente;
    va_start(argumente, format);
    text_zeichnen(hwnd, rect, text_formatiert(format, argumente));
    va_end(argumente);
}

void Fenster::get_client_rect(RECT& rect) {
    rect = RECT{0, 0, 0, 0};
    if (hwnd) GetClientRect(hwnd, &rect);
}

void Fenster::get_window_rect(RECT& rect) {
    rect = RECT{0, 0, 0, 0};
    if (hwnd) GetWindowRect(hwnd, &rect);
}

Fenster* Fenster::erstes_tabstop_kind() {
    DVListe<Fenster>& k = kinder();
    for (uint32_t i = 0; Fenster* kind = k[i]; ++i) {
        if (kind->hwnd && (kind->stil & WS_TABSTOP) && !ist_dialog(kind)) return kind;
    }
    return nullptr;
}

int Fenster::tabstop_fokussieren() {
    Fenster* kind = erstes_tabstop_kind();
    if (!kind) return 0;
    SetFocus(kind->hwnd);
    kind->setsel(0, -1);  // an edit field starts with its whole text selected
    return 1;
}

HWND Fenster::oeffnen(int zeigen) {
    DVListe<Fenster>& k = kinder();
    if (!hwnd) {
        const DWORD s = zeigen ? stil : stil & ~WS_VISIBLE;
        HMENU menue = (stil & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(kennung)) : nullptr;
        HINSTANCE modul = instanz ? instanz->hinstance : GetModuleHandleA(nullptr);
        if (!create_window(titel_text(), s, x_, y_, breite, hoehe, vater ? vater->hwnd : nullptr,
                           menue, modul)) {
            MessageBeep(MB_ICONHAND);
        }
        // The children exist from now on, but stay hidden until shown below.
        for (uint32_t i = 0; Fenster* kind = k[i]; ++i) {
            if (!ist_dialog(kind)) kind->oeffnen(0);
        }
    } else if (zeigen && (stil & WS_VISIBLE)) {
        ShowWindow(hwnd, SW_SHOW);
    }
    if (!tabstop_fokussieren() && !k.leer_() && hwnd) SetFocus(hwnd);
    if (zeigen) {
        for (uint32_t i = 0; Fenster* kind = k[i]; ++i) {
            if (!ist_dialog(kind)) kind->oeffnen(1);
        }
    }
    if (hwnd) EnableWindow(hwnd, an_);
    return hwnd;
}

void Fenster::schliessen() {
    if (!hwnd) return;
    DestroyWindow(hwnd);
    if (instanz && instanz->hf() == this) {
        instanz->hf(nullptr);
        PostQuitMessage(1);
    }
}
