#include "zeigen/koerper_zeilen.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "kalender.h"
#include "ortszeit.h"
#include "tageslauf.h"
#include "zeitskalen.h"

namespace {

constexpr int64_t TAG = 86400;  // seconds

void zeile(Koerperzeilen& z, const char* format, ...) {
    if (z.anzahl >= KOERPER_ZEILEN) return;
    va_list argumente;
    va_start(argumente, format);
    std::vsnprintf(z.zeile[z.anzahl++], KOERPER_ZEILE, format, argumente);
    va_end(argumente);
}

// A number with a decimal comma, as the stars' popup writes them.
void komma(char* text) {
    char* punkt = std::strchr(text, '.');
    if (punkt) *punkt = ',';
}

// Hours, minutes and seconds of right ascension, degrees, minutes and
// seconds of declination, rounded to the last place shown.
void winkel_zeilen(Koerperzeilen& z, const Koerper& k) {
    const long rekt_s = std::lround(k.rekt * 3600.0) % (24 * 3600);
    zeile(z, "Rekt.\t%02ldh %02ldm %02lds", rekt_s / 3600, rekt_s / 60 % 60, rekt_s % 60);
    const long dekl_s = std::lround(std::fabs(k.dekl) * 3600.0);
    zeile(z, "Dekl.\t%c%02ld\xB0 %02ld' %02ld''", k.dekl < 0 ? '-' : '+', dekl_s / 3600,
          dekl_s / 60 % 60, dekl_s % 60);
}

void helligkeit_zeile(Koerperzeilen& z, const Koerper& k) {
    char wert[16];
    std::snprintf(wert, sizeof wert, "%+.1f", k.helligkeit);
    komma(wert);
    zeile(z, "mag\t%s", wert);
}

// The Moon's in kilometres, every other body's in astronomical units.
void abstand_zeile(Koerperzeilen& z, const Koerper& k, int32_t art) {
    char wert[24];
    if (art == MOND) {
        const long km = std::lround(k.abstand * AE_KM / 100.0) * 100;
        std::snprintf(wert, sizeof wert, "%ld.%03ld km", km / 1000, km % 1000);
    } else {
        std::snprintf(wert, sizeof wert, k.abstand < 10 ? "%.3f AE" : "%.2f AE", k.abstand);
        komma(wert);
    }
    zeile(z, "Entfernung\t%s", wert);
}

void uhrzeit_zeile(Koerperzeilen& z, const Zonen& zonen, int32_t zone, int64_t anfang,
                   const char* titel, int32_t hat, double sekunden) {
    char zeit[8];
    uhrzeit_text(zonen, zone, anfang, hat, sekunden, zeit, sizeof zeit);
    zeile(z, "%s\t%s", titel, zeit);
}

void tag_zeilen(Koerperzeilen& z, int32_t art, const Zonen& zonen, const Moment& moment) {
    int64_t anfang = 0;
    double laenge = 0;
    Zeitskalen skalen{};
    Tageslauf lauf{};
    if (!tag_des_moments(zonen, moment, anfang, laenge) || zeitskalen_aus_utc(anfang, skalen) != ZEIT_OK ||
        tageslauf(skalen, laenge, moment.ort.breite, moment.ort.laenge, art, lauf) != KOERPER_OK)
        return;
    const int32_t zone = moment.ort.zone;
    if (lauf.lauf == LAUF_UNTER_HORIZONT) {
        zeile(z, "bleibt unter dem Horizont");
        return;
    }
    if (lauf.lauf == LAUF_ZIRKUMPOLAR) {
        zeile(z, "zirkumpolar");
    } else {
        uhrzeit_zeile(z, zonen, zone, anfang, "Aufgang", lauf.hat_aufgang, lauf.aufgang);
    }
    uhrzeit_zeile(z, zonen, zone, anfang, "Kulmination", lauf.hat_kulmination, lauf.kulmination);
    if (lauf.lauf == LAUF_AUF_UNTER)
        uhrzeit_zeile(z, zonen, zone, anfang, "Untergang", lauf.hat_untergang, lauf.untergang);
}

}  // namespace

void uhrzeit_text(const Zonen& zonen, int32_t zone, int64_t anfang, int32_t hat, double sekunden,
                  char* ziel, size_t groesse) {
    Datum datum{};
    Uhrzeit zeit{};
    if (!hat || ortszeit_aus_utc(zonen, zone, anfang + std::llround(sekunden) + 30, datum, zeit,
                                 nullptr) != ZEIT_OK) {
        std::snprintf(ziel, groesse, "\x96");  // the en dash: not on this day
        return;
    }
    std::snprintf(ziel, groesse, "%02d:%02d", static_cast<int>(zeit.stunde), static_cast<int>(zeit.minute));
}

bool tag_des_moments(const Zonen& zonen, const Moment& moment, int64_t& anfang, double& laenge) {
    const Datum morgen = datum_aus_tagen(tage_seit_1970(moment.datum) + 1);
    int64_t ende = 0;
    if (utc_aus_ortszeit(zonen, moment.ort.zone, moment.datum, Uhrzeit{0, 0}, anfang) != ZEIT_OK ||
        utc_aus_ortszeit(zonen, moment.ort.zone, morgen, Uhrzeit{0, 0}, ende) != ZEIT_OK)
        return false;
    laenge = static_cast<double>(ende - anfang);
    return laenge > 0 && laenge < 2 * TAG;
}

Koerperzeilen koerper_zeilen(const Koerperlage& lage, int32_t art, const Zonen& zonen,
                             const Moment& moment) {
    Koerperzeilen z{};
    if (art < 0 || art >= KOERPER_ANZAHL) return z;
    const Koerper& k = lage.koerper[art];
    zeile(z, "%s", koerper_name(art));
    winkel_zeilen(z, k);
    helligkeit_zeile(z, k);
    abstand_zeile(z, k, art);
    if (art == MOND || art == MERKUR || art == VENUS)
        zeile(z, "Beleuchtet\t%d %%", static_cast<int>(std::lround(k.beleuchtet * 100)));
    tag_zeilen(z, art, zonen, moment);
    return z;
}
