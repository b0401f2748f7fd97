// The main window's message table: activation, menu commands and destroy
// pass here before its virtual handlers, so that the screen-saver editing
// and the menu commands can act first and then hand on to the base handling.
#include "himmel_df.h"
#include "menue.h"
#include "schoner_modus.h"

namespace {

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
    if (ist_menue_befehl(id, code)) h->menue_befehl(id);
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
