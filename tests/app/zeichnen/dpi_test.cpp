// The chart on a screen of more dots per inch: the scaling rounds as MulDiv;
// over 96, 120, 144 and 192 the chart fonts' real heights, the star discs'
// radii (scaled within rounding, never smaller, brighter never smaller than
// fainter, drawn as large as told), the popup's size and the pointing
// tolerances; the Pleiades drawn at 192 have discs of twice the radius of
// those at 96; a whole chart at both sizes is left to look at.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstring>
#include <string>

#include "gestirne.h"
#include "karten_umgebung.h"
#include "kartenschriften.h"
#include "leinwand.h"
#include "projektion.h"
#include "skaliert.h"
#include "stern_lage.h"
#include "zeichnen/plan_ausfuehren.h"
#include "zeigen/info_anzeige.h"

namespace {

constexpr int32_t DPIS[] = {96, 120, 144, 192};
// Magnitudes x 100 at each step of the chart's disc table and beyond it.
constexpr int32_t HELLIGKEITEN[] = {-146, 0, 100, 200, 300, 390, 450, 500, 550, 551, 790};

TEST(Skaliert, RundetWieMulDiv) {
    for (int32_t dpi = DPI_NORMAL; dpi <= DPI_GROESSTE; dpi += 12)
        for (int32_t wert = -40; wert <= 200; ++wert)
            ASSERT_EQ(MulDiv(wert, dpi, 96), skaliert(wert, dpi)) << wert << " at " << dpi;
    EXPECT_EQ(DPI_NORMAL, dpi_begrenzt(0));
    EXPECT_EQ(DPI_NORMAL, dpi_begrenzt(-144));
    EXPECT_EQ(144, dpi_begrenzt(144));
    EXPECT_EQ(DPI_GROESSTE, dpi_begrenzt(100000));
}

// The height the system gives a font selected into a context.
int32_t zellhoehe(const Font& f) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ alt = SelectObject(dc, f.handle());
    TEXTMETRICA m{};
    GetTextMetricsA(dc, &m);
    SelectObject(dc, alt);
    DeleteDC(dc);
    return m.tmHeight;
}

TEST(Kartenschriften, HoehenMitDenDpi) {
    const Kartenschriften normal;
    for (int32_t dpi : DPIS) {
        Kartenschriften neu(VOLLE_SCHRIFT, dpi);
        Kartenschriften umgestellt;  // made at 96, then set to dpi
        umgestellt.dpi_setzen(dpi);
        for (const Kartenschriften* k : {&neu, &umgestellt}) {
            EXPECT_EQ(dpi, k->dpi());
            // Asked for exactly; the system's cell within a pixel of it (as at 96).
            EXPECT_EQ(skaliert(14, dpi), k->text.beschreibung().lfHeight) << dpi;
            EXPECT_EQ(skaliert(16, dpi), k->sternbild.beschreibung().lfHeight) << dpi;
            EXPECT_EQ(skaliert(14, dpi), k->symbol.beschreibung().lfHeight) << dpi;
            EXPECT_NEAR(skaliert(14, dpi), zellhoehe(k->text), 1) << dpi;
            EXPECT_NEAR(skaliert(16, dpi), zellhoehe(k->sternbild), 1) << dpi;
            EXPECT_NEAR(skaliert(14, dpi), zellhoehe(k->symbol), 1) << dpi;
            EXPECT_NEAR(zellhoehe(normal.text) * dpi / 96.0, zellhoehe(k->text), 1) << dpi;
            // As wide as high: the names keep their proportions.
            EXPECT_EQ(skaliert(normal.text.beschreibung().lfWidth, dpi), k->text.beschreibung().lfWidth);
            EXPECT_EQ(skaliert(normal.symbol.beschreibung().lfWidth, dpi), k->symbol.beschreibung().lfWidth);
            const double breite = normal.text.textbreite("Beteigeuze") * dpi / 96.0;
            EXPECT_NEAR(breite, k->text.textbreite("Beteigeuze"), 0.05 * breite) << dpi;
            EXPECT_EQ(1, k->sternbild.beschreibung().lfUnderline);
            EXPECT_STREQ("Symbol", k->symbol.beschreibung().lfFaceName);
        }
    }
    // Back to 96, and a value out of range held to it.
    Kartenschriften k(VOLLE_SCHRIFT, 192);
    k.dpi_setzen(10);
    EXPECT_EQ(DPI_NORMAL, k.dpi());
    EXPECT_EQ(14, k.text.beschreibung().lfHeight);
    EXPECT_EQ(zellhoehe(normal.text), zellhoehe(k.text));
    EXPECT_EQ(zellhoehe(normal.sternbild), zellhoehe(k.sternbild));
}

TEST(Sternradius, WaechstMitDenDpi) {
    for (auto radius : {karten_sternradius, uebersicht_sternradius}) {
        for (int32_t dpi : DPIS) {
            int32_t heller = INT32_MAX;
            for (int32_t h : HELLIGKEITEN) {
                const int32_t normal = radius(h, DPI_NORMAL), gross = radius(h, dpi);
                EXPECT_NEAR(normal * dpi / 96.0, gross, 1.0) << h << " at " << dpi;
                EXPECT_GE(gross, normal) << h << " at " << dpi;
                EXPECT_LE(gross, heller) << h << " at " << dpi;
                heller = gross;
            }
        }
    }
    // The brightest chart disc, 11 pixels wide at 96: 22 at 192, its radius 11.
    EXPECT_EQ(5, karten_sternradius(-146, 96));
    EXPECT_EQ(11, karten_sternradius(-146, 192));
}

// One star of each step alone in the view, drawn at dpi: its disc's box
// reaches karten_sternradius from the star, and a wide disc is round (fills
// about pi/4 of its box).
TEST(Sternradius, DieGezeichneteScheibe) {
    Himmel himmel;
    ASSERT_TRUE(katalog_laden(himmel));
    Testschriften s;
    // Sirius, given each magnitude in turn, near the centre of a field of
    // one degree: no other star within the canvas.
    SternSatz* sirius = nullptr;
    Vektor3 ort{};
    for (int32_t k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < himmel.anzahl[k]; ++i)
            if (himmel.stern_saetze[k][i].eigenname && std::strcmp(himmel.stern_saetze[k][i].eigenname, "Sirius") == 0) {
                sirius = &himmel.stern_saetze[k][i];
                ort = himmel.vektoren[k][i];
            }
    ASSERT_TRUE(sirius);
    himmel.setze_mitte(6.7525, -16.716);
    himmel.setze_gesichtsfeld(1);
    const Versatz v = versatz_auf(Massstab::karte, himmel, himmel.polar_berechnen(ort), 40);
    const int32_t sx = 40 + v.dx, sz = 40 + v.dy;
    for (int32_t dpi : {120, 144, 192, 480}) {
        for (int32_t h : HELLIGKEITEN) {
            sirius->helligkeit = h;
            std::memset(himmel.berechnet, 0, sizeof himmel.berechnet);
            DIB bild;
            ASSERT_EQ(0, leinwand_erzeugen(bild, 82, 82));
            bild.fuellen(0);
            karte_gestirne(himmel, bild.dc, &bild, s.text, 40, 0, 99, "", dpi);
            int32_t links = 82, rechts = -1, unten = 82, oben = -1, flaeche = 0;
            for (int32_t z = 0; z < 82; ++z)
                for (int32_t x = 0; x < 82; ++x)
                    if (bild.pixel(x, z) != 0) {
                        links = std::min(links, x), rechts = std::max(rechts, x);
                        unten = std::min(unten, z), oben = std::max(oben, z);
                        ++flaeche;
                    }
            ASSERT_GE(rechts, links) << h << " at " << dpi;
            const int32_t r = karten_sternradius(h, dpi);
            const int32_t weite = std::max({sx - links, rechts - sx, sz - unten, oben - sz});
            EXPECT_EQ(r, weite) << h << " at " << dpi;
            const int32_t b = rechts - links + 1, hoehe = oben - unten + 1;
            if (b >= 10 && hoehe >= 10) {
                const double anteil = static_cast<double>(flaeche) / (b * hoehe);
                EXPECT_NEAR(0.785, anteil, 0.08) << h << " at " << dpi;
            }
        }
    }
}

TEST(InfoLage, GroesseUndAbstandMitDenDpi) {
    struct Art {
        int32_t art, breite, hoehe;
    };
    for (int32_t dpi : DPIS) {
        const Kartenbereich f{4 * 400, 4 * 300, 250, 10, dpi};
        for (const Art& a : {Art{INFO_STERN, 170, 122}, Art{INFO_STERNBILD, 160, 62}, Art{INFO_KOERPER, 190, 184}}) {
            const Info_Lage oben_links = info_lage(a.art, 10, 10, f);
            EXPECT_EQ(skaliert(a.breite, dpi), oben_links.breite) << dpi;
            EXPECT_EQ(skaliert(a.hoehe, dpi), oben_links.hoehe) << dpi;
            EXPECT_EQ(10 + 250 + skaliert(15, dpi), oben_links.x) << dpi;
            EXPECT_EQ(10 + 10 + skaliert(15, dpi), oben_links.y) << dpi;
            const Info_Lage unten_rechts = info_lage(a.art, 1500, 1100, f);
            EXPECT_EQ(1500 + 250 - skaliert(15, dpi) - skaliert(a.breite, dpi), unten_rechts.x) << dpi;
            EXPECT_EQ(1100 + 10 - skaliert(15, dpi) - skaliert(a.hoehe, dpi), unten_rechts.y) << dpi;
        }
    }
}

// The pointing tolerances on the catalogue's chart: Sirius found within one
// pixel (at 96), the Sun's disc within 3 (its disc is smaller at a wide
// field), the label of Orion within 16 pixels either side of its point; one
// pixel farther nothing.
class Fang : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(katalog_laden(himmel));
        Zeitskalen skalen{};
        ASSERT_EQ(ZEIT_OK, zeitskalen_aus_utc(1797357600, skalen));  // 2026-12-15 18:00 UTC
        ASSERT_EQ(KOERPER_OK, koerper_berechnen(skalen, 48.14, 11.58, lage));
    }
    // The view centred on the direction (rekt hours, dekl degrees), field
    // feld degrees, the stars' positions computed as a drawing does.
    void ansicht(double rekt, double dekl, double feld) {
        himmel.setze_mitte(rekt, dekl);
        himmel.setze_gesichtsfeld(feld);
        std::memset(himmel.berechnet, 0, sizeof himmel.berechnet);
        for (int32_t k = 0; k < KLASSEN; ++k) fuer_sterne_der_klasse(himmel, k, [](const SternSatz&, const PolarPos&) {});
    }
    // Where the direction o stands in the chart of radius R (y down).
    POINT stelle(const Vektor3& o) const {
        const PolarPos p = himmel.polar_berechnen(o);
        const Versatz v = versatz(p.winkel, kartenmassstab(p.abstand, himmel.gesichtsfeld, R));
        return POINT{R + v.dx, R - v.dy};
    }
    const Vektor3* stern_ort(const char* name) const {
        for (int32_t k = 0; k < KLASSEN; ++k)
            for (int32_t i = 0; i < himmel.anzahl[k]; ++i)
                if (himmel.stern_saetze[k][i].eigenname && std::strcmp(himmel.stern_saetze[k][i].eigenname, name) == 0)
                    return &himmel.vektoren[k][i];
        return nullptr;
    }
    static constexpr int32_t R = 400;
    Himmel himmel;
    Koerperlage lage{};
};

TEST_F(Fang, SternKoerperUndSchildMitDenDpi) {
    for (int32_t dpi : DPIS) {
        Himmel_Treffer treffer(himmel, &lage, ohne_verschiebung(), dpi);
        // Sirius near the centre of a field of 2 degrees: alone.
        ansicht(6.7525, -16.716, 2);
        const Vektor3* ort = stern_ort("Sirius");
        ASSERT_TRUE(ort);
        const POINT p = stelle(*ort);
        const int32_t sirius = treffer.stern(p.x, p.y, R);
        ASSERT_GT(sirius, 0);
        const int32_t stern = skaliert(1, dpi);
        EXPECT_EQ(sirius, treffer.stern(p.x + stern, p.y - stern, R)) << dpi;
        EXPECT_EQ(-1, treffer.stern(p.x + stern + 1, p.y, R)) << dpi;
        EXPECT_EQ(-1, treffer.stern(p.x, p.y - stern - 1, R)) << dpi;
        // Uranus at the centre of a field of 90 degrees: its disc smaller than the catch.
        const Koerper& uranus = lage.koerper[URANUS];
        ansicht(uranus.rekt, uranus.dekl, 90);
        const Koerperscheibe s = koerperscheibe(himmel, lage, URANUS, Scheibenziel::KARTE, R, dpi);
        const int32_t x = R + s.ort.dx, y = R - s.ort.dy, koerper = skaliert(3, dpi);
        ASSERT_LT(s.radius, koerper) << dpi;
        EXPECT_EQ(URANUS, treffer.koerper(x + koerper, y, R)) << dpi;
        EXPECT_EQ(-1, treffer.koerper(x + koerper + 1, y, R)) << dpi;
        // Orion's label point at the centre: the box 16 either side, 9 above, 1 below.
        const int32_t ori = sternbild_index(himmel, "Ori");
        ASSERT_GE(ori, 0);
        const Vektor3& o = himmel.sternbilder[ori].ort;
        ansicht(std::atan2(o.y, o.x) * 12.0 / PI + 24.0, std::asin(o.z) * 180.0 / PI, 30);
        const POINT punkt = stelle(o);
        const int32_t sx = punkt.x, sy = punkt.y;
        const Schildfang b = schildfang(dpi);
        EXPECT_EQ(skaliert(16, dpi), b.quer);
        EXPECT_EQ(ori, treffer.sternbild(sx + b.quer, sy - b.oben, R)) << dpi;
        EXPECT_EQ(ori, treffer.sternbild(sx - b.quer, sy + b.unten, R)) << dpi;
        EXPECT_EQ(-1, treffer.sternbild(sx + b.quer + 1, sy, R)) << dpi;
        EXPECT_EQ(-1, treffer.sternbild(sx, sy - b.oben - 1, R)) << dpi;
    }
}

// A star's half width on the canvas: how far its disc reaches from (x, z)
// along its row and its column before the background.
int32_t halbe_breite(const DIB& bild, int32_t x, int32_t z) {
    int32_t w = 0;
    for (int32_t schritt = 1; schritt < 40; ++schritt) {
        const bool da = bild.pixel(x + schritt, z) > 0 || bild.pixel(x - schritt, z) > 0 ||
                        bild.pixel(x, z + schritt) > 0 || bild.pixel(x, z - schritt) > 0;
        if (!da) break;
        w = schritt;
    }
    return w;
}

// The Pleiades at 40 degrees: the chart at 96 dots per inch on a canvas of
// radius 1000 and at 192 on one of 2000 (the same window on the finer
// screen). Each bright star's disc is twice as wide, within a pixel.
TEST(Plejaden, Bei192DpiDoppelteRadien) {
    Himmel himmel;
    ASSERT_TRUE(katalog_laden(himmel));
    Testschriften s;
    himmel.setze_mitte(3.79, 24.1);
    himmel.setze_gesichtsfeld(40);
    DIB bilder[2];
    const int32_t dpis[2] = {96, 192};
    for (int i = 0; i < 2; ++i) {
        const int32_t r = 1000 * dpis[i] / 96;
        ASSERT_EQ(0, leinwand_erzeugen(bilder[i], 2 * r + 2, 2 * r + 2));
        bilder[i].fuellen(0);
        std::memset(himmel.berechnet, 0, sizeof himmel.berechnet);
        karte_gestirne(himmel, bilder[i].dc, &bilder[i], s.text, r, 0, 99, "", dpis[i]);
    }
    int32_t verglichen = 0;
    for (const char* name : {"Alcyone", "Atlas", "Electra", "Maia", "Merope", "Taygeta"}) {
        for (int32_t k = 0; k < KLASSEN; ++k)
            for (int32_t i = 0; i < himmel.anzahl[k]; ++i) {
                const SternSatz& st = himmel.stern_saetze[k][i];
                if (!st.eigenname || std::strcmp(st.eigenname, name) != 0) continue;
                int32_t radius[2];
                for (int b = 0; b < 2; ++b) {
                    const int32_t r = 1000 * dpis[b] / 96;
                    const Versatz v = versatz_auf(Massstab::karte, himmel, himmel.polar_berechnen(himmel.vektoren[k][i]), r);
                    radius[b] = halbe_breite(bilder[b], r + v.dx, r + v.dy);
                }
                EXPECT_NEAR(2 * radius[0], radius[1], 1) << name;
                EXPECT_GT(radius[1], radius[0]) << name;
                ++verglichen;
            }
    }
    EXPECT_EQ(6, verglichen);
}

// The whole chart of Orion at 96 and at 192 dots per inch, as the command
// line draws it, left to look at.
TEST(Plejaden, GanzeKarteZumAnsehen) {
    if (bilder_ordner().empty()) GTEST_SKIP() << "VARNIS_BILDER not set";
    Himmel himmel;
    ASSERT_TRUE(orion_laden(himmel));
    const Darstellung werte = vorgaben(Programm::STERNKARTE).darstellung;
    for (int32_t dpi : {96, 192}) {
        Kartenschriften s(VOLLE_SCHRIFT, dpi);
        Karteninhalt inhalt{himmel, s.schriften(), werte};
        inhalt.dpi = dpi;
        const int32_t seite = 300 * dpi / 96;
        DIB bild;
        ASSERT_EQ(0, leinwand_erzeugen(bild, seite, seite));
        farbtabelle_schirm(bild, werte);
        bild.fuellen(INDEX_HINTERGRUND);
        karte_ganz_zeichnen(bild, leinwand_radius(seite), inhalt);
        bild_ablegen(bild, (std::string("orion_") + std::to_string(dpi) + "dpi.bmp").c_str());
    }
}

}  // namespace
