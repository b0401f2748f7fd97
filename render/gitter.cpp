#include "gitter.h"

#include <cstdio>
#include <cstddef>
#include <cstring>

#include "gdi_objekt.h"
#include "skaliert.h"
#include "stern_lage.h"

namespace {

// Meridian m of the grid table lies at m x 15 minutes of right ascension.
constexpr int32_t MERIDIANE_JE_STUNDE = 4;
constexpr int32_t DEKL_SCHRITT = 10;      // degrees between declination circles
constexpr int32_t STUNDEN_ABSTAND = 5;    // hour label: pixels below the point
constexpr int32_t GRAD_ABSTAND_X = 5;     // degree label: pixels right of the point
constexpr int32_t GRAD_ABSTAND_Y = 2;     // and below it
constexpr char GRAD_ZEICHEN = '\xB0';     // the degree sign in the ANSI code page

// How far toward the poles the meridians run and which points are labelled.
struct GitterArt {
    Massstab massstab;
    int32_t bis_6h;       // |declination| reached by the meridians of 0, 6, 12, 18 h
    int32_t bis_gerade;   // of the other even hours
    int32_t bis_ungerade; // of the odd hours
    int32_t schritt;      // degrees between points along a meridian
    const int32_t* beschriftete_meridiane;
    int32_t meridian_anzahl;
    const int32_t* beschriftete_dekl;
    int32_t dekl_anzahl;
    // The overview's few labels crowd toward the poles: each gives way to
    // the labels before it (the other side of its point, else left out).
    bool ausweichen;
};

constexpr int32_t ALLE_3H[] = {0, 12, 24, 36, 48, 60, 72, 84};
constexpr int32_t ALLE_6H[] = {0, 24, 48, 72};
constexpr int32_t ALLE_30_GRAD[] = {-60, -30, 0, 30, 60};
constexpr int32_t ALLE_60_GRAD[] = {-60, 0, 60};

template <size_t M, size_t D>
constexpr GitterArt art(Massstab massstab, int32_t bis_6h, int32_t bis_gerade,
                        int32_t bis_ungerade, int32_t schritt, const int32_t (&meridiane)[M],
                        const int32_t (&dekl)[D], bool ausweichen) {
    return GitterArt{massstab,  bis_6h,     bis_gerade, bis_ungerade, schritt,
                     meridiane, int32_t(M), dekl,       int32_t(D),   ausweichen};
}

constexpr GitterArt KARTE = art(Massstab::karte, 90, 80, 70, 5, ALLE_3H, ALLE_30_GRAD, false);
constexpr GitterArt UEBERSICHT =
    art(Massstab::uebersicht, 90, 80, 70, 10, ALLE_6H, ALLE_60_GRAD, true);
constexpr GitterArt DRUCK = art(Massstab::karte, 80, 80, 80, 5, ALLE_3H, ALLE_30_GRAD, false);

// A grid point (meridian m, declination d in degrees) placed on the picture.
struct Gitterpunkt {
    bool sichtbar;
    Versatz v;
};

Gitterpunkt gitterpunkt(const Himmel& himmel, const GitterArt& art, int32_t r, int32_t m,
                        int32_t d) {
    const Vektor3* meridian = himmel.gitter[m];
    if (!meridian) return Gitterpunkt{false, {}};
    const PolarPos p = himmel.polar_berechnen(meridian[d + 90]);
    if (!sichtbar_gitter(p.abstand)) return Gitterpunkt{false, {}};
    return Gitterpunkt{true, versatz_auf(art.massstab, himmel, p, r)};
}

// Draws from the previous point to the next one when both are visible; the
// next point becomes the previous one.
void weiter(const Strich& ziel, int32_t r, Gitterpunkt& vorher, const Gitterpunkt& naechster) {
    if (vorher.sichtbar && naechster.sichtbar) strich(ziel, r, vorher.v, naechster.v);
    vorher = naechster;
}

void kreise(const Himmel& himmel, const GitterArt& art, const Strich& ziel, int32_t r) {
    for (int32_t d = -90; d <= 90; d += DEKL_SCHRITT) {
        const Gitterpunkt anfang = gitterpunkt(himmel, art, r, 0, d);
        Gitterpunkt vorher = anfang;
        for (int32_t m = 0; m < GITTER_MERIDIANE; ++m)
            weiter(ziel, r, vorher, gitterpunkt(himmel, art, r, m, d));
        weiter(ziel, r, vorher, anfang);
    }
}

int32_t meridian_ende(const GitterArt& art, int32_t m) {
    if (m % (6 * MERIDIANE_JE_STUNDE) == 0) return art.bis_6h;
    if (m % (2 * MERIDIANE_JE_STUNDE) == 0) return art.bis_gerade;
    return art.bis_ungerade;
}

void meridiane(const Himmel& himmel, const GitterArt& art, const Strich& ziel, int32_t r) {
    for (int32_t m = 0; m < GITTER_MERIDIANE; m += MERIDIANE_JE_STUNDE) {
        const int32_t ende = meridian_ende(art, m);
        Gitterpunkt vorher = gitterpunkt(himmel, art, r, m, -ende);
        for (int32_t d = -ende; d <= ende; d += art.schritt)
            weiter(ziel, r, vorher, gitterpunkt(himmel, art, r, m, d));
    }
}

// The labels written so far, for the overview's labels to give way to: at
// most 4 x 3 hour and 4 x 3 degree labels.
class Gitterschilder {
public:
    // The text's box with its top-left corner at (x, y), when it is free;
    // then it is taken.
    bool nehmen(HDC dc, int32_t x, int32_t y, const char* text) {
        SIZE g{0, 0};
        GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &g);
        const RECT neu{x, y, x + g.cx, y + g.cy};
        for (int32_t i = 0; i < anzahl; ++i) {
            RECT schnitt;
            if (IntersectRect(&schnitt, &belegt[i], &neu)) return false;
        }
        if (anzahl < PLAETZE) belegt[anzahl++] = neu;
        return true;
    }
    int32_t breite(HDC dc, const char* text) const {
        SIZE g{0, 0};
        GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &g);
        return g.cx;
    }
    int32_t ueber(HDC dc) const {
        TEXTMETRICA m{};
        GetTextMetricsA(dc, &m);
        return m.tmAscent;
    }

private:
    static constexpr int32_t PLAETZE = 64;
    RECT belegt[PLAETZE];
    int32_t anzahl = 0;
};

// The hour label below its point, on the overview above it when that place
// is taken, else left out.
void stunde_schreiben(HDC dc, const GitterArt& art, Gitterschilder& schilder, int32_t x, int32_t y,
                      const char* text, int32_t dpi) {
    const int32_t abstand = skaliert(STUNDEN_ABSTAND, dpi);
    if (art.ausweichen) {
        const int32_t b = schilder.breite(dc, text), h = schilder.ueber(dc);
        const int32_t unten = y + abstand, oben = y - abstand - h;
        if (schilder.nehmen(dc, x - b / 2, unten, text)) {
            text_aus(dc, x, unten, text);
        } else if (schilder.nehmen(dc, x - b / 2, oben, text)) {
            text_aus(dc, x, oben, text);
        }
        return;
    }
    text_aus(dc, x, y + abstand, text);
}

// The degree label right of its point, on the overview left of it when that
// place is taken, else left out.
void grad_schreiben(HDC dc, const GitterArt& art, Gitterschilder& schilder, int32_t x, int32_t y,
                    const char* text, int32_t dpi) {
    const int32_t abstand_x = skaliert(GRAD_ABSTAND_X, dpi);
    const int32_t rechts = x + abstand_x, grund = y + skaliert(GRAD_ABSTAND_Y, dpi);
    if (art.ausweichen) {
        const int32_t b = schilder.breite(dc, text), h = schilder.ueber(dc);
        const int32_t links = x - abstand_x - b;
        if (schilder.nehmen(dc, rechts, grund - h, text)) {
            text_aus(dc, rechts, grund, text);
        } else if (schilder.nehmen(dc, links, grund - h, text)) {
            text_aus(dc, links, grund, text);
        }
        return;
    }
    text_aus(dc, rechts, grund, text);
}

void beschriften(const Himmel& himmel, const GitterArt& art, HDC dc, int32_t r, uint32_t farbe,
                 int32_t dpi) {
    char text[16];
    Gitterschilder schilder;
    SetTextColor(dc, farbe);
    SetTextAlign(dc, TA_TOP | TA_CENTER);
    for (int32_t di = 0; di < art.dekl_anzahl; ++di) {
        for (int32_t mi = 0; mi < art.meridian_anzahl; ++mi) {
            const int32_t m = art.beschriftete_meridiane[mi];
            const Gitterpunkt p = gitterpunkt(himmel, art, r, m, art.beschriftete_dekl[di]);
            if (!p.sichtbar) continue;
            snprintf(text, sizeof text, "%dh", static_cast<int>(m / MERIDIANE_JE_STUNDE));
            stunde_schreiben(dc, art, schilder, r + p.v.dx, r - p.v.dy, text, dpi);
        }
    }
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    for (int32_t mi = 0; mi < art.meridian_anzahl; ++mi) {
        for (int32_t di = 0; di < art.dekl_anzahl; ++di) {
            const int32_t d = art.beschriftete_dekl[di];
            const Gitterpunkt p = gitterpunkt(himmel, art, r, art.beschriftete_meridiane[mi], d);
            if (!p.sichtbar) continue;
            snprintf(text, sizeof text, "%d%c", static_cast<int>(d), GRAD_ZEICHEN);
            grad_schreiben(dc, art, schilder, r + p.v.dx, r - p.v.dy, text, dpi);
        }
    }
}

// dpi: the screen's dots per inch of a canvas, DPI_NORMAL on a printer,
// whose lines and label offsets are its own.
void gitter_zeichnen(const Himmel& himmel, const GitterArt& art, HDC dc, DIB* bild,
                     const Font& schrift, int32_t r, uint32_t farbe, int32_t dpi) {
    dpi = dpi_begrenzt(dpi);
    const Strich ziel{bild, dc, GITTER_INDEX, skaliert(1, dpi)};
    SelectObject(dc, schrift.handle());
    kreise(himmel, art, ziel, r);
    meridiane(himmel, art, ziel, r);
    beschriften(himmel, art, dc, r, farbe, dpi);
}

}  // namespace

void karte_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r, uint32_t farbe,
                  int32_t dpi) {
    if (bild) gitter_zeichnen(himmel, KARTE, dc, bild, schrift, r, farbe, dpi);
}

void uebersicht_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r,
                       uint32_t farbe, int32_t dpi) {
    if (bild) gitter_zeichnen(himmel, UEBERSICHT, dc, bild, schrift, r, farbe, dpi);
}

void druck_gitter(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe) {
    GdiObjekt stift(CreatePen(PS_SOLID, 0, farbe));
    Auswahl wahl(dc, stift.handle());
    gitter_zeichnen(himmel, DRUCK, dc, nullptr, schrift, r, farbe, DPI_NORMAL);
}
