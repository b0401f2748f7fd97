#include "befehlszeile/werte.h"

#include <cstring>

#include "zeitregeln.h"

namespace {

constexpr int32_t MAX_ZIFFERN = 9;  // below 2^31 whatever the digits

bool schaltjahr(int32_t jahr) { return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0; }

// Days of a month; February has 29 when the year is not known (0).
int32_t tage(int32_t monat, int32_t jahr) {
    static const int32_t TAGE[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat == 2 && jahr != 0 && !schaltjahr(jahr)) return 28;
    return TAGE[monat - 1];
}

// Splits text at the separator into at most drei parts; the number of parts.
int32_t teilen(const char* text, char trenner, const char* teil[3], int32_t laenge[3]) {
    int32_t n = 0;
    const char* p = text;
    for (;;) {
        const char* ende = strchr(p, trenner);
        if (n == 3) return 4;  // one too many
        teil[n] = p;
        laenge[n] = static_cast<int32_t>(ende ? ende - p : strlen(p));
        ++n;
        if (!ende) return n;
        p = ende + 1;
    }
}

int32_t halbmonat(int32_t tag, int32_t monat) {
    const int32_t erster = 2 * (monat - 1);
    if (tag <= 7) return erster;
    if (tag <= 22) return erster + 1;
    return (erster + 2) % HALBMONATE;
}

}  // namespace

bool zahl_lesen(const char* text, int32_t laenge, int32_t minimum, int32_t maximum, int32_t& wert) {
    if (!text || laenge < 1 || laenge > MAX_ZIFFERN) return false;
    int32_t n = 0;
    for (int32_t i = 0; i < laenge; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = 10 * n + (text[i] - '0');
    }
    if (n < minimum || n > maximum) return false;
    wert = n;
    return true;
}

bool zahl_lesen(const char* text, int32_t minimum, int32_t maximum, int32_t& wert) {
    if (!text) return false;
    const size_t laenge = strnlen(text, MAX_ZIFFERN + 1);
    return zahl_lesen(text, static_cast<int32_t>(laenge), minimum, maximum, wert);
}

int32_t halbmonat_lesen(const char* text) {
    if (!text) return -1;
    const char* teil[3];
    int32_t laenge[3];
    int32_t tag = 0, monat = 0, jahr = 0;
    const bool iso = strchr(text, '-') != nullptr;
    const int32_t n = teilen(text, iso ? '-' : '.', teil, laenge);
    if (iso) {
        // JJJJ-MM-TT
        if (n != 3 || laenge[0] != 4 || !zahl_lesen(teil[0], 4, 1, 9999, jahr)) return -1;
        if (!zahl_lesen(teil[1], laenge[1], 1, 12, monat) || laenge[1] > 2) return -1;
        if (!zahl_lesen(teil[2], laenge[2], 1, 31, tag) || laenge[2] > 2) return -1;
    } else {
        // TT.MM, TT.MM. or TT.MM.JJJJ
        if (n < 2 || n > 3) return -1;
        if (laenge[0] > 2 || !zahl_lesen(teil[0], laenge[0], 1, 31, tag)) return -1;
        if (laenge[1] > 2 || !zahl_lesen(teil[1], laenge[1], 1, 12, monat)) return -1;
        if (n == 3 && laenge[2] > 0 && (laenge[2] != 4 || !zahl_lesen(teil[2], 4, 1, 9999, jahr)))
            return -1;
    }
    if (tag > tage(monat, jahr)) return -1;
    return halbmonat(tag, monat);
}
