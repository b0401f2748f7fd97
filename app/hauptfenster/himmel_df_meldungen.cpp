// Every message the main window handles, and the tables of the messages that
// reach it from its children. Each handler hands its message to a named
// member (or to the part of the program that does the work) and then to the
// base handling.
#include "bedienfeld/tasten_leiste.h"
#include "canvas_kf.h"
#include "hauptfenster/himmel_df.h"
#include "menue/menue.h"
#include "schoner/modus.h"

namespace {

Himmel_DF* hauptfenster_von(wFenster* kind) {
    return static_cast<Himmel_DF*>(static_cast<Fenster*>(kind)->vater);
}

// The chart pane hands its mouse to the main window (client pixels of the pane).
LRESULT karte_maus_weiter(wFenster* karte, WPARAM, uint16_t x, uint16_t y) {
    hauptfenster_von(karte)->karte_maus(x, y);
    return 0;
}

LRESULT karte_klick_weiter(wFenster* karte, WPARAM, uint16_t x, uint16_t y) {
    hauptfenster_von(karte)->karte_klick(x, y);
    return 0;
}

LRESULT info_darstellen_weiter(wFenster* info) {
    hauptfenster_von(info)->info_darstellen();
    return 0;
}

// A test run's parked settings come back when the user returns.
LRESULT aktiviert(wFenster* f, uint16_t zustand, LPARAM anderes, uint16_t minimiert) {
    auto* h = static_cast<Himmel_DF*>(f);
    schoner_aktiviert(zustand, h->schoner_orte());
    return h->Dialog_F::wm_activate(zustand, anderes, minimiert);
}

// Menu commands first; every command message then goes on to the panel's
// list notifications.
LRESULT befehl(wFenster* f, uint16_t id, LPARAM kontrolle, uint16_t code) {
    auto* h = static_cast<Himmel_DF*>(f);
    if (ist_menue_befehl(id, code, kontrolle)) h->menue_befehl(id);
    return h->wm_command(id, kontrolle, code);
}

// Leaves the screen-saver editing before the window goes.
LRESULT zerstoert(wFenster* f) {
    auto* h = static_cast<Himmel_DF*>(f);
    schoner_fenster_zerstoert(*h, h->schoner_orte());
    return h->Dialog_F::wm_destroy();
}

}  // namespace

const Mldg_Eintrag HAUPTFENSTER_MELDUNGEN[] = {
    mldg_eintrag<WM_ACTIVATE>(aktiviert),
    mldg_eintrag<WM_COMMAND>(befehl),
    mldg_eintrag<WM_DESTROY>(zerstoert),
    mldg_ende,
};

const Mldg_Eintrag KARTEN_MELDUNGEN[] = {
    mldg_eintrag<WM_MOUSEMOVE>(karte_maus_weiter),
    mldg_eintrag<WM_LBUTTONDOWN>(karte_klick_weiter),
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

LRESULT Himmel_DF::wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) {
    if (code == CBN_SELCHANGE) liste_gewaehlt(kontrolle);
    return Dialog_F::wm_command(id, kontrolle, code);
}

LRESULT Himmel_DF::wm_hscroll(uint16_t art, int16_t pos, LPARAM leiste) {
    waagrecht_gerollt(art, pos, leiste);
    return Dialog_F::wm_hscroll(art, pos, leiste);
}

LRESULT Himmel_DF::wm_vscroll(uint16_t art, int16_t pos, LPARAM leiste) {
    senkrecht_gerollt(art, pos, leiste);
    return Dialog_F::wm_vscroll(art, pos, leiste);
}
