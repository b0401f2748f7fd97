// The main window's view, layers and colours to and from a settings file.
// Reading holds every value to its key's range, the one the bars span, and
// the bars hold the view: what is saved back lies within the ranges, and a
// value within its range is written back as it was. The place is held to
// the places list when the list is filled.
#include "ablage.h"
#include "bedienfeld/ansichtsregeln.h"
#include "bedienfeld/leistenregel.h"
#include "bedienfeld/tasten_leiste.h"
#include "combobox_kf.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "gemeinsam/uhr.h"
#include "hauptfenster/himmel_df.h"
#include "menue/menue.h"
#include "scrollbar_kf.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const char* oder_ini(const char* datei, const char* ini_pfad) {
    return datei && *datei ? datei : ini_pfad;
}

// The box of a settings file that could not be written; without an owner
// once the window is gone.
void nicht_gespeichert(HWND besitzer, const char* pfad) {
    char text[PFAD_LAENGE + 300];
    snprintf(text, sizeof text, ui_text(UI_EINSTELLUNGEN_NICHT_GESPEICHERT), pfad);
    meldung(IsWindow(besitzer) ? besitzer : nullptr, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
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
    regel = e.moment.regel;
    // Night mode belongs to the window, not to the file it shows: a file
    // loaded while the window is open (the saver's settings) leaves it.
    const int32_t nacht = hwnd ? darstellung.nacht : e.darstellung.nacht;
    darstellung = e.darstellung;
    darstellung.nacht = nacht;
    eigenen_ort_uebernehmen(e);
    rekt_leiste->setze_pos(leisten_position(REKT_REGEL, a.rek));
    dekl_leiste->setze_pos(a.dek);  // Dek is stored as the bar's position (negated)
    feld_leiste->setze_pos(leisten_position(FELD_REGEL, a.gesichtsfeld));
    const Ort* o = orte.ort(a.ort);
    snprintf(letzter_ort, sizeof letzter_ort, "%s", o ? o->name : e.texte.ort_name);
    moment = moment_aus(e, standort_aus(e, orte, zonen), zonen, jahr_jetzt());
    // By the moment's rule the bars show the moment; by the original rule
    // they keep the file's values.
    if (regel == REGEL_MOMENT) {
        Himmelslage lage{};
        if (himmelslage(zonen, moment, lage) == ZEIT_OK)
            rekt_leiste->setze_pos(leisten_position(REKT_REGEL, static_cast<int32_t>(std::lround(lage.sternzeit * 100))));
    }
    mitte_setzen();
    moment_anzeigen();
    for (int32_t i = 0; i < EBENEN; ++i) {
        ebenen_leisten[i]->setze_pos(leisten_position(EBENEN_REGEL, darstellung.staerke_prozent[i]));
    }
    farbtabellen_setzen();
    neu_zeichnen();
    bedienfeld_auffrischen();
}

void Himmel_DF::eigenen_ort_uebernehmen(const Einstellungen& e) {
    snprintf(eigener_ort, sizeof eigener_ort, "%s", e.texte.ort_name);
    eigene_breite = e.moment.ort_breite;
    eigene_laenge = e.moment.ort_laenge;
    snprintf(eigene_zone, sizeof eigene_zone, "%s", e.texte.ort_zone);
    // The own place follows those of Orte.dat in the list.
    if (listen_gefuellt) {
        ort_wahl->resetcontent();
        orte_eintragen();
    }
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
    e.moment.regel = regel;
    moment_eintragen(e, moment, zonen);
    e.moment.ort_breite = eigene_breite;
    e.moment.ort_laenge = eigene_laenge;
    snprintf(e.texte.ort_name, sizeof e.texte.ort_name, "%s", eigener_ort);
    snprintf(e.texte.ort_zone, sizeof e.texte.ort_zone, "%s", eigene_zone);
    return e;
}

int32_t Himmel_DF::einstellungen_speichern(const char* datei) {
    const char* pfad = oder_ini(datei, ini_pfad);
    // The user's folder is made before its first file.
    const int32_t ergebnis =
        *pfad && elternordner_anlegen(pfad) == 0 ? einstellungen_schreiben(pfad, einstellungen()) : -1;
    // No ini_pfad: a start that failed, which writes no settings.
    // Once per session: the box would otherwise come again at every save.
    if (ergebnis != 0 && *ini_pfad && strcmp(pfad, ini_pfad) == 0 && !einstellungen_gemeldet) {
        einstellungen_gemeldet = true;
        nicht_gespeichert(hwnd, ini_pfad);
    }
    return ergebnis;
}
