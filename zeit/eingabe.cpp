#include "eingabe.h"

#include <cctype>

namespace {

// Reads 1..max_ziffern decimal digits at text; the number, or -1 when none.
// text moves past them.
int32_t zahl(const char*& text, int32_t min_ziffern, int32_t max_ziffern) {
    int32_t wert = 0, ziffern = 0;
    while (ziffern < max_ziffern && std::isdigit(static_cast<unsigned char>(*text))) {
        wert = wert * 10 + (*text - '0');
        ++text;
        ++ziffern;
    }
    // A further digit makes the field too long: not one of the forms.
    if (ziffern < min_ziffern || std::isdigit(static_cast<unsigned char>(*text))) return -1;
    return wert;
}

bool zeichen(const char*& text, char c) {
    if (*text != c) return false;
    ++text;
    return true;
}

const char* leer_ueberspringen(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}

}  // namespace

int32_t datum_lesen(const char* text, int32_t jahr, Datum& datum) {
    if (!text) return ZEIT_FORM;
    const char* p = leer_ueberspringen(text);
    Datum d{0, 0, 0};
    const char* anfang = p;
    const int32_t erste = zahl(p, 1, 4);
    if (erste < 0) return ZEIT_FORM;
    if (p - anfang == 4) {  // JJJJ-MM-TT
        d.jahr = erste;
        if (!zeichen(p, '-') || (d.monat = zahl(p, 1, 2)) < 0 || !zeichen(p, '-') ||
            (d.tag = zahl(p, 1, 2)) < 0)
            return ZEIT_FORM;
    } else {  // TT.MM.JJJJ or TT.MM.
        d.tag = erste;
        if (p - anfang > 2 || !zeichen(p, '.') || (d.monat = zahl(p, 1, 2)) < 0 || !zeichen(p, '.'))
            return ZEIT_FORM;
        if (std::isdigit(static_cast<unsigned char>(*p))) {
            if ((d.jahr = zahl(p, 4, 4)) < 0) return ZEIT_FORM;
        } else {
            d.jahr = jahr;
        }
    }
    if (*leer_ueberspringen(p) != '\0') return ZEIT_FORM;
    const int32_t ergebnis = datum_pruefen(d);
    if (ergebnis == ZEIT_OK) datum = d;
    return ergebnis;
}

int32_t uhrzeit_lesen(const char* text, Uhrzeit& zeit) {
    if (!text) return ZEIT_FORM;
    const char* p = leer_ueberspringen(text);
    Uhrzeit z{zahl(p, 1, 2), 0};
    if (z.stunde < 0) return ZEIT_FORM;
    if (zeichen(p, ':') && (z.minute = zahl(p, 2, 2)) < 0) return ZEIT_FORM;
    if (*leer_ueberspringen(p) != '\0') return ZEIT_FORM;
    const int32_t ergebnis = uhrzeit_pruefen(z);
    if (ergebnis == ZEIT_OK) zeit = z;
    return ergebnis;
}
