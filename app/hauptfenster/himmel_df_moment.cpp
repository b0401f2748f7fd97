// The main window's moment: taking a new one, the title that names it, the
// commands and keys that change it, and the clock it may follow.
#include <cmath>
#include <cstdio>

#include "bedienfeld/ansichtsregeln.h"
#include "bedienfeld/leistenregel.h"
#include "bedienfeld/momentregeln.h"
#include "bedienfeld/momenttext.h"
#include "bedienfeld/wertanzeige.h"
#include "zeitregeln.h"
#include "gemeinsam/uhr.h"
#include "gemeinsam/ui_texte.h"
#include "hauptfenster/himmel_df.h"
#include "menue/menue.h"
#include "ortszeit.h"
#include "bedienfeld/tasten_leiste.h"
#include "scrollbar_kf.h"

namespace {

int32_t hundertstel(double wert) { return static_cast<int32_t>(std::lround(wert * 100)); }

}  // namespace

void Himmel_DF::moment_setzen(const Moment& neu) {
    if (datum_pruefen(neu.datum) != ZEIT_OK || uhrzeit_pruefen(neu.zeit) != ZEIT_OK) return;
    double sternzeit = 0;
    if (regel == REGEL_ORIGINAL) {
        sternzeit = rekt_aus_datum(halbmonat_des_tages(neu.datum.monat, neu.datum.tag), neu.zeit.stunde);
    } else {
        Himmelslage lage{};
        if (himmelslage(zonen, neu, lage) != ZEIT_OK) return;
        sternzeit = lage.sternzeit;
    }
    moment = neu;
    rekt_leiste->setze_pos(leisten_position(REKT_REGEL, hundertstel(sternzeit)));
    dekl_leiste->setze_pos(leisten_position(DEKL_REGEL, hundertstel(moment.ort.breite)));
    mitte_setzen();
    bedienfeld_auffrischen();
    titel_setzen();
    neu_zeichnen();
}

void Himmel_DF::mitte_setzen() {
    himmel_ausrichten(*himmel, einstellungen().ansicht, zonen, moment, regel);
}

void Himmel_DF::titel_setzen() {
    char zeitpunkt[96];
    int64_t utc = 0;
    ZonenAngabe angabe{};
    if (utc_aus_ortszeit(zonen, moment.ort.zone, moment.datum, moment.zeit, utc) != ZEIT_OK ||
        zone_angabe(zonen, moment.ort.zone, utc, angabe) != ZEIT_OK) {
        angabe.abk[0] = '\0';
    }
    moment_in_worten(zeitpunkt, sizeof zeitpunkt, moment, angabe.abk);
    char ort_text[160];
    if (ort >= 0) {
        snprintf(ort_text, sizeof ort_text, "%s", letzter_ort);
    } else {
        // No place at this latitude: the longitude and zone are the last place's.
        char breite[40];
        dekl_text(breite, sizeof breite, moment.ort.breite);
        snprintf(ort_text, sizeof ort_text, ui_text(UI_ORT_OHNE_NAMEN), breite, letzter_ort);
    }
    ueberschrift("%s – %s – %s", ui_text(UI_PROGRAMM), zeitpunkt, ort_text);
}

void Himmel_DF::moment_anzeigen() {
    if (!hwnd) return;
    const HMENU menue = GetMenu(hwnd);
    CheckMenuItem(menue, BEFEHL_ORIGINALREGEL, MF_BYCOMMAND | (regel == REGEL_ORIGINAL ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menue, BEFEHL_UHR_FOLGEN, MF_BYCOMMAND | (uhr_folgen ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menue, BEFEHL_KOERPER, MF_BYCOMMAND | (darstellung.koerper ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menue, BEFEHL_NACHTMODUS, MF_BYCOMMAND | (darstellung.nacht ? MF_CHECKED : MF_UNCHECKED));
    titel_setzen();
}

void Himmel_DF::uhr_zeitgeber() {
    if (!uhr_folgen) {
        KillTimer(hwnd, UHR_TIMER);
        return;
    }
    Moment neu = moment;
    if (moment_der_uhr(zonen, utc_jetzt(), neu) == ZEIT_OK) moment_setzen(neu);
    SetTimer(hwnd, UHR_TIMER, ms_bis_zur_naechsten_minute(), nullptr);
}

void Himmel_DF::uhr_loslassen() {
    if (!uhr_folgen) return;
    uhr_folgen = false;
    KillTimer(hwnd, UHR_TIMER);
    moment_anzeigen();
}

void Himmel_DF::moment_befehl(int32_t id) {
    Moment neu = moment;
    switch (id) {
        case BEFEHL_JETZT:
            if (moment_der_uhr(zonen, utc_jetzt(), neu) == ZEIT_OK) moment_setzen(neu);
            break;
        case BEFEHL_STUNDE_FRUEHER:
        case BEFEHL_STUNDE_SPAETER:
        case BEFEHL_TAG_FRUEHER:
        case BEFEHL_TAG_SPAETER: {
            const int32_t richtung = id == BEFEHL_STUNDE_SPAETER || id == BEFEHL_TAG_SPAETER ? 1 : -1;
            const bool stunde = id == BEFEHL_STUNDE_FRUEHER || id == BEFEHL_STUNDE_SPAETER;
            uhr_loslassen();
            if (moment_schritt(zonen, neu, stunde ? richtung : 0, stunde ? 0 : richtung) == ZEIT_OK)
                moment_setzen(neu);
            break;
        }
        case BEFEHL_UHR_FOLGEN:
            uhr_folgen = !uhr_folgen;
            moment_anzeigen();
            uhr_zeitgeber();
            break;
        case BEFEHL_ORIGINALREGEL:
            regel = regel == REGEL_ORIGINAL ? REGEL_MOMENT : REGEL_ORIGINAL;
            moment_setzen(neu);
            moment_anzeigen();
            break;
        default:
            break;
    }
}
