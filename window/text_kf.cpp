#include "text_kf.h"

#include "farbgebung.h"
#include "texte.h"

#include <cstring>

int32_t Text_KF::tab[10] = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900};

namespace {

bool spaltenende(char c) {
    return c == '\0' || c == '#' || c == '|' || c == '\t';
}

// The column texts of a label text; returns their number.
int32_t spalten_schneiden(const char* text, char* (&spalten)[10]) {
    int32_t n = 0;
    const char* anfang = text;
    for (const char* c = text; n < 10; ++c) {
        if (!spaltenende(*c)) continue;
        const bool darunter = *c == '#' && c > text && c[-1] == '_';
        size_t laenge = static_cast<size_t>(c - anfang);
        if (darunter) --laenge;  // the "_" counts as a blank
        while (laenge > 0 && anfang[laenge - 1] == ' ') --laenge;
        spalten[n++] = text_kopie(anfang, laenge);
        // The column of the control that the label belongs to stays empty.
        if (*c == '#' && c != text && !darunter && n < 10) spalten[n++] = text_kopie("");
        if (*c == '\0') break;
        anfang = c + 1;
    }
    return n;
}

bool gleich(char* const (&a)[10], char* const (&b)[10]) {
    for (int32_t i = 0; i < 10; ++i) {
        if (!a[i] || !b[i]) {
            if (a[i] != b[i]) return false;
        } else if (strcmp(a[i], b[i]) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

Text_KF::Text_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                 int32_t hoehe, DWORD stil)
    : Kontroll_F(vater, nullptr, x, y, breite, hoehe, stil) {
    wm_settext(text);
}

Text_KF::~Text_KF() {
    texte_freigeben();
}

void Text_KF::texte_freigeben() {
    for (char*& t : texte) text_freigeben(t);
}

int Text_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Text_KF") == 0) return 1;
    return nur_diese ? 0 : Kontroll_F::klassen_name_(name, 0);
}

const char* Text_KF::fensterklasse() {
    return "static";
}

void Text_KF::an(int ein) {
    an_ = ein ? 1 : 0;
    neu_zeichnen();
}

HWND Text_KF::oeffnen(int zeigen) {
    font = nullptr;
    Kontroll_F::oeffnen(zeigen);
    if (hwnd) {
        EnableWindow(hwnd, TRUE);
        SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return hwnd;
}

LRESULT Text_KF::sm_setfont(HFONT neu, int neu_zeichnen_, int) {
    font = neu;
    if (neu_zeichnen_) neu_zeichnen();
    return 0;
}

LRESULT Text_KF::wm_settext(const char* text) {
    char* neu[SPALTEN] = {};
    const int32_t n = text ? spalten_schneiden(text, neu) : 0;
    if (gleich(neu, texte)) {
        for (char*& t : neu) text_freigeben(t);
        return TRUE;
    }
    texte_freigeben();
    for (int32_t i = 0; i < n; ++i) {
        texte[i] = neu[i];
        x_pos[i] = tab[i];
    }
    neu_zeichnen();
    return TRUE;
}

LRESULT Text_KF::wm_paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HGDIOBJ alt = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const Farbgebung* f = farbgebung();
    if (f) SetTextColor(dc, an_ ? f->text : f->grau);
    else if (!an_) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    for (int32_t i = 0; i < SPALTEN && texte[i]; ++i) {
        TextOutA(dc, x_pos[i], 0, texte[i], static_cast<int>(strlen(texte[i])));
    }
    if (alt) SelectObject(dc, alt);
    EndPaint(hwnd, &ps);
    return 0;
}

const char* Text_KF::spalte(int32_t n) {
    return n >= 0 && n < SPALTEN ? texte[n] : nullptr;
}

void Text_KF::neu_zeichnen() {
    if (!hwnd) return;
    if (HWND eltern = GetParent(hwnd)) {
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(HWND_DESKTOP, eltern, reinterpret_cast<POINT*>(&r), 2);
        InvalidateRect(eltern, &r, TRUE);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Text_KF::tab_pos(int32_t t1, int32_t t2, int32_t t3, int32_t t4, int32_t t5, int32_t t6,
                      int32_t t7, int32_t t8, int32_t t9) {
    const int32_t neu[9] = {t1, t2, t3, t4, t5, t6, t7, t8, t9};
    for (int32_t i = 0; i < 9; ++i) tab[i + 1] = neu[i];
}
