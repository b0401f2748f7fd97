// The main window's view, layers and colours to and from a settings file.
// The bars hold the view: a value is put on its bar first and read back from
// it, so a stored number outside the bar's range reaches the sky held to the
// range, and a value read and saved unchanged is written back as it was.
#include "himmel_df.h"
#include "leistenregel.h"
#include "scrollbar_kf.h"
#include "tasten_leiste.h"

namespace {

const char* oder_ini(const char* datei, const char* ini_pfad) {
    return datei && *datei ? datei : ini_pfad;
}

}  // namespace

void Himmel_DF::einstellungen_laden(const char* datei) {
    const char* pfad = oder_ini(datei, ini_pfad);
    const Einstellungen e =
        *pfad ? einstellungen_lesen(pfad, Programm::STERNKARTE) : vorgaben(Programm::STERNKARTE);
    fest = e.fest;
    monat = e.monat;
    zeit = e.zeit;
    ort = e.ort;
    darstellung = e;
    rekt_leiste->setze_pos(leisten_position(REKT_REGEL, e.rek));
    dekl_leiste->setze_pos(e.dek);  // Dek is stored as the bar's position (negated)
    feld_leiste->setze_pos(leisten_position(FELD_REGEL, e.gesichtsfeld));
    himmel->setze_rektaszension(leisten_wert(REKT_REGEL, rekt_leiste->pos()) / 100.0);
    himmel->setze_deklination(leisten_wert(DEKL_REGEL, dekl_leiste->pos()) / 100.0);
    himmel->setze_gesichtsfeld(leisten_wert(FELD_REGEL, feld_leiste->pos()));
    for (int32_t i = 0; i < EBENEN; ++i) {
        ebenen_leisten[i]->setze_pos(leisten_position(EBENEN_REGEL, e.staerke[i]));
        darstellung.staerke[i] = ebenen_leisten[i]->pos();
    }
    farbtabellen_setzen();
    neu_zeichnen();
    bedienfeld_auffrischen();
}

Einstellungen Himmel_DF::einstellungen() const {
    Einstellungen e = darstellung;
    e.rek = leisten_wert(REKT_REGEL, rekt_leiste->pos());
    e.dek = dekl_leiste->pos();
    e.gesichtsfeld = leisten_wert(FELD_REGEL, feld_leiste->pos());
    e.fest = fest;
    e.monat = monat;
    e.zeit = zeit;
    e.ort = ort;
    return e;
}

void Himmel_DF::einstellungen_speichern(const char* datei) {
    const char* pfad = oder_ini(datei, ini_pfad);
    // A failed write is not reported: the view is lost, nothing else.
    if (*pfad) einstellungen_schreiben(pfad, einstellungen());
}
