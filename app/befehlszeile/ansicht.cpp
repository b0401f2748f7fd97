#include "befehlszeile/ansicht.h"

#include "bedienfeld/leistenregel.h"
#include "zeitregeln.h"

Ansicht ansicht_fuer(const Ansicht& gelesen, const Kartenauftrag& a, const Ort* ort,
                     int32_t ort_nummer) {
    Ansicht v = gelesen;
    // The lists as the panel shows them once the file is loaded.
    listen_nachfuehren(v.rek / 100.0, v.fest, v.monat, v.zeit);
    // A date or an hour chosen in its list: the right ascension of the
    // zenith at that date and hour; the one set last stands.
    if (a.halbmonat >= 0) {
        v.monat = a.halbmonat;
        v.fest = 1;
    }
    if (a.stunde >= 0) {
        v.zeit = a.stunde;
        v.fest = 2;
    }
    if (a.halbmonat >= 0 || a.stunde >= 0)
        v.rek = static_cast<int32_t>(rekt_aus_datum(v.monat, v.zeit) * 100);
    // A place chosen: the zenith's declination is its latitude.
    if (ort) {
        v.ort = ort_nummer;
        v.dek = leisten_position(DEKL_REGEL, ort->breite);
    }
    if (a.feld > 0) v.gesichtsfeld = a.feld;
    return v;
}
