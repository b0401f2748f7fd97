// The main window's message table: activation, menu commands and destroy
// pass here before its virtual handlers, so that the screen-saver editing
// and the menu commands can act first and then hand on to the base handling.
#include "himmel_df.h"

namespace {

LRESULT aktiviert(wFenster* f, uint16_t zustand, LPARAM anderes, uint16_t minimiert) {
    return static_cast<Himmel_DF*>(f)->wm_activate(zustand, anderes, minimiert);
}

LRESULT befehl(wFenster* f, uint16_t id, LPARAM kontrolle, uint16_t code) {
    return static_cast<Himmel_DF*>(f)->wm_command(id, kontrolle, code);
}

LRESULT zerstoert(wFenster* f) {
    return static_cast<Himmel_DF*>(f)->wm_destroy();
}

}  // namespace

const Mldg_Eintrag HAUPTFENSTER_MELDUNGEN[] = {
    mldg_eintrag<WM_ACTIVATE>(aktiviert),
    mldg_eintrag<WM_COMMAND>(befehl),
    mldg_eintrag<WM_DESTROY>(zerstoert),
    mldg_ende,
};
