#include "gitter.h"

#include <cstdio>
#include <cstddef>

#include "gdi_objekt.h"
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
};

constexpr int32_t ALLE_3H[] = {0, 12, 24, 36, 48, 60, 72, 84};
constexpr int32_t ALLE_6H[] = {0, 24, 48, 72};
constexpr int32_t ALLE_30_GRAD[] = {-60, -30, 0, 30, 60};
constexpr int32_t ALLE_60_GRAD[] = {-60, 0, 60};

template <size_t M, size_t D>
constexpr GitterArt art(Massstab massstab, int32_t bis_6h, int32_t bis_gerade,
                        int32_t bis_ungerade, int32_t schritt, const int32_t (&meridiane)[M],
                        const int32_t (&dekl)[D]) {
    return GitterArt{massstab, bis_6h,    bis_gerade, bis_ungerade, schritt,
                     meridiane, int32_t(M), dekl,       int32_t(D)};
}

constexpr GitterArt KARTE = art(Massstab::karte, 90, 80, 70, 5, ALLE_3H, ALLE_30_GRAD);
constexpr GitterArt UEBERSICHT = art(Massstab::uebersicht, 90, 80, 70, 10, ALLE_6H, ALLE_60_GRAD);
constexpr GitterArt DRUCK = art(Massstab::karte, 80, 80, 80, 5, ALLE_3H, ALLE_30_GRAD);

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

void beschriften(const Himmel& himmel, const GitterArt& art, HDC dc, int32_t r, uint32_t farbe) {
    char text[16];
    SetTextColor(dc, farbe);
    SetTextAlign(dc, TA_TOP | TA_CENTER);
    for (int32_t di = 0; di < art.dekl_anzahl; ++di) {
        for (int32_t mi = 0; mi < art.meridian_anzahl; ++mi) {
            const int32_t m = art.beschriftete_meridiane[mi];
            const Gitterpunkt p = gitterpunkt(himmel, art, r, m, art.beschriftete_dekl[di]);
            if (!p.sichtbar) continue;
            snprintf(text, sizeof text, "%dh", static_cast<int>(m / MERIDIANE_JE_STUNDE));
            text_aus(dc, r + p.v.dx, r - p.v.dy + STUNDEN_ABSTAND, text);
        }
    }
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    for (int32_t mi = 0; mi < art.meridian_anzahl; ++mi) {
        for (int32_t di = 0; di < art.dekl_anzahl; ++di) {
            const int32_t d = art.beschriftete_dekl[di];
            const Gitterpunkt p = gitterpunkt(himmel, art, r, art.beschriftete_meridiane[mi], d);
            if (!p.sichtbar) continue;
            snprintf(text, sizeof text, "%d%c", static_cast<int>(d), GRAD_ZEICHEN);
            text_aus(dc, r + p.v.dx + GRAD_ABSTAND_X, r - p.v.dy + GRAD_ABSTAND_Y, text);
        }
    }
}

void gitter_zeichnen(const Himmel& himmel, const GitterArt& art, HDC dc, const Strich& ziel,
                     const Font& schrift, int32_t r, uint32_t farbe) {
    SelectObject(dc, schrift.handle());
    kreise(himmel, art, ziel, r);
    meridiane(himmel, art, ziel, r);
    beschriften(himmel, art, dc, r, farbe);
}

}  // namespace

void karte_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r, uint32_t farbe) {
    if (bild) gitter_zeichnen(himmel, KARTE, dc, Strich{bild, dc, GITTER_INDEX}, schrift, r, farbe);
}

void uebersicht_gitter(Himmel& himmel, HDC dc, DIB* bild, const Font& schrift, int32_t r,
                       uint32_t farbe) {
    if (bild)
        gitter_zeichnen(himmel, UEBERSICHT, dc, Strich{bild, dc, GITTER_INDEX}, schrift, r, farbe);
}

void druck_gitter(Himmel& himmel, HDC dc, const Font& schrift, int32_t r, uint32_t farbe) {
    GdiObjekt stift(CreatePen(PS_SOLID, 0, farbe));
    Auswahl wahl(dc, stift.handle());
    gitter_zeichnen(himmel, DRUCK, dc, Strich{nullptr, dc, GITTER_INDEX}, schrift, r, farbe);
}
