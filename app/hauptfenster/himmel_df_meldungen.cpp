// Every message the main window handles (each by its virtual handler, the
// one way the main window's own messages are dispatched), and the tables of
// the messages that reach it from its children. Each handler hands its message to a named
// member (or to the part of the program that does the work) and then to the
// base handling.
#include "bedienfeld/tasten_leiste.h"
#include "canvas_kf.h"
#include "hauptfenster/himmel_df.h"
#include "menue/menue.h"
#include "menue/menuepunkt.h"
#include "schoner/modus.h"

namespace {

Himmel_DF* hauptfenster_von(wFenster* kind) {
    return static_cast<Himmel_DF*>(static_cast<Fenster*>(kind)->vater);
}

// The chart pane hands its mouse to the main window (client pixels of the
// pane; while the pane holds the mouse, a pointer outside it has negative
// values). A move with the button held is part of a press.
LRESULT karte_maus_weiter(wFenster* karte, WPARAM, uint16_t x, uint16_t y) {
    Himmel_DF* f = hauptfenster_von(karte);
    if (f->maustaste.aktiv)
        f->karte_ziehen(static_cast<int16_t>(x), static_cast<int16_t>(y));
    else
        f->karte_maus(x, y);
    return 0;
}

LRESULT karte_druecken_weiter(wFenster* karte, WPARAM, uint16_t x, uint16_t y) {
    hauptfenster_von(karte)->karte_druecken(x, y);
    return 0;
}

LRESULT karte_loslassen_weiter(wFenster* karte, WPARAM, uint16_t x, uint16_t y) {
    hauptfenster_von(karte)->karte_loslassen(static_cast<int16_t>(x), static_cast<int16_t>(y));
    return 0;
}

LRESULT karte_abbrechen_weiter(wFenster* karte, WPARAM, LPARAM) {
    hauptfenster_von(karte)->karte_abbrechen();
    return 0;
}

LRESULT karte_rad_weiter(wFenster* karte, WPARAM w, LPARAM) {
    hauptfenster_von(karte)->karte_rad(GET_WHEEL_DELTA_WPARAM(w));
    return 0;
}

LRESULT uebersicht_klick_weiter(wFenster* uebersicht, WPARAM, uint16_t x, uint16_t y) {
    hauptfenster_von(uebersicht)->uebersicht_klick(x, y);
    return 0;
}

LRESULT info_darstellen_weiter(wFenster* info) {
    hauptfenster_von(info)->info_darstellen();
    return 0;
}

}  // namespace

const Mldg_Eintrag KARTEN_MELDUNGEN[] = {
    mldg_eintrag<WM_MOUSEMOVE>(karte_maus_weiter),
    mldg_eintrag<WM_LBUTTONDOWN>(karte_druecken_weiter),
    mldg_eintrag<WM_LBUTTONUP>(karte_loslassen_weiter),
    mldg_eintrag<WM_CAPTURECHANGED>(karte_abbrechen_weiter),
    mldg_eintrag<WM_MOUSEWHEEL>(karte_rad_weiter),
    mldg_ende,
};

const Mldg_Eintrag UEBERSICHT_MELDUNGEN[] = {
    mldg_eintrag<WM_LBUTTONDOWN>(uebersicht_klick_weiter),
    mldg_ende,
};

const Mldg_Eintrag INFO_MELDUNGEN[] = {
    mldg_eintrag<WM_PAINT>(info_darstellen_weiter),
    mldg_ende,
};

LRESULT Himmel_DF::wm_keydown(WPARAM code, LPARAM daten) {
    if (code == VK_LEFT || code == VK_RIGHT) pfeiltaste(code);
    return Fenster::wm_keydown(code, daten);
}

LRESULT Himmel_DF::wm_size(WPARAM art, uint16_t breite, uint16_t hoehe) {
    int32_t b = breite, h = hoehe;
    anordnen(b, h);
    return Dialog_F::wm_size(art, static_cast<uint16_t>(b), static_cast<uint16_t>(h));
}

LRESULT Himmel_DF::wm_dpichanged(uint16_t dpi, RECT* vorschlag) {
    aufloesung_setzen(dpi);
    RECT vorher, nachher;
    GetClientRect(hwnd, &vorher);
    if (vorschlag) {
        SetWindowPos(hwnd, nullptr, vorschlag->left, vorschlag->top, vorschlag->right - vorschlag->left,
                     vorschlag->bottom - vorschlag->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A new client size was laid out by wm_size; the same size is laid out here.
    GetClientRect(hwnd, &nachher);
    if (nachher.right == vorher.right && nachher.bottom == vorher.bottom) {
        int32_t b = nachher.right, h = nachher.bottom;
        anordnen(b, h);
    }
    return 0;
}

LRESULT Himmel_DF::wm_timer(WPARAM nummer, LPARAM proz) {
    switch (nummer) {
        case ZEICHEN_TIMER:
            zeitschritt();
            return 0;
        case UHR_TIMER:
            uhr_zeitgeber();
            return 0;
        case ZEITGEBER_INFO_ZEIGEN:
        case ZEITGEBER_INFO_VERBERGEN:
            info_zeitgeber(nummer);
            return 0;
        default:
            return Dialog_F::wm_timer(nummer, proz);
    }
}

// A test run's parked settings come back when the user returns.
LRESULT Himmel_DF::wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert) {
    // Kovra.si$ not taken back is not shown to the user yet; the result
    // reaches this caller so that a message can be added here.
    static_cast<void>(schoner_aktiviert(zustand, schoner_verzeichnisse()));
    return Dialog_F::wm_activate(zustand, anderes, minimiert);
}

// Menu commands first; every command message then goes on to the panel's
// list notifications.
LRESULT Himmel_DF::wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) {
    if (ist_menue_befehl(id, code, kontrolle)) menue_befehl(id);
    if (code == CBN_SELCHANGE) liste_gewaehlt(kontrolle);
    return Dialog_F::wm_command(id, kontrolle, code);
}

// The menu items the program draws in night mode (menue/menuepunkt.h).
LRESULT Himmel_DF::wm_measureitem(WPARAM id, MEASUREITEMSTRUCT* element) {
    if (!element || element->CtlType != ODT_MENU) return Dialog_F::wm_measureitem(id, element);
    menuepunkt_messen(hwnd, *element, dpi_);
    return TRUE;
}

LRESULT Himmel_DF::wm_drawitem(WPARAM id, DRAWITEMSTRUCT* element) {
    if (!element || element->CtlType != ODT_MENU) return Dialog_F::wm_drawitem(id, element);
    menuepunkt_zeichnen(*element, dpi_);
    return TRUE;
}

// Leaves the screen-saver editing before the window goes.
LRESULT Himmel_DF::wm_destroy() {
    // A failed write is not shown: the window is going, and no box may
    // hold up its end.
    static_cast<void>(schoner_fenster_zerstoert(*this, schoner_verzeichnisse()));
    return Dialog_F::wm_destroy();
}

LRESULT Himmel_DF::wm_hscroll(uint16_t art, int16_t pos, LPARAM leiste) {
    waagrecht_gerollt(art, pos, leiste);
    return Dialog_F::wm_hscroll(art, pos, leiste);
}

LRESULT Himmel_DF::wm_vscroll(uint16_t art, int16_t pos, LPARAM leiste) {
    senkrecht_gerollt(art, pos, leiste);
    return Dialog_F::wm_vscroll(art, pos, leiste);
}
