// The main window's view, layers and colours to and from a settings file.
// Reading holds every value to its key's range, the one the bars span, and
// the bars hold the view: what is saved back lies within the ranges, and a
// value within its range is written back as it was. The place is held to
// the places list when the list is filled.
#include "bedienfeld/ansichtsregeln.h"
#include "bedienfeld/leistenregel.h"
#include "bedienfeld/tasten_leiste.h"
#include "hauptfenster/himmel_df.h"
#include "scrollbar_kf.h"

namespace {

const char* oder_ini(const char* datei, const char* ini_pfad) {
    return datei && *datei ? datei : ini_pfad;
}

}  // namespace

void Himmel_DF::einstellungen_laden(const char* datei) {
    const char* pfad = oder_ini(datei, ini_pfad);
    const Einstellungen e =
        *pfad ? einstellungen_lesen(pfad, Programm::STERNKARTE) : vorgaben(Programm::STERNKARTE);
    const Ansicht& a = e.ansicht;
    fest = a.fest;
    monat = a.monat;
    zeit = a.zeit;
    ort = a.ort;
    darstellung = e.darstellung;
    rekt_leiste->setze_pos(leisten_position(REKT_REGEL, a.rek));
    dekl_leiste->setze_pos(a.dek);  // Dek is stored as the bar's position (negated)
    feld_leiste->setze_pos(leisten_position(FELD_REGEL, a.gesichtsfeld));
    himmel_ausrichten(*himmel, a);
    for (int32_t i = 0; i < EBENEN; ++i) {
        ebenen_leisten[i]->setze_pos(leisten_position(EBENEN_REGEL, darstellung.staerke_prozent[i]));
    }
    farbtabellen_setzen();
    neu_zeichnen();
    bedienfeld_auffrischen();
}

Einstellungen Himmel_DF::einstellungen() const {
    Einstellungen e{};
    e.ansicht.rek = leisten_wert(REKT_REGEL, rekt_leiste->pos());
    e.ansicht.dek = dekl_leiste->pos();
    e.ansicht.gesichtsfeld = leisten_wert(FELD_REGEL, feld_leiste->pos());
    e.ansicht.fest = fest;
    e.ansicht.monat = monat;
    e.ansicht.zeit = zeit;
    e.ansicht.ort = ort;
    e.darstellung = darstellung;
    return e;
}

int32_t Himmel_DF::einstellungen_speichern(const char* datei) {
    const char* pfad = oder_ini(datei, ini_pfad);
    return *pfad ? einstellungen_schreiben(pfad, einstellungen()) : -1;
}
