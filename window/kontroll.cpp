#include "kontroll.h"

#include "systemklassen.h"
#include "text_kf.h"
#include "texte.h"

#include <cstring>

namespace {

bool trennt(char c) {
    return c == '#' || c == '|';
}

// The number of the field that begins after the separator at ende: the
// separators up to and including it, at most the last column.
int32_t feld_nummer(const char* text, const char* ende) {
    int32_t i = 0;
    for (const char* c = text; c <= ende; ++c) {
        if (trennt(*c)) ++i;
    }
    return i < 9 ? i : 9;
}

}  // namespace

Kontroll_F::Kontroll_F(Fenster* vater, const char* beschriftungstext, int32_t x, int32_t y,
                       int32_t breite, int32_t hoehe, DWORD stil)
    : Fenster(vater, nullptr, x, y, breite, hoehe, stil) {
    beschriftung_lesen(beschriftungstext);
}

Kontroll_F::Kontroll_F(Instanz* instanz, int32_t x, int32_t y, int32_t breite, int32_t hoehe,
                       DWORD stil)
    : Fenster(instanz, nullptr, x, y, breite, hoehe, stil) {}

Kontroll_F::~Kontroll_F() {
    delete beschriftung;
}

void Kontroll_F::beschriftung_lesen(const char* text) {
    if (!text || !*text) return;
    const char* raute = strchr(text, '#');
    if (!raute) {
        titel = text_kopie(text);
        return;
    }
    const int32_t x0 = x_, y0 = y_;
    if (raute != text) {
        if (raute[-1] == '_') y_ += 15;
        else x_ += Text_KF::tab[feld_nummer(text, raute)];
    }
    const size_t laenge = strlen(text);
    if (laenge > 1 && vater) {
        const int32_t letztes = feld_nummer(text, text + laenge - 1);
        beschriftung = new Text_KF(vater, text, x0, y0, Text_KF::tab[letztes], hoehe,
                                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    }
    const char* zweite = strchr(raute + 1, '#');
    if (zweite && zweite > raute + 1) {
        titel = text_kopie(raute + 1, static_cast<size_t>(zweite - raute - 1));
    }
}

int Kontroll_F::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Kontroll_F") == 0) return 1;
    return nur_diese ? 0 : Fenster::klassen_name_(name, 0);
}

void Kontroll_F::an(int ein) {
    if (beschriftung) beschriftung->an(ein);
    Fenster::an(ein);
}

WNDPROC Kontroll_F::def_proz() {
    return systemklassen_proz(fensterklasse());
}

Text_KF* Kontroll_F::beschriftung_von() {
    return beschriftung;
}

void Kontroll_F::farbgebung_gewechselt() {}

int32_t Kontroll_F::rahmen_dicke() {
    return 0;
}

int32_t Kontroll_F::rahmen() {
    return (stil & WS_BORDER) ? rahmen_dicke() : 0;
}

LRESULT Kontroll_F::eintrag_text(UINT laenge_anfrage, UINT text_anfrage, int32_t index,
                                 char* puffer, size_t groesse) {
    if (!hwnd || !puffer || groesse == 0) return -1;
    const LRESULT laenge = senden(laenge_anfrage, static_cast<WPARAM>(index), 0, 0);
    if (laenge < 0 || static_cast<size_t>(laenge) >= groesse) return -1;
    return senden(text_anfrage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(puffer), 0);
}

HWND Kontroll_F::oeffnen(int zeigen) {
    // The system must not draw its border where the library draws its frame.
    const bool eigener_rahmen = rahmen() > 0;
    const bool neu = !hwnd;
    if (eigener_rahmen) stil &= ~WS_BORDER;
    Fenster::oeffnen(zeigen);
    if (eigener_rahmen) {
        stil |= WS_BORDER;
        // The frame was not known while the window was being created.
        if (neu && hwnd) {
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
    return hwnd;
}

LRESULT Kontroll_F::wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) {
    // The own notification, sent back by the parent: no command for the
    // system control (an edit field would take the identifier for a menu item).
    if (kontrolle == reinterpret_cast<LPARAM>(hwnd)) return 0;
    return Fenster::wm_command(id, kontrolle, code);
}

LRESULT Kontroll_F::wm_nccalcsize(WPARAM alle, LPARAM daten) {
    LRESULT ergebnis = Fenster::wm_nccalcsize(alle, daten);
    if (const int32_t d = rahmen()) {
        RECT* client = alle ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(daten)->rgrc[0]
                            : reinterpret_cast<RECT*>(daten);
        InflateRect(client, -d, -d);
    }
    return ergebnis;
}

LRESULT Kontroll_F::wm_ncpaint(HRGN bereich) {
    LRESULT ergebnis = Fenster::wm_ncpaint(bereich);
    dreiD();
    return ergebnis;
}

void Kontroll_F::dreiD() {
    const int32_t d = rahmen();
    if (!d || !hwnd) return;
    RECT r;
    GetWindowRect(hwnd, &r);
    HDC dc = GetWindowDC(hwnd);
    dreiD_zeichnen(dc, r.right - r.left, r.bottom - r.top, d >= 3);
    ReleaseDC(hwnd, dc);
}
