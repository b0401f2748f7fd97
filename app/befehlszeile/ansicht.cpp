#include "befehlszeile/ansicht.h"

#include <cmath>

#include "bedienfeld/ansichtsregeln.h"
#include "bedienfeld/leistenregel.h"
#include "bedienfeld/momentregeln.h"
#include "zeitregeln.h"
#include "ortszeit.h"

Kartenansicht ansicht_fuer(const Einstellungen& e, const Kartenauftrag& a, const Orte& orte,
                           int32_t ort_nummer, const Zonen& zonen, int32_t jahr) {
    Kartenansicht k{e.ansicht, moment_aus(e, standort_aus(e, orte, zonen), zonen, jahr), e.moment.regel};
    Ansicht& v = k.ansicht;
    Moment& m = k.moment;
    // A place chosen: the zenith's declination is its latitude.
    if (const Ort* ort = orte.ort(ort_nummer)) {
        v.ort = ort_nummer;
        v.dek = leisten_position(DEKL_REGEL, ort->breite);
        m.ort.breite = ort->breite / 100.0;
        m.ort.laenge = ort->laenge / 100.0;
        m.ort.zone = zonen.zone_des_orts(ort->name);
        if (m.ort.zone < 0) m.ort.zone = zone_des_meridians(zonen, m.ort.laenge);
    }
    // The date or the time given stands; the one given last counts as set
    // last, as in the window's lists.
    if (a.mit_datum) {
        m.datum = a.datum;
        v.fest = 1;
    }
    if (a.mit_zeit) {
        m.zeit = a.zeit;
        v.fest = 2;
    }
    if (k.regel == REGEL_ORIGINAL) {
        // The lists as the panel shows them once the file is loaded, then the
        // entries of the date and hour given.
        listen_nachfuehren(v.rek / 100.0, v.fest, v.monat, v.zeit);
        if (a.mit_datum) v.monat = halbmonat_des_tages(m.datum.monat, m.datum.tag);
        if (a.mit_zeit) v.zeit = m.zeit.stunde;
        if (a.mit_datum || a.mit_zeit) v.rek = static_cast<int32_t>(rekt_aus_datum(v.monat, v.zeit) * 100);
    } else {
        Himmelslage lage{};
        if (himmelslage(zonen, m, lage) == ZEIT_OK)
            v.rek = begrenzt(REKT_BEREICH, std::lround(lage.sternzeit * 100));
        v.monat = halbmonat_des_tages(m.datum.monat, m.datum.tag);
        v.zeit = m.zeit.stunde;
    }
    if (a.feld > 0) v.gesichtsfeld = a.feld;
    return k;
}
