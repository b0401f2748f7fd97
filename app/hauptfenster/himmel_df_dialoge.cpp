// The main window's two dialogs: any date and minute for the moment, and the
// user's own place, kept in the settings and listed after Orte.dat's.
#include <cstdio>
#include <vector>

#include "combobox_kf.h"
#include "eingabe/eingabe_dialog.h"
#include "eingabe/pruefungen.h"
#include "gemeinsam/ui_texte.h"
#include "hauptfenster/himmel_df.h"

void Himmel_DF::datum_dialog() {
    Eingabefeld felder[2] = {{ui_text(UI_DATUM_BESCHRIFTUNG), "", nullptr, 0},
                             {ui_text(UI_UHRZEIT_BESCHRIFTUNG), "", nullptr, 0}};
    snprintf(felder[0].text, sizeof felder[0].text, "%02d.%02d.%04d", static_cast<int>(moment.datum.tag),
             static_cast<int>(moment.datum.monat), static_cast<int>(moment.datum.jahr));
    snprintf(felder[1].text, sizeof felder[1].text, "%d:%02d", static_cast<int>(moment.zeit.stunde),
             static_cast<int>(moment.zeit.minute));
    Datumseingabe e{moment.datum.jahr, moment.datum, moment.zeit};
    if (!eingabe_dialog(hwnd, ui_text(UI_DATUM_UHRZEIT_TITEL), felder, 2, datumseingabe_pruefen, &e))
        return;
    uhr_loslassen();
    Moment neu = moment;
    neu.datum = e.datum;
    neu.zeit = e.zeit;
    moment_setzen(neu);
}

void Himmel_DF::ort_dialog() {
    std::vector<const char*> namen;
    for (int32_t i = 0; i < zonen.anzahl(); ++i) namen.push_back(zonen.zone(i)->name);
    Eingabefeld felder[4] = {
        {ui_text(UI_NAME_BESCHRIFTUNG), "", nullptr, 0},
        {ui_text(UI_BREITE_BESCHRIFTUNG), "", nullptr, 0},
        {ui_text(UI_LAENGE_BESCHRIFTUNG), "", nullptr, 0},
        {ui_text(UI_ZONE_BESCHRIFTUNG), "", namen.data(), static_cast<int32_t>(namen.size())},
    };
    snprintf(felder[0].text, sizeof felder[0].text, "%s", eigener_ort);
    snprintf(felder[1].text, sizeof felder[1].text, "%.2f", eigene_breite / 100.0);
    snprintf(felder[2].text, sizeof felder[2].text, "%.2f", eigene_laenge / 100.0);
    snprintf(felder[3].text, sizeof felder[3].text, "%s", eigene_zone);
    Ortseingabe e{};
    if (!eingabe_dialog(hwnd, ui_text(UI_EIGENER_ORT_TITEL), felder, 4, ortseingabe_pruefen, &e)) return;
    Einstellungen werte = einstellungen();
    snprintf(werte.texte.ort_name, sizeof werte.texte.ort_name, "%s", felder[0].text);
    werte.moment.ort_breite = e.breite;
    werte.moment.ort_laenge = e.laenge;
    snprintf(werte.texte.ort_zone, sizeof werte.texte.ort_zone, "%s", felder[3].text);
    eigenen_ort_uebernehmen(werte);
    // The own place is chosen, as if picked in the list.
    const int32_t index = static_cast<int32_t>(ort_breiten.size()) - 1;
    if (index < 0 || !eigener_ort[0]) return;
    ort_fest = 1;
    ort = index;
    ort_wahl->setcursel(index);
    Moment neu = moment;
    ort_nehmen(index, neu);
    neu.ort.breite = eigene_breite / 100.0;
    moment_setzen(neu);
}
