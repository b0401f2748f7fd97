#include "namen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "gdi_objekt.h"
#include "skaliert.h"
#include "stern_lage.h"

namespace {

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

// The first constellation whose abbreviation agrees with abk's first
// KENNUNG_STERNBILD_LAENGE characters, or -1.
int32_t sternbild_von(const Himmel& himmel, const char* abk) {
    for (int32_t s = 0; s < himmel.sternbild_anzahl; ++s)
        if (strncmp(himmel.sternbilder[s].abk, abk, KENNUNG_STERNBILD_LAENGE) == 0) return s;
    return -1;
}

// The designation's text in the text font: the Flamsteed number, or the
// Bayer index character after the Greek letter ("" none).
void kennung_text(const char* bezeichnung, char (&text)[12]) {
    if (bezeichnung[KENNUNG_BAYER] == ' ')
        snprintf(text, sizeof text, "%d", static_cast<int>(flamsteed_nummer(bezeichnung)));
    else
        snprintf(text, sizeof text, "%c", bezeichnung[KENNUNG_BAYER_INDEX] != ' ' ? bezeichnung[KENNUNG_BAYER_INDEX] : '\0');
}

// The font selected in dc, selected again only when another is wanted: most
// designations are Greek letters without an index, one after another.
struct Schriftwahl {
    HDC dc;
    HFONT gewaehlt = nullptr;
    void waehlen(const Font& schrift) {
        if (gewaehlt == schrift.handle()) return;
        SelectObject(dc, schrift.handle());
        gewaehlt = schrift.handle();
    }
};

void kennung_zeichnen(Schriftwahl& wahl, const Font& schrift, const Font& symbol, Buchstabenbreiten& breiten,
                      int32_t x, int32_t y, char* bezeichnung) {
    char text[12];
    kennung_text(bezeichnung, text);
    if (bezeichnung[KENNUNG_BAYER] == ' ') {
        wahl.waehlen(schrift);
        text_aus(wahl.dc, x, y, text);
        return;
    }
    // griechisch lowers the case of the letter in the catalogue itself.
    const char buchstabe[2] = {griechisch(bezeichnung + KENNUNG_BAYER), '\0'};
    wahl.waehlen(symbol);
    text_aus(wahl.dc, x, y, buchstabe);
    if (!text[0]) return;
    wahl.waehlen(schrift);
    text_aus(wahl.dc, x + breiten.breite(buchstabe), y, text);
}

}  // namespace

Buchstabenbreiten::Buchstabenbreiten(const Font& symbol, HDC dc) : symbol(symbol), dc(dc) {
    for (int32_t& b : breiten) b = -1;
}

Buchstabenbreiten::~Buchstabenbreiten() {
    if (bildschirm) ReleaseDC(nullptr, bildschirm);
}

int32_t Buchstabenbreiten::breite(const char* buchstabe) {
    int32_t& b = breiten[static_cast<uint8_t>(buchstabe[0])];
    if (b < 0) {
        if (!dc) dc = bildschirm = GetDC(nullptr);
        b = symbol.textbreite(dc, buchstabe);
    }
    return b;
}

Kennungsmass::Kennungsmass(HDC dc, const Font& schrift, const Font& symbol)
    : dc(dc), buchstaben(symbol, dc) {
    TEXTMETRICA m{};
    SelectObject(dc, symbol.handle());
    GetTextMetricsA(dc, &m);
    symbol_hoehe = m.tmHeight;
    SelectObject(dc, schrift.handle());
    GetTextMetricsA(dc, &m);
    schrift_hoehe = m.tmHeight;
}

Beschriftete::Beschriftete(const Himmel& himmel, uint32_t farbe) {
    // A constellation whose abbreviation an earlier one has labels no star:
    // the stars belong to the earlier one.
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i) {
        const SternbildSatz& satz = himmel.sternbilder[i];
        if ((satz.hervorgehoben || (farbe == 0 && i == himmel.wahl_sternbild)) &&
            sternbild_von(himmel, satz.abk) == i)
            std::memcpy(abk[zahl++], satz.abk, sizeof abk[0]);
    }
}

bool Beschriftete::beschriftet(const SternSatz& satz) const {
    if (satz.bezeichnung[KENNUNG_STERNBILD] == ' ') return false;
    for (int32_t i = 0; i < zahl; ++i)
        if (strncmp(abk[i], satz.bezeichnung + KENNUNG_STERNBILD, KENNUNG_STERNBILD_LAENGE) == 0) return true;
    return false;
}

SIZE Kennungsmass::groesse(const SternSatz& satz) {
    char text[12];
    kennung_text(satz.bezeichnung, text);
    SIZE zeichen{0, 0};
    const int n = static_cast<int>(strlen(text));
    if (n > 0) GetTextExtentPoint32A(dc, text, n, &zeichen);
    if (satz.bezeichnung[KENNUNG_BAYER] == ' ') return SIZE{zeichen.cx, schrift_hoehe};
    char abk[3] = {satz.bezeichnung[KENNUNG_BAYER], satz.bezeichnung[KENNUNG_BAYER + 1],
                   satz.bezeichnung[KENNUNG_BAYER + 2]};
    const char buchstabe[2] = {griechisch(abk), '\0'};
    // The letter and the index in dc's own units (on the screen the index
    // follows at just that width; a printer's index, at the screen's width,
    // lies within).
    return SIZE{buchstaben.breite(buchstabe) + zeichen.cx, std::max(symbol_hoehe, schrift_hoehe)};
}

void stern_namen(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe,
                 const Schildplan& plan, int32_t dpi) {
    dpi = dpi_begrenzt(dpi);
    const int32_t links_abstand = skaliert(LINKS_ABSTAND, dpi), name_abstand = skaliert(NAME_ABSTAND, dpi);
    SetTextColor(dc, farbe);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    SelectObject(dc, schrift.handle());
    for (int32_t k = 0; k < KLASSEN; ++k) {
        fuer_sterne_der_klasse(himmel, k, [&](const SternSatz& satz, const PolarPos& p) {
            if (!sichtbar_quadrat(p.abstand, himmel.gesichtsfeld) || !satz.eigenname) return;
            const Schildversatz& schild = stern_schild(plan.namen, satz.nummer);
            if (schild.weg) return;
            const Versatz v = versatz_auf(Massstab::karte, himmel, p, r);
            const int32_t x = r + v.dx + schild.dx, y = r - v.dy + schild.dy;
            if (links_beschriftet(satz.eigenname)) {
                SetTextAlign(dc, TA_BASELINE | TA_RIGHT);
                text_aus(dc, x - links_abstand, y, satz.eigenname);
                SetTextAlign(dc, TA_BASELINE | TA_LEFT);
            } else {
                text_aus(dc, x + name_abstand, y, satz.eigenname);
            }
        });
    }
}

void stern_kennungen(Himmel& himmel, HDC dc, const Font& schrift, const Font& symbol, int32_t r,
                     uint32_t farbe, const Schildplan& plan) {
    if (himmel.sternbild_anzahl == 0) return;
    SetTextColor(dc, farbe);
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    const Beschriftete beschriftete(himmel, farbe);
    if (beschriftete.anzahl() == 0) return;
    Buchstabenbreiten breiten(symbol, nullptr);
    Schriftwahl wahl{dc};
    // Faintest first, so that where labels overlap the brighter star's is on top.
    for (int32_t k = KLASSEN - 1; k >= 0; --k) {
        fuer_sterne_der_klasse(himmel, k, [&](SternSatz& satz, const PolarPos& p) {
            if (!sichtbar_quadrat(p.abstand, himmel.gesichtsfeld)) return;
            if (!beschriftete.beschriftet(satz)) return;
            const Schildversatz& schild = stern_schild(plan.kennungen, satz.nummer);
            if (schild.weg) return;
            const Versatz v = versatz_auf(Massstab::karte, himmel, p, r);
            kennung_zeichnen(wahl, schrift, symbol, breiten, r + v.dx + schild.dx, r - v.dy + schild.dy,
                             satz.bezeichnung);
        });
    }
    // The text font selected at the end, as after every designation before.
    if (wahl.gewaehlt) wahl.waehlen(schrift);
}
