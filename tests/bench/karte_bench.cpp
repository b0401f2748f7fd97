// Times the drawing of a complete chart from the shipped catalogue: every
// layer around Orion (5.6 h, +3 degrees, 60-degree field, the designations of
// Orion and Taurus, their labels placed clear of each other) into a
// 1024 x 768 and a 3000 x 3000 canvas, the star layer alone, the placement
// of the labels alone and fuellen, computing the Sun, the Moon and the planets for a
// moment (once per moment, not per drawing) and drawing their layer. Prints
// milliseconds per run.
//   karte_bench [chart.bmp]   also saves the 1024 x 768 chart
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "beschriftung.h"
#include "farben.h"
#include "figuren.h"
#include "einstellungen.h"
#include "gestirne.h"
#include "gitter.h"
#include "kalender.h"
#include "koerper.h"
#include "namen.h"
#include "schichten.h"
#include "leinwand.h"
#include "tageslauf.h"

namespace {

constexpr uint32_t KAPTION_EINTRAG = 0x004080FF;  // entry 254 as the program sets it

LOGFONTA unterstrichen(const Font& vorlage, int32_t hoehe) {
    LOGFONTA lf = vorlage.beschreibung();
    lf.lfUnderline = 1;
    lf.lfHeight = hoehe;
    return lf;
}

// The Symbol typeface, or where it has no glyph for the letters of the Greek
// abbreviations (Wine's own Symbol font), its URW clone, which puts the Greek
// letters at the same codes.
LOGFONTA symbolschrift(int32_t hoehe) {
    LOGFONTA lf{};
    lf.lfHeight = hoehe;
    for (const char* name : {"Symbol", "Standard Symbols PS"}) {
        snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", name);
        HFONT schrift = CreateFontIndirectA(&lf);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ alt = SelectObject(dc, schrift);
        WORD glyphe = 0xFFFF;
        GetGlyphIndicesA(dc, "a", 1, &glyphe, GGI_MARK_NONEXISTING_GLYPHS);
        SelectObject(dc, alt);
        DeleteDC(dc);
        DeleteObject(schrift);
        if (glyphe != 0xFFFF) break;
    }
    return lf;
}

struct Szene {
    Himmel himmel;
    Darstellung werte = vorgaben(Programm::STERNKARTE).darstellung;
    Font text{"Arial", 14};
    Font sternbild{unterstrichen(text, 16)};
    Font symbol{symbolschrift(14)};
    std::unique_ptr<Beschriftung> schilder = std::make_unique<Beschriftung>();
    Karteninhalt inhalt() { return Karteninhalt{himmel, Schriften{text, sternbild, symbol}, werte}; }
};

void hervorheben(Himmel& himmel, const char* abk) {
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i)
        if (strcmp(himmel.sternbilder[i].abk, abk) == 0) himmel.sternbild_umschalten(i);
}

bool szene_laden(Szene& s) {
    if (s.himmel.stern_datei_laden(VARNIS_TEST_DATA "/VARNIS.DAT") != 0 ||
        s.himmel.sternbild_datei_laden(VARNIS_TEST_DATA "/STBILDER.DAT") != 0)
        return false;
    s.himmel.setze_mitte(5.6, 3.0);
    s.himmel.setze_gesichtsfeld(60.0);
    hervorheben(s.himmel, "Ori");
    hervorheben(s.himmel, "Tau");
    return true;
}

// A canvas of w x h with the chart as the centred square, as for the desktop
// picture; returns the radius.
int32_t leinwand(DIB& bild, const Szene& s, int32_t w, int32_t h) {
    const int32_t r = std::min(w, h) / 2;
    bild.erzeugen(w, h, 8, (w - 2 * r) / 2, (h - 2 * r) / 2);
    schirm_farben_setzen(bild, s.werte);
    bild.farbe_setzen(254, KAPTION_EINTRAG);
    return r;
}

// Every layer in the order of the program's one-pass drawing, the labels
// placed before they are drawn, the stars last.
void karte_zeichnen(Szene& s, DIB& bild, int32_t r) {
    memset(s.himmel.berechnet, 0, sizeof s.himmel.berechnet);
    bild.fuellen(0);
    const Darstellung& w = s.werte;
    const Schildplan& plan = s.schilder->plan;
    karte_gitter(s.himmel, bild.dc, &bild, s.text, s.symbol, r, skalierte_farbe(w, HILFSLINIEN));
    karte_figuren(s.himmel, bild.dc, &bild, s.sternbild, s.symbol, r,
                  skalierte_farbe(w, STERNBILDER));
    beschriftung_setzen(*s.schilder, bild.dc, false, r, s.inhalt());
    sternbild_namen(s.himmel, bild.dc, s.sternbild, r, skalierte_farbe(w, STERNBILDNAMEN), plan);
    stern_namen(s.himmel, bild.dc, s.text, r, skalierte_farbe(w, STERNNAMEN), plan);
    stern_kennungen(s.himmel, bild.dc, s.text, s.symbol, r, skalierte_farbe(w, STERNBILDER), plan);
    karte_gestirne(s.himmel, bild.dc, &bild, s.text, s.symbol, r, 0, 99);
}

double jetzt_ms() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Runs schritt n times after a warm-up; prints the median and the fastest
// run (the median, as other work on the machine stretches single runs).
void messen(const char* was, int n, const std::function<void()>& schritt) {
    for (int i = 0; i < 3; ++i) schritt();
    std::vector<double> dauer;
    for (int i = 0; i < n; ++i) {
        const double anfang = jetzt_ms();
        schritt();
        dauer.push_back(jetzt_ms() - anfang);
    }
    std::sort(dauer.begin(), dauer.end());
    printf("%-44s %8.3f ms median %8.3f ms best  (%d runs)\n", was, dauer[dauer.size() / 2],
           dauer[0], n);
}

}  // namespace

int main(int argc, char** argv) {
    Szene s;
    if (!szene_laden(s)) {
        fprintf(stderr, "cannot load the catalogue from %s\n", VARNIS_TEST_DATA);
        return 1;
    }
    int32_t sterne = 0;
    for (int32_t k = 0; k < KLASSEN; ++k) sterne += s.himmel.anzahl[k];
    printf("%d stars, %d constellations, Orion at the centre, field of view 60 degrees\n", sterne,
           s.himmel.sternbild_anzahl);

    DIB klein, gross;
    const int32_t r_klein = leinwand(klein, s, 1024, 768);
    const int32_t r_gross = leinwand(gross, s, 3000, 3000);
    messen("complete chart 1024 x 768", 200, [&] { karte_zeichnen(s, klein, r_klein); });
    messen("complete chart 3000 x 3000", 50, [&] { karte_zeichnen(s, gross, r_gross); });
    messen("star layer alone 1024 x 768 (positions too)", 200, [&] {
        memset(s.himmel.berechnet, 0, sizeof s.himmel.berechnet);
        karte_gestirne(s.himmel, klein.dc, &klein, s.text, s.symbol, r_klein, 0, 99);
    });
    messen("star layer alone 3000 x 3000 (positions too)", 100, [&] {
        memset(s.himmel.berechnet, 0, sizeof s.himmel.berechnet);
        karte_gestirne(s.himmel, gross.dc, &gross, s.text, s.symbol, r_gross, 0, 99);
    });
    // Each layer once more on the 1024 x 768 chart, positions already computed.
    const Darstellung& w = s.werte;
    messen("  label placement (names, designations)", 200,
           [&] { beschriftung_setzen(*s.schilder, klein.dc, false, r_klein, s.inhalt()); });
    messen("  grid", 200, [&] {
        karte_gitter(s.himmel, klein.dc, &klein, s.text, s.symbol, r_klein,
                     skalierte_farbe(w, HILFSLINIEN));
    });
    messen("  figure lines", 200, [&] {
        karte_figuren(s.himmel, klein.dc, &klein, s.sternbild, s.symbol, r_klein,
                      skalierte_farbe(w, STERNBILDER));
    });
    const Schildplan& plan = s.schilder->plan;
    messen("  constellation names", 200, [&] {
        sternbild_namen(s.himmel, klein.dc, s.sternbild, r_klein, skalierte_farbe(w, STERNBILDNAMEN), plan);
    });
    messen("  star names", 200, [&] {
        stern_namen(s.himmel, klein.dc, s.text, r_klein, skalierte_farbe(w, STERNNAMEN), plan);
    });
    messen("  designations of Orion and Taurus", 200, [&] {
        stern_kennungen(s.himmel, klein.dc, s.text, s.symbol, r_klein, skalierte_farbe(w, STERNBILDER),
                        plan);
    });
    // 15 December 2026, 21:00 UTC, over Muenchen.
    Zeitskalen moment{};
    zeitskalen_aus_utc(tage_seit_1970(Datum{2026, 12, 15}) * 86400 + 21 * 3600, moment);
    Koerperlage lage;
    messen("bodies for a moment (Sun, Moon, 7 planets)", 500,
           [&] { koerper_berechnen(moment, 48.14, 11.58, lage); });
    Tageslauf lauf;
    messen("  the Moon's rising and setting (on request)", 50,
           [&] { tageslauf(moment, 86400.0, 48.14, 11.58, MOND, lauf); });
    // The bodies' layer on the 1024 x 768 chart: their places, discs and names.
    const Ziel ziel{klein.dc, &klein, r_klein};
    messen("  bodies' layer 1024 x 768 (discs and names)", 500, [&] {
        koerper_karte(s.himmel, ziel, &lage);
        koerper_namen(s.himmel, ziel, &lage, s.text, skalierte_farbe(w, STERNNAMEN), plan);
    });
    s.himmel.setze_mitte(lage.koerper[MOND].rekt, lage.koerper[MOND].dekl);
    s.himmel.setze_gesichtsfeld(3.0);
    messen("  bodies' layer, the Moon over a 3-degree field", 200,
           [&] { koerper_karte(s.himmel, ziel, &lage); });
    messen("fuellen 1024 x 768", 500, [&] { klein.fuellen(0); });
    messen("fuellen 3000 x 3000", 100, [&] { gross.fuellen(0); });

    if (argc > 1) {
        karte_zeichnen(s, klein, r_klein);
        const int32_t ergebnis = klein.speichern(argv[1]);
        printf("saved %s: %d\n", argv[1], ergebnis);
        return ergebnis == 0 ? 0 : 1;
    }
    return 0;
}
