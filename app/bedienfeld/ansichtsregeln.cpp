#include "bedienfeld/ansichtsregeln.h"

#include <cstdio>

#include "bedienfeld/momentregeln.h"
#include "ortszeit.h"
#include "zeitregeln.h"
#include "quadrat.h"  // ansicht_deklination, the saver's rule as well

void himmel_ausrichten(Himmel& himmel, const Ansicht& a, const Zonen& zonen, const Moment& moment,
                       int32_t regel) {
    himmel.setze_gesichtsfeld(a.gesichtsfeld);
    Himmelslage lage{};
    if (regel == REGEL_MOMENT && himmelslage(zonen, moment, lage) == ZEIT_OK) {
        himmel.setze_mitte(lage.rekt_j2000, lage.dekl_j2000);
    } else {
        himmel.setze_mitte(a.rek / 100.0, ansicht_deklination(a.dek));
    }
}

Standort standort_aus(const Einstellungen& e, const Orte& orte, const Zonen& zonen) {
    Standort s{ansicht_deklination(e.ansicht.dek), e.moment.laenge / 100.0, -1};
    const Ort* ort = orte.ort(e.ansicht.ort);
    if (ort) {
        s.laenge = ort->laenge / 100.0;
        s.zone = zonen.zone_des_orts(ort->name);
    } else {
        s.zone = zonen.zone_index(e.texte.zone);
    }
    if (s.zone < 0) s.zone = zone_des_meridians(zonen, s.laenge);
    return s;
}

Moment moment_aus(const Einstellungen& e, const Standort& standort, const Zonen& zonen, int32_t jahr) {
    const Momentwerte& w = e.moment;
    Moment m{{w.datum / 10000, w.datum / 100 % 100, w.datum % 100},
             {w.uhrzeit / 100, w.uhrzeit % 100},
             standort};
    if (datum_pruefen(m.datum) == ZEIT_OK && uhrzeit_pruefen(m.zeit) == ZEIT_OK) return m;
    // The lists as the panel shows them once the file is loaded.
    int32_t halbmonat = e.ansicht.monat, stunde = e.ansicht.zeit;
    listen_nachfuehren(e.ansicht.rek / 100.0, e.ansicht.fest, halbmonat, stunde);
    m.datum = datum_des_halbmonats(jahr, halbmonat);
    m.zeit = {stunde, 0};
    if (w.regel == REGEL_MOMENT) moment_nach_sternzeit(zonen, m, e.ansicht.rek / 100.0, e.ansicht.fest);
    return m;
}

void moment_eintragen(Einstellungen& e, const Moment& m, const Zonen& zonen) {
    e.moment.datum = m.datum.jahr * 10000 + m.datum.monat * 100 + m.datum.tag;
    e.moment.uhrzeit = m.zeit.stunde * 100 + m.zeit.minute;
    e.moment.laenge = static_cast<int32_t>(m.ort.laenge * 100 + (m.ort.laenge < 0 ? -0.5 : 0.5));
    const Zone* zone = zonen.zone(m.ort.zone);
    snprintf(e.texte.zone, sizeof e.texte.zone, "%s", zone ? zone->name : "");
}
