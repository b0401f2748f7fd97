// The control panel of the main window: the value fields and lists follow
// the moment, and the lists, the bars and the arrow keys move it. The bars
// show the observer's zenith as the user reads it: the right ascension is
// the local sidereal time of the moment (by the original rule, the fixed
// rule of karte/zeitregeln.h), the declination the latitude.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bedienfeld/leistenregel.h"
#include "bedienfeld/momentregeln.h"
#include "bedienfeld/ort_suche.h"
#include "bedienfeld/orte.h"
#include "bedienfeld/tasten_leiste.h"
#include "bedienfeld/wertanzeige.h"
#include "zeitregeln.h"
#include "combobox_kf.h"
#include "dib_kf.h"
#include "edit_kf.h"
#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "hauptfenster/himmel_df.h"
#include "ortszeit.h"
#include "wertebereich.h"
#include "zeichnen/plan_ausfuehren.h"

namespace {

// The date list's entries. Not in the user-interface table (gemeinsam/
// ui_texte.h): they are the values of the panel's half-month rule
// (karte/zeitregeln.h), one per index, not menus, captions or messages, and
// the table's free numbers (three, kept for new messages) have no room for
// 24 of them. The hour list's "%d Uhr" likewise: a value with its unit, and
// the table holds no format with a number argument.
const char* const HALBMONAT_TEXTE[HALBMONATE] = {
    "  1. Januar",    "15. Januar",    "  1. Februar", "15. Februar",  "  1. März",
    "15. März",       "  1. April",    "15. April",    "  1. Mai",     "15. Mai",
    "  1. Juni",      "15. Juni",      "  1. Juli",    "15. Juli",     "  1. August",
    "15. August",     "  1. September", "15. September", "  1. Oktober", "15. Oktober",
    "  1. November",  "15. November",  "  1. Dezember", "15. Dezember",
};

bool ist(Fenster* f, LPARAM kontrolle) {
    return f->hwnd && f->hwnd == reinterpret_cast<HWND>(kontrolle);
}

// Moves the value of a bar by a notification; true when it applies, and
// the bar then stands at the new value.
bool bewegen(Scrollbar_KF& leiste, const Leistenregel& r, uint16_t art, int16_t daumen,
             int32_t& wert) {
    wert = leisten_wert(r, leiste.pos());
    if (!leisten_schritt(r, art, daumen, wert)) return false;
    leiste.setze_pos(leisten_position(r, wert));
    return true;
}

}  // namespace

void Himmel_DF::bedienfeld_auffrischen() {
    if (!hwnd) return;
    if (!listen_gefuellt) listen_fuellen();
    char text[40];
    const double rekt = leisten_wert(REKT_REGEL, rekt_leiste->pos()) / 100.0;
    rekt_text(text, sizeof text, rekt);
    anzeige_setzen(rekt_anzeige.get(), text);
    dekl_text(text, sizeof text, leisten_wert(DEKL_REGEL, dekl_leiste->pos()) / 100.0);
    anzeige_setzen(dekl_anzeige.get(), text);
    // By the original rule the list not set last follows the right
    // ascension; by the moment's both show their entries nearest to it.
    if (regel == REGEL_ORIGINAL) {
        listen_nachfuehren(rekt, fest, monat, zeit);
    } else {
        monat = halbmonat_des_tages(moment.datum.monat, moment.datum.tag);
        zeit = moment.zeit.stunde;
    }
    monat_wahl->setcursel(monat);
    zeit_wahl->setcursel(zeit);
    if (ort_fest == 0) ort_nachfuehren();
    feld_text(text, sizeof text, himmel->gesichtsfeld);
    anzeige_setzen(feld_anzeige.get(), text);
}

void Himmel_DF::anzeige_setzen(Edit_KF* feld, const char* text) {
    feld->sm_settext(text);
    if (feld->hwnd) UpdateWindow(feld->hwnd);
}

void Himmel_DF::listen_fuellen() {
    listen_gefuellt = true;
    for (const char* t : HALBMONAT_TEXTE) monat_wahl->addstring(t);
    monat_wahl->setcursel(monat);
    char text[16];
    for (int32_t h = 0; h < STUNDEN; ++h) {
        snprintf(text, sizeof text, "%d Uhr", h);
        zeit_wahl->addstring(text);
    }
    zeit_wahl->setcursel(zeit);
    if (orte_fehlen) {
        // Word for word and without an icon, as the panel has always shown
        // it; not in the user-interface table, whose last free numbers are
        // kept for the messages of failed file writes, which will word this
        // box anew.
        meldung(hwnd, "Die Datei 'Orte.dat' konnte nicht geöffnet werden!", "Fehler", MB_OK);
    }
    if (orte_gekuerzt) {
        char text[200];
        snprintf(text, sizeof text,
                 "Die Datei 'Orte.dat' ist länger, als Varnis liest (%d Orte oder %d MB). "
                 "Die Liste zeigt die ersten %d Orte.",
                 static_cast<int>(ORTE_MAX), static_cast<int>(ORTE_BYTES_MAX >> 20),
                 static_cast<int>(orte.anzahl()));
        meldung(hwnd, text, ui_text(UI_TITEL_HINWEIS), MB_OK | MB_ICONINFORMATION);
    }
    orte_eintragen();
    // A place read from a settings file that the list does not have is none.
    ort = ort_begrenzt(ort, static_cast<int32_t>(ort_breiten.size()));
    ort_wahl->setcursel(ort);
}

void Himmel_DF::orte_eintragen() {
    ort_breiten.clear();
    ort_laengen.clear();
    ort_zonen.clear();
    ort_breiten.reserve(static_cast<size_t>(orte.anzahl()) + 1);
    // Room for every place at once, so that the list's storage need not grow
    // item by item, and its scroll range set once at the end, not after each
    // place (that alone was three quarters of the filling under Wine).
    size_t zeichen = 0;
    for (int32_t i = 0; i < orte.anzahl(); ++i) zeichen += std::strlen(orte.ort(i)->name) + 1;
    SendMessageA(ort_wahl->hwnd, CB_INITSTORAGE, static_cast<WPARAM>(orte.anzahl()),
                 static_cast<LPARAM>(zeichen));
    SendMessageA(ort_wahl->hwnd, WM_SETREDRAW, FALSE, 0);
    for (int32_t i = 0; i < orte.anzahl(); ++i) {
        const Ort& o = *orte.ort(i);
        if (ort_wahl->addstring(o.name) < 0) break;  // no room: the places so far
        ort_breiten.push_back(o.breite);
        ort_laengen.push_back(o.laenge);
        ort_zonen.push_back(zonen.zone_des_orts(o.name));
    }
    if (eigener_ort[0] && ort_wahl->addstring(eigener_ort) >= 0) {
        ort_breiten.push_back(eigene_breite);
        ort_laengen.push_back(eigene_laenge);
        ort_zonen.push_back(zonen.zone_index(eigene_zone));
    }
    SendMessageA(ort_wahl->hwnd, WM_SETREDRAW, TRUE, 0);
}

void Himmel_DF::ort_nachfuehren() {
    const int32_t dekl = leisten_wert(DEKL_REGEL, dekl_leiste->pos());
    ort = ort_suchen(ort_breiten.data(), static_cast<int32_t>(ort_breiten.size()), dekl);
    ort_wahl->setcursel(ort);
}

void Himmel_DF::ort_nehmen(int32_t index, Moment& neu) {
    const size_t i = static_cast<size_t>(index);
    neu.ort.laenge = ort_laengen[i] / 100.0;
    neu.ort.zone = ort_zonen[i] >= 0 ? ort_zonen[i] : zone_des_meridians(zonen, neu.ort.laenge);
    char name[ORTSNAME_TEXT] = "";
    ort_wahl->getlbtext(index, name, sizeof name);
    snprintf(letzter_ort, sizeof letzter_ort, "%s", name);
}

void Himmel_DF::liste_gewaehlt(LPARAM liste) {
    if (ist(monat_wahl.get(), liste) || ist(zeit_wahl.get(), liste)) {
        fest = ist(monat_wahl.get(), liste) ? 1 : 2;
        const int32_t halbmonat = static_cast<int32_t>(monat_wahl->getcursel());
        const int32_t stunde = static_cast<int32_t>(zeit_wahl->getcursel());
        if (halbmonat < 0 || stunde < 0) return;
        monat = halbmonat;
        zeit = stunde;
        uhr_loslassen();
        Moment neu = moment;
        // By the original rule the two lists are the moment, as their sky
        // has always been; by the moment's rule the list chosen sets its
        // part and the other keeps the moment's, to the minute.
        if (regel == REGEL_ORIGINAL || fest == 1) neu.datum = datum_des_halbmonats(moment.datum.jahr, halbmonat);
        if (regel == REGEL_ORIGINAL || fest == 2) neu.zeit = {stunde, 0};
        moment_setzen(neu);
    } else if (ist(ort_wahl.get(), liste)) {
        const int32_t gewaehlt = static_cast<int32_t>(ort_wahl->getcursel());
        if (gewaehlt < 0 || gewaehlt >= static_cast<int32_t>(ort_breiten.size())) return;
        ort_fest = 1;
        ort = gewaehlt;
        Moment neu = moment;
        ort_nehmen(gewaehlt, neu);
        neu.ort.breite = ort_breiten[static_cast<size_t>(gewaehlt)] / 100.0;
        // The civil time stays: the chart shows the new place at the same hour.
        moment_setzen(neu);
    }
}

void Himmel_DF::waagrecht_gerollt(uint16_t art, int16_t pos, LPARAM leiste) {
    int32_t wert = 0;
    if (ist(rekt_leiste.get(), leiste)) {
        if (bewegen(*rekt_leiste, REKT_REGEL, art, pos, wert)) rekt_bewegt(wert / 100.0);
    } else if (ist(feld_leiste.get(), leiste)) {
        if (bewegen(*feld_leiste, FELD_REGEL, art, pos, wert)) {
            himmel->setze_gesichtsfeld(wert);
            bedienfeld_auffrischen();
            neu_zeichnen();
        }
    } else {
        for (int32_t i = 0; i < EBENEN; ++i) {
            if (ist(ebenen_leisten[i].get(), leiste) &&
                bewegen(*ebenen_leisten[i], EBENEN_REGEL, art, pos, wert)) {
                ebene_geaendert(static_cast<Ebene>(i), wert);
            }
        }
    }
}

void Himmel_DF::senkrecht_gerollt(uint16_t art, int16_t pos, LPARAM leiste) {
    int32_t wert = 0;
    if (ist(dekl_leiste.get(), leiste) && bewegen(*dekl_leiste, DEKL_REGEL, art, pos, wert)) {
        ort_fest = 0;
        // A place at the new latitude lends its longitude and zone; where
        // none lies, the last place's stay.
        ort_nachfuehren();
        Moment neu = moment;
        if (ort >= 0) ort_nehmen(ort, neu);
        neu.ort.breite = wert / 100.0;
        moment_setzen(neu);
    }
}

void Himmel_DF::rekt_bewegt(double sternzeit) {
    uhr_loslassen();
    if (regel == REGEL_ORIGINAL) {
        // The bar's value is the centre; the lists follow it.
        mitte_setzen();
        bedienfeld_auffrischen();
        Moment neu = moment;
        neu.datum = datum_des_halbmonats(moment.datum.jahr, monat);
        neu.zeit = {zeit, 0};
        moment = neu;
        titel_setzen();
        neu_zeichnen();
        return;
    }
    Moment neu = moment;
    if (moment_nach_sternzeit(zonen, neu, sternzeit, fest) == ZEIT_OK) moment_setzen(neu);
}

void Himmel_DF::pfeiltaste(WPARAM code) {
    // A line step, as if the bar's own arrow had been clicked.
    if (!rekt_leiste->hwnd) return;
    wm_hscroll(code == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT, 0,
               reinterpret_cast<LPARAM>(rekt_leiste->hwnd));
}

void Himmel_DF::ebene_geaendert(Ebene ebene, int32_t prozent) {
    const bool war_an = darstellung.staerke_prozent[ebene] > 0;
    darstellung.staerke_prozent[ebene] = prozent;
    farbtabellen_setzen();
    if (war_an != (prozent > 0)) {
        // Switched on: what was left out must be drawn; switched off: its
        // colour entry is the background now, and the rest is drawn over it.
        // Either way the labels are placed anew: the old ones go first.
        beschriftung_loeschen(karte_bild, radius(karte.get()), inhalt());
        weiter_ab(STUFE_ABSCHLUSS);
    } else {
        InvalidateRect(uebersicht->hwnd, nullptr, FALSE);
        InvalidateRect(karte->hwnd, nullptr, FALSE);
    }
}
