#include "eingabe/pruefungen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "eingabe.h"
#include "gemeinsam/ui_texte.h"

namespace {

constexpr size_t MAX_NAME = 48;  // as a name of Orte.dat

// A decimal number with '.' or ',' and nothing else around it but blanks,
// within minimum..maximum, in hundredths (rounded); false otherwise.
bool grad_lesen(const char* text, double minimum, double maximum, int32_t& hundertstel) {
    char zahl[EINGABE_TEXT];
    snprintf(zahl, sizeof zahl, "%s", text);
    for (char* p = zahl; *p; ++p)
        if (*p == ',') *p = '.';
    char* ende = nullptr;
    const double wert = strtod(zahl, &ende);
    if (ende == zahl) return false;
    while (*ende == ' ') ++ende;
    if (*ende || !(wert >= minimum && wert <= maximum)) return false;  // also NaN
    hundertstel = static_cast<int32_t>(std::lround(wert * 100));
    return true;
}

}  // namespace

int32_t datumseingabe_pruefen(const Eingabefeld* felder, int32_t anzahl, char* meldung, size_t groesse,
                              void* daten) {
    auto& e = *static_cast<Datumseingabe*>(daten);
    if (anzahl != 2) return -1;
    if (datum_lesen(felder[0].text, e.jahr, e.datum) != ZEIT_OK) {
        snprintf(meldung, groesse, ui_text(UI_DATUM_FALSCH), felder[0].text);
        return -1;
    }
    if (uhrzeit_lesen(felder[1].text, e.zeit) != ZEIT_OK) {
        snprintf(meldung, groesse, ui_text(UI_UHRZEIT_FALSCH), felder[1].text);
        return -1;
    }
    return 0;
}

int32_t ortseingabe_pruefen(const Eingabefeld* felder, int32_t anzahl, char* meldung, size_t groesse,
                            void* daten) {
    auto& e = *static_cast<Ortseingabe*>(daten);
    if (anzahl != 4) return -1;
    const size_t n = strlen(felder[0].text);
    if (n == 0 || n > MAX_NAME || strchr(felder[0].text, ';')) {
        snprintf(meldung, groesse, "%s", ui_text(UI_ORTSNAME_FALSCH));
        return -1;
    }
    if (!grad_lesen(felder[1].text, -89.99, 89.99, e.breite)) {
        snprintf(meldung, groesse, ui_text(UI_BREITE_FALSCH), felder[1].text);
        return -1;
    }
    if (!grad_lesen(felder[2].text, -180.0, 180.0, e.laenge)) {
        snprintf(meldung, groesse, ui_text(UI_LAENGE_FALSCH), felder[2].text);
        return -1;
    }
    if (!felder[3].text[0]) {
        snprintf(meldung, groesse, "%s", ui_text(UI_ZONE_FEHLT));
        return -1;
    }
    return 0;
}
