// The Sun, the Moon and the planets on a chart canvas, on the overview and
// on a printer page, and their names (karte/schichten.h). Where each disc
// stands and how large it is: koerperscheiben.h, which the mouse reads too.
#include <windows.h>

#include <algorithm>
#include <cmath>

#include "farben.h"
#include "farbindizes.h"
#include "gdi_objekt.h"
#include "koerperscheiben.h"
#include "schichten.h"

namespace {

constexpr uint32_t WEISS = 0x00FFFFFF;
constexpr uint32_t SCHWARZ = 0x00000000;
constexpr double GRAD = 3.14159265358979323846 / 180.0;
// The names' own place starts this many pixels (of a printer, or of the
// screen at 96 dots per inch) right of the disc's edge (the placement's
// KOERPER_LUECKE).
constexpr int32_t NAME_LUECKE = 4;
// Corners of the printed Moon's lit part: its limb and its terminator.
constexpr int32_t PHASEN_PUNKTE = 24;

// One disc on the canvas, its rows held to the chart square (a disc at its
// true size may be far larger than the picture). With mond, each pixel is lit
// (INDEX_KOERPER + art) or in the Moon's night, by the phase.
void scheibe_malen(DIB& bild, int32_t r, const Koerperscheibe& s, int32_t index, const Koerper* mond) {
    const int32_t cx = r + s.ort.dx, cz = r + s.ort.dy, rad = s.radius;
    const double grenze = static_cast<double>(rad) * rad + rad / 2.0;
    for (int32_t z = std::max(cz - rad, -1); z <= std::min(cz + rad, 2 * r + 1); ++z) {
        const double j = z - cz;
        if (grenze < j * j) continue;
        const int32_t w = static_cast<int32_t>(std::sqrt(grenze - j * j));
        const int32_t von = std::max(cx - w, -1), bis = std::min(cx + w, 2 * r + 1);
        if (!mond) {
            bild.spanne(von, bis, z, index);
            continue;
        }
        for (int32_t x = von; x <= bis; ++x) {
            const double i = x - cx;
            const double a = (i * s.ort.hell_x + j * s.ort.hell_y) / rad;
            const double b = (j * s.ort.hell_x - i * s.ort.hell_y) / rad;
            bild.punkt(x, z, beleuchtet(a, b, mond->phasenwinkel) ? index : INDEX_MOND_NACHT);
        }
    }
}

// The lit part of the printed Moon of radius e at (x, y), y down: its limb
// from one horn to the other, then back along the terminator.
void mondphase_drucken(HDC dc, int32_t x, int32_t y, int32_t e, const Koerperscheibe& s,
                       double phasenwinkel) {
    POINT punkte[2 * PHASEN_PUNKTE + 2];
    const double c = std::cos(phasenwinkel * GRAD);
    const double ux = s.ort.hell_x, uy = -s.ort.hell_y;  // toward the bright limb, y down
    for (int32_t i = 0; i <= PHASEN_PUNKTE; ++i) {
        const double t = (-90.0 + 180.0 * i / PHASEN_PUNKTE) * GRAD;
        const double b = std::sin(t), a_rand = std::cos(t), a_grenze = -c * std::cos(t);
        punkte[i] = {x + std::lround(e * (a_rand * ux - b * uy)), y + std::lround(e * (a_rand * uy + b * ux))};
        punkte[2 * PHASEN_PUNKTE + 1 - i] = {x + std::lround(e * (a_grenze * ux - b * uy)),
                                             y + std::lround(e * (a_grenze * uy + b * ux))};
    }
    Polygon(dc, punkte, 2 * PHASEN_PUNKTE + 2);
}

// The printed disc's fill: the body's own colour on the screen scheme, else
// the stars' white (black on the white page).
uint32_t druck_fuellung(const Druckstil& stil, int32_t art) {
    if (!stil.einfarbig) return farbwert(KOERPER_FARBEN[art]);
    return stil.invertiert ? SCHWARZ : WEISS;
}

// The Moon's night on paper: its own colour on the screen scheme, else the
// page's, so that only the lit part is inked.
uint32_t druck_nacht(const Druckstil& stil) {
    if (!stil.einfarbig) return farbwert(MOND_NACHT);
    return stil.invertiert ? WEISS : SCHWARZ;
}

void druck_scheibe(HDC dc, int32_t r, const Koerperscheibe& s, int32_t art, const Koerper& k,
                   const Druckstil& stil) {
    const int32_t x = r + s.ort.dx, y = r - s.ort.dy, e = s.radius;
    const uint32_t fuellung = druck_fuellung(stil, art);
    const bool mond = art == MOND;
    // The stars' outline; the Moon's in its lit colour, so that its whole disc shows.
    const uint32_t rand = mond ? fuellung : stil.einfarbig && stil.invertiert ? WEISS : stil.rand_farbe;
    GdiObjekt stift(CreatePen(PS_SOLID, 0, rand));
    GdiObjekt pinsel(CreateSolidBrush(mond ? druck_nacht(stil) : fuellung));
    Auswahl stift_wahl(dc, stift.handle());
    Auswahl pinsel_wahl(dc, pinsel.handle());
    Ellipse(dc, x - e, y - e, x + e + 1, y + e + 1);
    if (!mond) return;
    GdiObjekt hell(CreateSolidBrush(fuellung));
    Auswahl hell_wahl(dc, hell.handle());
    mondphase_drucken(dc, x, y, e, s, k.phasenwinkel);
}

}  // namespace

void koerper_karte(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage) {
    if (!lage || !ziel.bild) return;
    const Zeichenfolge folge = zeichenfolge(*lage);
    for (int32_t art : folge.art) {
        const Koerperscheibe s = koerperscheibe(himmel, *lage, art, Scheibenziel::KARTE, ziel.r, ziel.dpi);
        if (!s.ort.sichtbar) continue;
        scheibe_malen(*ziel.bild, ziel.r, s, INDEX_KOERPER + art, art == MOND ? &lage->koerper[MOND] : nullptr);
    }
}

void koerper_uebersicht(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage) {
    if (!lage || !ziel.bild) return;
    const Zeichenfolge folge = zeichenfolge(*lage);
    for (int32_t art : folge.art) {
        const Koerperscheibe s = koerperscheibe(himmel, *lage, art, Scheibenziel::UEBERSICHT, ziel.r, ziel.dpi);
        if (s.ort.sichtbar) scheibe_malen(*ziel.bild, ziel.r, s, INDEX_KOERPER + art, nullptr);
    }
}

void koerper_druck(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage, const Druckstil& stil) {
    if (!lage) return;
    const Zeichenfolge folge = zeichenfolge(*lage);
    for (int32_t art : folge.art) {
        const Koerperscheibe s = koerperscheibe(himmel, *lage, art, Scheibenziel::DRUCK, ziel.r);
        if (s.ort.im_quadrat) druck_scheibe(ziel.dc, ziel.r, s, art, lage->koerper[art], stil);
    }
}

void koerper_namen(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage, const Font& schrift,
                   uint32_t farbe, const Schildplan& plan) {
    if (!lage) return;
    // A canvas's discs are screen-sized, a printer's or a metafile's its own.
    const Scheibenziel art_ziel = ziel.bild ? Scheibenziel::KARTE : Scheibenziel::DRUCK;
    SetTextColor(ziel.dc, farbe);
    SetTextAlign(ziel.dc, TA_BASELINE | TA_LEFT);
    SelectObject(ziel.dc, schrift.handle());
    for (int32_t art = 0; art < KOERPER_ANZAHL; ++art) {
        const Koerperscheibe s = koerperscheibe(himmel, *lage, art, art_ziel, ziel.r, ziel.dpi);
        const Schildversatz& schild = plan.koerper[art];
        if (!s.ort.im_quadrat || schild.weg) continue;
        text_aus(ziel.dc, ziel.r + s.ort.dx + s.radius + skaliert(NAME_LUECKE, ziel.dpi) + schild.dx,
                 ziel.r - s.ort.dy + schild.dy, koerper_name(art));
    }
}
