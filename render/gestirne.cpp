#include "gestirne.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "gdi_objekt.h"
#include "skaliert.h"
#include "stern_lage.h"
#include "sternfarben.h"


namespace {

// One run of a star disc: row offset from the star and the columns from..to.
struct Lauf {
    int8_t zeile, von, bis;
};

// The disc of all stars up to a helligkeit (magnitude x 100).
struct Scheibe {
    int32_t bis_helligkeit;
    const Lauf* laeufe;
    int32_t anzahl;
};

template <size_t N>
constexpr Scheibe scheibe(int32_t bis, const Lauf (&laeufe)[N]) {
    return Scheibe{bis, laeufe, static_cast<int32_t>(N)};
}

// Chart discs, from 11 pixels wide for the brightest stars down to one pixel.
constexpr Lauf K0[] = {{4, -2, 2}, {-4, -2, 2}, {3, -3, 3}, {-3, -3, 3}, {2, -4, 4},
                       {-2, -4, 4}, {1, -4, 4}, {-1, -4, 4}, {0, -5, 5}};
constexpr Lauf K1[] = {{4, 0, 0}, {-4, 0, 0}, {3, -2, 2}, {-3, -2, 2}, {2, -3, 3},
                       {-2, -3, 3}, {1, -4, 4}, {-1, -4, 4}, {0, -4, 4}};
constexpr Lauf K2[] = {{3, -1, 1}, {-3, -1, 1}, {2, -2, 2}, {-2, -2, 2},
                       {1, -3, 3}, {-1, -3, 3}, {0, -3, 3}};
constexpr Lauf K3[] = {{2, -1, 1}, {-2, -1, 1}, {1, -2, 2}, {-1, -2, 2}, {0, -2, 2}};
constexpr Lauf K4[] = {{2, 0, 0}, {-2, 0, 0}, {1, -1, 1}, {-1, -1, 1}, {0, -2, 2}};
constexpr Lauf K5[] = {{1, 0, 0}, {-1, 0, 0}, {0, -1, 1}};
constexpr Lauf K6[] = {{0, -1, 0}, {-1, -1, 0}};
constexpr Lauf K7[] = {{0, -1, 0}};
constexpr Lauf EIN_PIXEL[] = {{0, 0, 0}};

constexpr Scheibe KARTEN_SCHEIBEN[] = {
    scheibe(0, K0),   scheibe(100, K1), scheibe(200, K2), scheibe(300, K3),       scheibe(390, K4),
    scheibe(450, K5), scheibe(500, K6), scheibe(550, K7), scheibe(INT32_MAX, EIN_PIXEL),
};

// Overview discs: at most four pixels wide.
constexpr Lauf U0[] = {{1, -1, 0}, {0, -2, 1}, {-1, -1, 0}};
constexpr Lauf U1[] = {{1, 0, 0}, {0, -1, 1}, {-1, 0, 0}};
constexpr Lauf U2[] = {{0, -1, 0}};

constexpr Scheibe UEBERSICHT_SCHEIBEN[] = {
    scheibe(100, U0), scheibe(350, U1), scheibe(500, U2), scheibe(INT32_MAX, EIN_PIXEL),
};

// Half size e of a printed circle by helligkeit, in printer pixels.
struct DruckKreis {
    int32_t bis_helligkeit, e;
};
constexpr DruckKreis DRUCK_KREISE[] = {{0, 16},   {100, 14}, {200, 12}, {300, 10},       {390, 8},
                                       {450, 6},  {500, 4},  {550, 3},  {INT32_MAX, 2}};

template <typename T, size_t N>
const T& stufe_fuer(const T (&stufen)[N], int32_t helligkeit) {
    for (const T& s : stufen)
        if (helligkeit <= s.bis_helligkeit) return s;
    return stufen[N - 1];
}

// The most rows of a round disc: the widest table disc at the most dots per inch.
constexpr int32_t RUNDE_ZEILEN = skaliert(2 * 5 + 1, DPI_GROESSTE);

// A table disc at dpi (not 96): each pixel whose centre lies within the
// ellipse of the disc's width and height scaled, counted in doubled units
// from the ellipse's centre; an even width or height lies one pixel more
// left or down of the star, as K6's. Its runs go into ziel.
Scheibe runde_scheibe(const Scheibe& s, int32_t dpi, Lauf (&ziel)[RUNDE_ZEILEN]) {
    int32_t links = 0, rechts = 0, unten = 0, oben = 0;
    for (int32_t i = 0; i < s.anzahl; ++i) {
        links = std::min<int32_t>(links, s.laeufe[i].von);
        rechts = std::max<int32_t>(rechts, s.laeufe[i].bis);
        unten = std::min<int32_t>(unten, s.laeufe[i].zeile);
        oben = std::max<int32_t>(oben, s.laeufe[i].zeile);
    }
    const int64_t b = std::min(skaliert(rechts - links + 1, dpi), RUNDE_ZEILEN);
    const int64_t h = std::min(skaliert(oben - unten + 1, dpi), RUNDE_ZEILEN);
    const int64_t halb = b / 2;
    int32_t anzahl = 0;
    for (int64_t j = 0; j < h; ++j) {
        const int64_t v = 2 * j + 1 - h;
        int64_t u = b - 1;  // the outermost column's centre, doubled
        while (u >= 0 && u * u * h * h + v * v * b * b > b * b * h * h) u -= 2;
        if (u < 0) continue;
        ziel[anzahl++] = Lauf{static_cast<int8_t>(j - h / 2), static_cast<int8_t>((b - 1 - u) / 2 - halb),
                              static_cast<int8_t>((b - 1 + u) / 2 - halb)};
    }
    return Scheibe{s.bis_helligkeit, ziel, anzahl};
}

// The discs of a table at a screen's dots per inch: at 96 the table's own,
// drawn by hand; else its round discs, each made once per drawing. A star
// keeps its apparent size.
template <size_t N>
class Scheibensatz {
public:
    Scheibensatz(const Scheibe (&tabelle)[N], int32_t dpi) : tabelle(tabelle), dpi(dpi_begrenzt(dpi)) {
        if (this->dpi == DPI_NORMAL) return;
        for (size_t i = 0; i < N; ++i) runde[i] = runde_scheibe(tabelle[i], this->dpi, laeufe[i]);
    }
    Scheibensatz(const Scheibensatz&) = delete;
    Scheibensatz& operator=(const Scheibensatz&) = delete;

    const Scheibe& fuer(int32_t helligkeit) const {
        const Scheibe& s = stufe_fuer(tabelle, helligkeit);
        return dpi == DPI_NORMAL ? s : runde[&s - tabelle];
    }

private:
    const Scheibe (&tabelle)[N];
    int32_t dpi;
    Scheibe runde[N] = {};
    Lauf laeufe[N][RUNDE_ZEILEN] = {};
};

void scheibe_zeichnen(DIB& bild, int32_t x, int32_t z, const Scheibe& s, int32_t index) {
    for (int32_t i = 0; i < s.anzahl; ++i) {
        const Lauf& l = s.laeufe[i];
        bild.spanne(x + l.von, x + l.bis, z + l.zeile, index);
    }
}

// The overview disc of one figure star, unless it was drawn already.
template <size_t N>
void figurstern_zeichnen(Himmel& himmel, DIB& bild, int32_t r, const Scheibensatz<N>& scheiben,
                         int32_t klasse, int32_t index, uint8_t* markiert) {
    if (!stern_vorhanden(himmel, klasse, index)) return;
    const SternSatz& satz = himmel.stern_saetze[klasse][index];
    if (nummer_gueltig(satz.nummer)) {
        if (markiert[satz.nummer]) return;
        markiert[satz.nummer] = 1;
    }
    const PolarPos& p = stern_polar(himmel, klasse, index);
    if (!sichtbar_halbkugel(p.abstand)) return;
    const Versatz v = versatz_auf(Massstab::uebersicht, himmel, p, r);
    scheibe_zeichnen(bild, r + v.dx, r + v.dy, scheiben.fuer(satz.helligkeit),
                     uebersicht_farbindex(satz.spektrum, satz.helligkeit));
}

// The farthest a disc's runs reach from its centre, across or up.
int32_t halbe_breite(const Scheibe& s) {
    int32_t weite = 0;
    for (int32_t i = 0; i < s.anzahl; ++i) {
        const Lauf& l = s.laeufe[i];
        weite = std::max({weite, std::abs(int32_t{l.von}), std::abs(int32_t{l.bis}), std::abs(int32_t{l.zeile})});
    }
    return weite;
}

// The half width of the disc of helligkeit at dpi, only that disc made.
template <size_t N>
int32_t sternradius(const Scheibe (&tabelle)[N], int32_t helligkeit, int32_t dpi) {
    const Scheibe& s = stufe_fuer(tabelle, helligkeit);
    dpi = dpi_begrenzt(dpi);
    if (dpi == DPI_NORMAL) return halbe_breite(s);
    Lauf laeufe[RUNDE_ZEILEN];
    return halbe_breite(runde_scheibe(s, dpi, laeufe));
}

}  // namespace

int32_t karten_sternradius(int32_t helligkeit, int32_t dpi) {
    return sternradius(KARTEN_SCHEIBEN, helligkeit, dpi);
}

int32_t uebersicht_sternradius(int32_t helligkeit, int32_t dpi) {
    return sternradius(UEBERSICHT_SCHEIBEN, helligkeit, dpi);
}

int32_t druck_sternradius(int32_t helligkeit) { return stufe_fuer(DRUCK_KREISE, helligkeit).e; }

void karte_gestirne(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r,
                    int32_t erste_klasse, int32_t letzte_klasse, const char* kartentext, int32_t dpi) {
    if (!bild) return;
    const Scheibensatz scheiben(KARTEN_SCHEIBEN, dpi);
    erste_klasse = std::max(erste_klasse, 0);
    letzte_klasse = std::min(letzte_klasse, KLASSEN - 1);
    for (int32_t k = erste_klasse; k <= letzte_klasse; ++k) {
        fuer_sterne_der_klasse(himmel, k, [&](const SternSatz& satz, const PolarPos& p) {
            if (!sichtbar_karte(p.abstand, himmel.gesichtsfeld)) return;
            const Versatz v = versatz_auf(Massstab::karte, himmel, p, r);
            scheibe_zeichnen(*bild, r + v.dx, r + v.dy, scheiben.fuer(satz.helligkeit),
                             karten_farbindex(satz.spektrum, satz.helligkeit));
        });
    }
    karten_text_zeichnen(dc, schrift, r, KARTEN_TEXT_FARBE, kartentext);  // entry 254 on the screen
}

void karten_text_zeichnen(HDC dc, const Font& schrift, int32_t r, uint32_t farbe, const char* text) {
    if (!text || !text[0]) return;
    SetTextColor(dc, farbe);
    SelectObject(dc, schrift.handle());
    SetTextAlign(dc, TA_TOP | TA_CENTER);
    text_aus(dc, r, 0, text);
    SetTextAlign(dc, TA_BOTTOM | TA_CENTER);
    text_aus(dc, r, 2 * r, text);
}

void uebersicht_gestirne(Himmel& himmel, DIB* bild, int32_t r, int32_t dpi) {
    if (!bild) return;
    const Scheibensatz scheiben(UEBERSICHT_SCHEIBEN, dpi);
    uint8_t markiert[STERN_NUMMERN] = {};
    for (int32_t s = 0; s < himmel.sternbild_anzahl; ++s) {
        const SternbildSatz& bild_satz = himmel.sternbilder[s];
        for (int32_t l = 0; l < bild_satz.linien_anzahl; ++l) {
            const Linie& linie = bild_satz.linien[l];
            figurstern_zeichnen(himmel, *bild, r, scheiben, linie.klasse_a, linie.index_a, markiert);
            figurstern_zeichnen(himmel, *bild, r, scheiben, linie.klasse_b, linie.index_b, markiert);
        }
    }
}

void druck_gestirne(Himmel& himmel, HDC dc, int32_t r, int32_t einfarbig, int32_t invertiert,
                    uint32_t rand_farbe) {
    if (einfarbig && invertiert) rand_farbe = 0x00FFFFFF;
    GdiObjekt stift(CreatePen(PS_SOLID, 0, rand_farbe));
    GdiObjekt pinsel(CreateSolidBrush(invertiert ? 0x00000000 : 0x00FFFFFF));
    Auswahl stift_wahl(dc, stift.handle());
    Auswahl pinsel_wahl(dc, pinsel.handle());
    for (int32_t k = 0; k < KLASSEN; ++k) {
        fuer_sterne_der_klasse(himmel, k, [&](const SternSatz& satz, const PolarPos& p) {
            if (!sichtbar_quadrat(p.abstand, himmel.gesichtsfeld)) return;
            const Versatz v = versatz_auf(Massstab::karte, himmel, p, r);
            if (!einfarbig) {
                GdiObjekt farbig(CreateSolidBrush(druck_farbe(satz.spektrum)));
                SelectObject(dc, farbig.handle());
                pinsel = std::move(farbig);  // the replaced brush goes with farbig
            }
            const int32_t x = r + v.dx, y = r - v.dy;
            const int32_t e = stufe_fuer(DRUCK_KREISE, satz.helligkeit).e;
            Ellipse(dc, x - e, y - e, x + e + 1, y + e + 1);
        });
    }
}
