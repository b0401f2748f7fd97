#include "zonen.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "kalender.h"

namespace {

constexpr size_t ZEILE = 256;               // bytes of a line with its end
constexpr int32_t WECHSEL_ZEIT_MAX = 167 * 3600;  // seconds, as RFC 8536 allows
constexpr int32_t TYPEN_MAX = 64;           // local time types of one zone

// Grows a malloc'ed array by one element; false when memory runs out.
template <typename T>
bool platz_fuer_einen(T*& liste, int32_t zahl, int32_t& platz) {
    if (zahl < platz) return true;
    const int32_t neu = platz ? 2 * platz : 64;
    T* l = static_cast<T*>(realloc(liste, static_cast<size_t>(neu) * sizeof(T)));
    if (!l) return false;
    liste = l;
    platz = neu;
    return true;
}

// Splits the line at ';' in place: up to max fields, their count, or -1 when
// there are more.
int32_t felder_teilen(char* zeile, char** felder, int32_t max) {
    int32_t n = 0;
    for (char* p = zeile;; ) {
        if (n == max) return -1;
        felder[n++] = p;
        p = strchr(p, ';');
        if (!p) return n;
        *p++ = '\0';
    }
}

// A decimal integer filling the whole field, within min..max.
bool ganzzahl(const char* feld, int64_t min, int64_t max, int64_t& wert) {
    if (!*feld || (*feld != '-' && *feld != '+' && (*feld < '0' || *feld > '9'))) return false;
    char* ende;
    errno = 0;
    const long long w = strtoll(feld, &ende, 10);
    if (errno != 0 || *ende != '\0' || w < min || w > max) return false;
    wert = w;
    return true;
}

bool ganzzahl32(const char* feld, int32_t min, int32_t max, int32_t& wert) {
    int64_t w;
    if (!ganzzahl(feld, min, max, w)) return false;
    wert = static_cast<int32_t>(w);
    return true;
}

bool abkuerzung(const char* feld, char (&abk)[ZONEN_ABK + 1]) {
    const size_t n = strlen(feld);
    if (n < 1 || n > ZONEN_ABK) return false;
    for (size_t i = 0; i < n; ++i) {
        const char c = feld[i];
        const bool gut = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                         c == '+' || c == '-';
        if (!gut) return false;
    }
    memcpy(abk, feld, n + 1);
    return true;
}

// "M.W.D" and its time: month 1..12, week 1..5, weekday 0..6.
bool wechsel(const char* feld, const char* zeit, ZonenWechsel& w) {
    if (strlen(feld) != 5 && strlen(feld) != 6) return false;
    char text[8];
    memcpy(text, feld, strlen(feld) + 1);
    char* teile[4];
    char* p = text;
    int32_t n = 0;
    for (; n < 4; ++n) {
        teile[n] = p;
        p = strchr(p, '.');
        if (!p) break;
        *p++ = '\0';
    }
    return n == 2 && ganzzahl32(teile[0], 1, 12, w.monat) && ganzzahl32(teile[1], 1, 5, w.woche) &&
           ganzzahl32(teile[2], 0, 6, w.tag) &&
           ganzzahl32(zeit, -WECHSEL_ZEIT_MAX, WECHSEL_ZEIT_MAX, w.sekunden);
}

bool typ_lesen(const char* versatz, const char* abk, ZonenTyp& typ) {
    return ganzzahl32(versatz, -ZONEN_VERSATZ_MAX, ZONEN_VERSATZ_MAX, typ.versatz) &&
           abkuerzung(abk, typ.abk);
}

// The rule's changes from one year before to one after a 400-year cycle of
// the calendar (which repeats its weekdays) lie more than
// ZONEN_WECHSEL_ABSTAND apart.
bool regel_abstaende(const ZonenRegel& r) {
    if (!r.mit_sommerzeit) return true;
    constexpr int32_t ERSTES = 1999, LETZTES = 2401;
    int64_t vorige = 0;
    for (int32_t j = ERSTES; j <= LETZTES; ++j) {
        int64_t beginn = regel_wechsel_utc(r.beginn, j, r.normal.versatz);
        int64_t ende = regel_wechsel_utc(r.ende, j, r.sommer.versatz);
        if (ende < beginn) {
            const int64_t t = beginn;
            beginn = ende;
            ende = t;
        }
        // A change up to a week off its day may pass one of the year before.
        if (j > ERSTES && beginn - vorige <= ZONEN_WECHSEL_ABSTAND) return false;
        if (ende - beginn <= ZONEN_WECHSEL_ABSTAND) return false;
        vorige = ende;
    }
    return true;
}

bool name_lesen(const char* feld, char* name, size_t groesse) {
    const size_t n = strlen(feld);
    if (n < 1 || n >= groesse) return false;
    memcpy(name, feld, n + 1);
    return true;
}

}  // namespace

int64_t regel_wechsel_utc(const ZonenWechsel& w, int32_t jahr, int32_t versatz) {
    const int32_t erster = wochentag(Datum{jahr, w.monat, 1});   // 0 = Monday
    const int32_t erster_sonntags = (erster + 1) % 7;             // 0 = Sunday, as the rule counts
    int32_t tag = 1 + (w.tag - erster_sonntags + 7) % 7 + (w.woche - 1) * 7;
    if (tag > tage_im_monat(jahr, w.monat)) tag -= 7;            // week 5: the last
    return tage_seit_1970(Datum{jahr, w.monat, tag}) * 86400 + w.sekunden - versatz;
}

Zonen::~Zonen() {
    leeren();
}

const Zone* Zonen::zone(int32_t index) const {
    return index >= 0 && index < zonen_zahl ? &zonen_liste[index] : nullptr;
}

const ZonenTyp* Zonen::typ(const Zone& zone, int32_t i) const {
    return i >= 0 && i < zone.typen ? &typen_liste[zone.erster_typ + i] : nullptr;
}

const ZonenUebergang* Zonen::uebergang(const Zone& zone, int32_t i) const {
    return i >= 0 && i < zone.wechsel ? &wechsel_liste[zone.erster_wechsel + i] : nullptr;
}

int32_t Zonen::zone_des_orts(const char* ortsname) const {
    for (int32_t i = 0; ortsname && i < orte_zahl; ++i)
        if (strcmp(orte_liste[i].name, ortsname) == 0) return orte_liste[i].zone;
    return -1;
}

int32_t Zonen::zone_index(const char* name) const {
    for (int32_t i = 0; name && i < zonen_zahl; ++i)
        if (strcmp(zonen_liste[i].name, name) == 0) return i;
    return -1;
}

void Zonen::leeren() {
    free(zonen_liste);
    free(typen_liste);
    free(wechsel_liste);
    free(orte_liste);
    zonen_liste = nullptr;
    typen_liste = nullptr;
    wechsel_liste = nullptr;
    orte_liste = nullptr;
    zonen_zahl = zonen_platz = typen_zahl = typen_platz = 0;
    wechsel_zahl = wechsel_platz = orte_zahl = orte_platz = 0;
}

int32_t zonen_lesen(std::FILE* datei, Zonen& zonen) {
    zonen.leeren();
    char zeile[ZEILE];
    bool gut = true;
    while (gut && fgets(zeile, sizeof zeile, datei)) {
        char* ende = strchr(zeile, '\n');
        if (!ende) {
            gut = feof(datei) != 0;  // a line longer than the format allows
            ende = zeile + strlen(zeile);
        }
        if (ende > zeile && ende[-1] == '\r') --ende;
        *ende = '\0';
        char* felder[11] = {};
        const int32_t n = felder_teilen(zeile, felder, 11);
        const char art = felder[0][0];
        if (art != 'Z' && art != 'Y' && art != 'U' && art != 'O') continue;
        gut = n > 0 && felder[0][1] == '\0';
        if (!gut) break;

        Zone* zone = zonen.zonen_zahl ? &zonen.zonen_liste[zonen.zonen_zahl - 1] : nullptr;
        if (art == 'Z') {
            // The previous zone is complete only with its transitions.
            if (zone && zone->wechsel == 0) { gut = false; break; }
            Zone z{};
            z.erster_typ = zonen.typen_zahl;
            z.erster_wechsel = zonen.wechsel_zahl;
            ZonenRegel& r = z.regel;
            gut = (n == 4 || n == 10) && name_lesen(felder[1], z.name, sizeof z.name) &&
                  zonen.zone_index(felder[1]) < 0 && typ_lesen(felder[3], felder[2], r.normal);
            if (gut && n == 10) {
                r.mit_sommerzeit = 1;
                r.sommer.sommerzeit = 1;
                gut = typ_lesen(felder[5], felder[4], r.sommer) && wechsel(felder[6], felder[7], r.beginn) &&
                      wechsel(felder[8], felder[9], r.ende) && regel_abstaende(r);
            }
            gut = gut && platz_fuer_einen(zonen.zonen_liste, zonen.zonen_zahl, zonen.zonen_platz);
            if (gut) zonen.zonen_liste[zonen.zonen_zahl++] = z;
        } else if (art == 'Y') {
            ZonenTyp t{};
            gut = zone && zone->wechsel == 0 && zone->typen < TYPEN_MAX && n == 4 &&
                  typ_lesen(felder[1], felder[2], t) && ganzzahl32(felder[3], 0, 1, t.sommerzeit) &&
                  platz_fuer_einen(zonen.typen_liste, zonen.typen_zahl, zonen.typen_platz);
            if (gut) {
                zonen.typen_liste[zonen.typen_zahl++] = t;
                ++zone->typen;
            }
        } else if (art == 'U') {
            ZonenUebergang u{};
            const int64_t frueher =
                zone && zone->wechsel ? zonen.wechsel_liste[zonen.wechsel_zahl - 1].utc : -1;
            gut = zone && n == 3 && ganzzahl(felder[1], ZONEN_TABELLE_ANFANG, ZONEN_TABELLE_ENDE - 1, u.utc) &&
                  (zone->wechsel ? u.utc - frueher > ZONEN_WECHSEL_ABSTAND : u.utc == ZONEN_TABELLE_ANFANG) &&
                  ganzzahl32(felder[2], 0, zone->typen - 1, u.typ) &&
                  platz_fuer_einen(zonen.wechsel_liste, zonen.wechsel_zahl, zonen.wechsel_platz);
            if (gut) {
                zonen.wechsel_liste[zonen.wechsel_zahl++] = u;
                ++zone->wechsel;
            }
        } else {
            Zonen::OrtsZone o{};
            gut = n == 3 && name_lesen(felder[1], o.name, sizeof o.name) &&
                  (o.zone = zonen.zone_index(felder[2])) >= 0 &&
                  zonen.zone(o.zone)->wechsel > 0 &&
                  platz_fuer_einen(zonen.orte_liste, zonen.orte_zahl, zonen.orte_platz);
            if (gut) zonen.orte_liste[zonen.orte_zahl++] = o;
        }
    }
    if (gut && zonen.zonen_zahl && zonen.zonen_liste[zonen.zonen_zahl - 1].wechsel == 0) gut = false;
    if (!gut || ferror(datei)) {
        zonen.leeren();
        return ZEIT_DATEI;
    }
    return ZEIT_OK;
}
