#include "beschriftung.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gestirne.h"
#include "gdi_objekt.h"
#include "koerperscheiben.h"
#include "namen.h"
#include "schichten.h"
#include "skaliert.h"
#include "stern_lage.h"

static_assert(KOERPER_ANZAHL <= SCHILD_KOERPER, "the plan holds every body's name");

namespace {

// Room the places around a point keep beyond its disc (pixels of a printer,
// or of the screen at 96 dots per inch).
constexpr int32_t LUECKE = 2;
// The bodies' names start this far right of the disc's edge (koerper_zeichnen.cpp).
constexpr int32_t KOERPER_LUECKE = 4;

// A font's ascent and descent on the context, measured once per placement.
struct Hoehe {
    int32_t ueber, unter;
};
Hoehe hoehe(HDC dc, const Font& font) {
    SelectObject(dc, font.handle());
    TEXTMETRICA m{};
    GetTextMetricsA(dc, &m);
    return Hoehe{m.tmAscent, m.tmDescent};
}

int32_t breite(HDC dc, const char* text) {
    SIZE g{0, 0};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &g);
    return g.cx;
}

struct Sammler {
    Beschriftung& b;
    HDC dc;
    bool druck;
    int32_t r;
    int32_t dpi;  // the screen's dots per inch; DPI_NORMAL on a printer, whose sizes are its own
    int32_t folge = 0;

    // A distance in pixels at 96 dots per inch on the target.
    int32_t px(int32_t wert) const { return skaliert(wert, dpi); }
    int32_t sternradius(int32_t helligkeit) const {
        return druck ? druck_sternradius(helligkeit) : karten_sternradius(helligkeit, dpi);
    }

    void hinzu(int32_t rang, Schildform form, Rechteck eigen, int32_t x, int32_t y, int32_t abstand,
               Schildversatz* ergebnis) {
        b.eintraege.push_back(Schildeintrag{rang, folge++, form, eigen, x, y, abstand, ergebnis});
    }
    void scheibe(int32_t rang, int32_t x, int32_t y, int32_t e) {
        hinzu(rang, Schildform::SCHEIBE, Rechteck{x - e, y - e, x + e + 1, y + e + 1}, x, y, 0, nullptr);
    }
};

// A star's name and designation, each when its layer is on, and its disc
// (into scheiben, placed after every label) when a label may come after it
// (andere: other labels than the stars' are on); the faintest magnitude
// labelled so far in grenze.
void stern_schilder(Sammler& s, const Karteninhalt& inhalt, bool namen, bool kennungen, bool andere,
                    int32_t& grenze) {
    Himmel& himmel = inhalt.himmel;
    const Beschriftete beschriftete(himmel, 1);
    const bool schilder = namen || (kennungen && beschriftete.anzahl() > 0);
    if (!schilder && !andere) return;
    const Hoehe text = hoehe(s.dc, inhalt.schriften.text);
    // Leaves the text font selected, in which the names are measured too.
    Kennungsmass kennung(s.dc, inhalt.schriften.text, inhalt.schriften.symbol);
    for (int32_t k = 0; k < KLASSEN; ++k) {
        fuer_sterne_der_klasse(himmel, k, [&](const SternSatz& satz, const PolarPos& p) {
            if (!sichtbar_quadrat(p.abstand, himmel.gesichtsfeld)) return;
            const Versatz v = versatz_auf(Massstab::karte, himmel, p, s.r);
            const int32_t x = s.r + v.dx, y = s.r - v.dy, h = satz.helligkeit;
            const int32_t e = s.sternradius(h);
            s.b.scheiben.push_back(Schildeintrag{h, 0, Schildform::SCHEIBE,
                                                 Rechteck{x - e, y - e, x + e + 1, y + e + 1}, x, y, 0, nullptr});
            if (!schilder || !nummer_gueltig(satz.nummer)) return;
            const bool mit_name = namen && satz.eigenname;
            const bool mit_kennung = kennungen && beschriftete.beschriftet(satz);
            if (!mit_name && !mit_kennung) return;
            const int32_t abstand = e + s.px(LUECKE);
            grenze = std::max(grenze, h);
            if (mit_name) {
                const int32_t b = breite(s.dc, satz.eigenname);
                const bool links = links_beschriftet(satz.eigenname);
                const int32_t x0 = links ? x - s.px(LINKS_ABSTAND) - b : x + s.px(NAME_ABSTAND);
                s.hinzu(h, links ? Schildform::LINKS : Schildform::RECHTS,
                        Rechteck{x0, y - text.ueber, x0 + b, y + text.unter}, x, y, abstand,
                        &s.b.plan.namen[satz.nummer]);
            }
            if (mit_kennung) {
                const SIZE g = kennung.groesse(satz);
                s.hinzu(h, Schildform::RECHTS, Rechteck{x, y, x + g.cx, y + g.cy}, x, y, abstand,
                        &s.b.plan.kennungen[satz.nummer]);
            }
        });
    }
}

// The discs of the stars up to the faintest labelled one, after every label
// of its magnitude: the labels of fainter stars keep clear of them.
void stern_scheiben(Sammler& s, int32_t grenze) {
    for (Schildeintrag& d : s.b.scheiben)
        if (d.rang <= grenze) {
            d.folge = s.folge++;
            s.b.eintraege.push_back(d);
        }
}

// The constellation names whose own place touches the picture.
void sternbild_schilder(Sammler& s, const Karteninhalt& inhalt) {
    Himmel& himmel = inhalt.himmel;
    const Hoehe h = hoehe(s.dc, inhalt.schriften.sternbild);
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i) {
        const SternbildSatz& satz = himmel.sternbilder[i];
        if (!satz.name) continue;
        const Versatz v = versatz_auf(Massstab::karte, himmel, himmel.polar_berechnen(satz.ort), s.r);
        const int32_t x = s.r + v.dx, y = s.r - v.dy;
        // Far outside the picture: not measured, and it meets nothing.
        if (x < -s.r || x > 3 * s.r || y < -s.r || y > 3 * s.r) continue;
        const int32_t b = breite(s.dc, satz.name);
        const Rechteck eigen{x - b / 2, y - h.ueber, x - b / 2 + b, y + h.unter};
        if (!schneiden(eigen, Rechteck{0, 0, 2 * s.r + 1, 2 * s.r + 1})) continue;
        s.hinzu(STERNBILD_RANG, Schildform::FLAECHE, eigen, x, y, 0, &s.b.plan.sternbilder[i]);
    }
}

// The bodies within the square: each name, then its disc, by its magnitude.
void koerper_schilder(Sammler& s, const Karteninhalt& inhalt, int32_t& grenze) {
    const Koerperlage& lage = *inhalt.koerper;
    const Scheibenziel ziel = s.druck ? Scheibenziel::DRUCK : Scheibenziel::KARTE;
    const Hoehe text = hoehe(s.dc, inhalt.schriften.text);
    for (int32_t art = 0; art < KOERPER_ANZAHL; ++art) {
        const Koerperscheibe k = koerperscheibe(inhalt.himmel, lage, art, ziel, s.r, s.dpi);
        if (!k.ort.im_quadrat) continue;
        const int32_t rang = static_cast<int32_t>(std::lround(lage.koerper[art].helligkeit * 100.0));
        grenze = std::max(grenze, rang);
        const int32_t x = s.r + k.ort.dx, y = s.r - k.ort.dy;
        const int32_t b = breite(s.dc, koerper_name(art));
        const int32_t x0 = x + k.radius + s.px(KOERPER_LUECKE);
        s.hinzu(rang, Schildform::RECHTS, Rechteck{x0, y - text.ueber, x0 + b, y + text.unter}, x, y,
                k.radius + s.px(KOERPER_LUECKE), &s.b.plan.koerper[art]);
        s.scheibe(rang, x, y, k.radius);
    }
}

}  // namespace

void beschriftung_setzen(Beschriftung& b, HDC dc, bool druck, int32_t r, const Karteninhalt& inhalt) {
    std::memset(&b.plan, 0, sizeof b.plan);
    b.eintraege.clear();
    b.scheiben.clear();
    if (!dc) return;
    const HGDIOBJ alte_schrift = GetCurrentObject(dc, OBJ_FONT);
    Sammler s{b, dc, druck, r, druck ? DPI_NORMAL : dpi_begrenzt(inhalt.dpi)};
    const Darstellung& w = inhalt.werte;
    const bool sternbilder = schicht_sichtbar(Schicht::STERNBILDNAMEN, w);
    const bool koerper = inhalt.koerper && schicht_sichtbar(Schicht::KOERPERNAMEN, w);
    int32_t grenze = INT32_MIN;
    stern_schilder(s, inhalt, schicht_sichtbar(Schicht::STERNNAMEN, w),
                   schicht_sichtbar(Schicht::KENNUNGEN, w), sternbilder || koerper, grenze);
    if (sternbilder) {
        sternbild_schilder(s, inhalt);
        grenze = std::max(grenze, STERNBILD_RANG);
    }
    if (koerper) koerper_schilder(s, inhalt, grenze);
    stern_scheiben(s, grenze);
    SelectObject(dc, alte_schrift);
    schilder_setzen(b.eintraege, 2 * r + 1, 2 * r + 1, b.raster);
}
