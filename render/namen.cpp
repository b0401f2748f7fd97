#include "namen.h"

#include <cstdio>
#include <cstring>

#include "gdi_objekt.h"
#include "stern_lage.h"

namespace {

constexpr int NAME_ABSTAND = 10;  // pixels right of the star
constexpr int LINKS_ABSTAND = 2;  // pixels left of the star, for links_beschriftet names

// The Flamsteed number: leading blanks skipped, digits up to the first other
// character, 0 when there are none.
int32_t flamsteed_nummer(const char* bezeichnung) {
    int i = KENNUNG_FLAMSTEED;
    while (i < KENNUNG_FLAMSTEED + KENNUNG_FLAMSTEED_LAENGE && bezeichnung[i] == ' ') ++i;
    int32_t zahl = 0;
    for (; i < KENNUNG_FLAMSTEED + KENNUNG_FLAMSTEED_LAENGE && bezeichnung[i] >= '0' && bezeichnung[i] <= '9'; ++i)
        zahl = zahl * 10 + (bezeichnung[i] - '0');
    return zahl;
}

// The first constellation whose abbreviation agrees with the designation's,
// or -1.
int32_t sternbild_von(const Himmel& himmel, const char* bezeichnung) {
    for (int32_t s = 0; s < himmel.sternbild_anzahl; ++s)
        if (strncmp(himmel.sternbilder[s].abk, bezeichnung + KENNUNG_STERNBILD, KENNUNG_STERNBILD_LAENGE) == 0)
            return s;
    return -1;
}

bool beschriftet(const Himmel& himmel, int32_t sternbild, uint32_t farbe) {
    return himmel.sternbilder[sternbild].hervorgehoben ||
           (farbe == 0 && sternbild == himmel.wahl_sternbild);
}

// Widths of the Symbol-font letters as the Font object measures them on the
// screen, each measured once per call of stern_kennungen: a measurement takes
// the screen's drawing context every time.
class Buchstabenbreiten {
public:
    explicit Buchstabenbreiten(const Font& symbol) : symbol(symbol) {
        for (int32_t& b : breiten) b = -1;
    }
    int32_t breite(const char* buchstabe) {
        int32_t& b = breiten[static_cast<uint8_t>(buchstabe[0])];
        if (b < 0) b = symbol.textbreite(buchstabe);
        return b;
    }

private:
    const Font& symbol;
    int32_t breiten[256];
};

void kennung_zeichnen(HDC dc, const Font& schrift, const Font& symbol, Buchstabenbreiten& breiten,
                      int32_t x, int32_t y, char* bezeichnung) {
    if (bezeichnung[KENNUNG_BAYER] == ' ') {
        char zahl[12];
        snprintf(zahl, sizeof zahl, "%d", static_cast<int>(flamsteed_nummer(bezeichnung)));
        SelectObject(dc, schrift.handle());
        text_aus(dc, x, y, zahl);
        return;
    }
    // griechisch lowers the case of the letter in the catalogue itself.
    const char buchstabe[2] = {griechisch(bezeichnung + KENNUNG_BAYER), '\0'};
    SelectObject(dc, symbol.handle());
    text_aus(dc, x, y, buchstabe);
    SelectObject(dc, schrift.handle());
    if (bezeichnung[KENNUNG_BAYER_INDEX] != ' ') {
        const char index[2] = {bezeichnung[KENNUNG_BAYER_INDEX], '\0'};
        text_aus(dc, x + breiten.breite(buchstabe), y, index);
    }
}

}  // namespace

void stern_namen(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe) {
    SetTextColor(dc, farbe);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    SelectObject(dc, schrift.handle());
    for (int32_t k = 0; k < KLASSEN; ++k) {
        fuer_sterne_der_klasse(himmel, k, [&](const SternSatz& satz, const PolarPos& p) {
            if (!sichtbar_quadrat(p.abstand, himmel.gesichtsfeld) || !satz.eigenname) return;
            const Versatz v = versatz_auf(Massstab::karte, himmel, p, r);
            if (links_beschriftet(satz.eigenname)) {
                SetTextAlign(dc, TA_BASELINE | TA_RIGHT);
                text_aus(dc, r + v.dx - LINKS_ABSTAND, r - v.dy, satz.eigenname);
                SetTextAlign(dc, TA_BASELINE | TA_LEFT);
            } else {
                text_aus(dc, r + v.dx + NAME_ABSTAND, r - v.dy, satz.eigenname);
            }
        });
    }
}

void stern_kennungen(Himmel& himmel, HDC dc, const Font& schrift, const Font& symbol, int32_t r,
                     uint32_t farbe) {
    if (himmel.sternbild_anzahl == 0) return;
    SetTextColor(dc, farbe);
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    Buchstabenbreiten breiten(symbol);
    // Faintest first, so that where labels overlap the brighter star's is on top.
    for (int32_t k = KLASSEN - 1; k >= 0; --k) {
        fuer_sterne_der_klasse(himmel, k, [&](SternSatz& satz, const PolarPos& p) {
            if (!sichtbar_quadrat(p.abstand, himmel.gesichtsfeld)) return;
            if (satz.bezeichnung[KENNUNG_STERNBILD] == ' ') return;
            const int32_t sternbild = sternbild_von(himmel, satz.bezeichnung);
            if (sternbild < 0 || !beschriftet(himmel, sternbild, farbe)) return;
            const Versatz v = versatz_auf(Massstab::karte, himmel, p, r);
            kennung_zeichnen(dc, schrift, symbol, breiten, r + v.dx, r - v.dy, satz.bezeichnung);
        });
    }
}
