// The Sun, the Moon and the planets drawn: on the chart canvas at their
// place, the Moon at its true size and lit toward the Sun, nothing while
// their key is off; on a printer page as filled circles, the Moon's lit part
// over its night, with their names.
#include <gtest/gtest.h>

#include <cmath>

#include "aufzeichnung.h"
#include "farbindizes.h"
#include "karten_umgebung.h"
#include "kartenzeichnung.h"
#include "koerperbild.h"
#include "koerperscheiben.h"
#include "leinwand.h"

namespace {

constexpr int64_t WINTER_ABEND = 1797357600;  // 2026-12-15 18:00 UTC: the Moon 35 % lit

class KoerperZeichnen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(katalog_laden(himmel));
        Zeitskalen skalen{};
        ASSERT_EQ(ZEIT_OK, zeitskalen_aus_utc(WINTER_ABEND, skalen));
        ASSERT_EQ(KOERPER_OK, koerper_berechnen(skalen, 48.14, 11.58, lage));
        werte.koerper = 1;
    }
    Karteninhalt inhalt() { return Karteninhalt{himmel, schriften.schriften(), werte, "", &lage}; }

    // The canvas of side 400 with the screen colours, drawn in order folge.
    template <size_t N>
    void malen(DIB& bild, const Schicht (&folge)[N]) {
        ASSERT_EQ(0, leinwand_erzeugen(bild, 400, 400));
        farbtabelle_schirm(bild, werte);
        bild.fuellen(INDEX_HINTERGRUND);
        const Ausgabeart art{Leinwand::KARTE, schirm_schichtfarben(werte), false, {}};
        folge_zeichnen(folge, Ziel{bild.dc, &bild, leinwand_radius(400)}, inhalt(), art);
    }

    Himmel himmel;
    Testschriften schriften;
    Darstellung werte = testwerte();
    Koerperlage lage{};
};

TEST_F(KoerperZeichnen, DerMondInWahrerGroesseZurSonneHinBeleuchtet) {
    const Koerper& mond = lage.koerper[MOND];
    himmel.setze_mitte(mond.rekt, mond.dekl);
    himmel.setze_gesichtsfeld(3);
    DIB bild;
    malen(bild, TAPETE_FOLGE);
    const int32_t r = leinwand_radius(400);
    // The lit and the dark pixels, and the lit part's centre from the disc's.
    double hell = 0, nacht = 0, sx = 0, sy = 0;
    for (int32_t z = 0; z < 400; ++z) {
        for (int32_t x = 0; x < 400; ++x) {
            const int32_t p = bild.pixel(x, z);
            if (p == INDEX_MOND_NACHT) ++nacht;
            if (p != INDEX_KOERPER + MOND) continue;
            ++hell;
            sx += x - r;
            sy += z - r;
        }
    }
    const double radius = 0.5 * mond.durchmesser / 3.0 * 2 * r;
    EXPECT_NEAR(PI * radius * radius, hell + nacht, 0.05 * PI * radius * radius) << "the true size";
    EXPECT_NEAR(mond.beleuchtet, hell / (hell + nacht), 0.03) << "the lit part as computed";
    // Toward the Sun as it lies on the chart (the projection keeps the
    // direction of the great circle from the centre).
    const Koerperort sonne = koerperort(himmel, lage.koerper[SONNE], Kartenart::KARTE, r);
    const double winkel = std::atan2(sy, sx) - std::atan2(sonne.dy, sonne.dx);
    EXPECT_NEAR(0.0, std::remainder(winkel, 2 * PI), 5 * PI / 180) << "the bright limb faces the Sun";
}

TEST_F(KoerperZeichnen, IhrSchalterNimmtSieAusJederFolge) {
    himmel.setze_mitte(0.5, 0.0);  // Saturn and Neptune in Pisces, the Moon in Aquarius
    himmel.setze_gesichtsfeld(60);
    for (int32_t an : {1, 0}) {
        werte.koerper = an;
        DIB bild;
        malen(bild, TAPETE_FOLGE);
        int32_t saturn = 0;
        for (int32_t z = 0; z < 400; ++z)
            for (int32_t x = 0; x < 400; ++x) saturn += bild.pixel(x, z) == INDEX_KOERPER + SATURN;
        if (an)
            EXPECT_GT(saturn, 20) << "Saturn, a disc larger than a star of magnitude 0.8";
        else
            EXPECT_EQ(0, saturn);
        EXPECT_EQ(an, schicht_sichtbar(Schicht::KOERPERNAMEN, werte));
    }
}

TEST_F(KoerperZeichnen, GedrucktMitPhaseUndNamen) {
    himmel.setze_mitte(23.0, -5.0);
    himmel.setze_gesichtsfeld(60);
    const struct {
        const char* was;
        Druckstil stil;
        COLORREF nacht, hell;
    } faelle[] = {
        {"screen colours", {0, 0, 0x400000}, RGB(64, 64, 72), RGB(236, 236, 220)},
        {"white on black", {1, 0, 0}, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"black on white", {1, 1, 0}, RGB(255, 255, 255), RGB(0, 0, 0)},
    };
    for (const auto& f : faelle) {
        Ausgabeart art{Leinwand::DRUCK, schirm_schichtfarben(werte), true, f.stil};
        const Aufzeichnung a = aufzeichnen([&](HDC dc) {
            folge_zeichnen(DRUCK_FOLGE, Ziel{dc, nullptr, 1000}, inhalt(), art);
        });
        const Koerperscheibe mond = koerperscheibe(himmel, lage, MOND, Scheibenziel::DRUCK, 1000);
        const RECT kreis{1000 + mond.ort.dx - mond.radius, 1000 - mond.ort.dy - mond.radius,
                         1000 + mond.ort.dx + mond.radius + 1, 1000 - mond.ort.dy + mond.radius + 1};
        bool scheibe = false, phase = false;
        for (const Ereignis* e : a.alle(Ereignis::ELLIPSE))
            scheibe |= EqualRect(&e->rechteck, &kreis) && e->pinsel == f.nacht && e->stift == f.hell;
        for (const Ereignis* e : a.alle(Ereignis::VIELECK))
            phase |= e->pinsel == f.hell && e->rechteck.left >= kreis.left - 1 && e->rechteck.right <= kreis.right + 1;
        EXPECT_TRUE(scheibe) << f.was << ": the Moon's disc in its night, outlined";
        EXPECT_TRUE(phase) << f.was << ": its lit part";
        EXPECT_EQ(1u, a.texte_mit("Mond").size()) << f.was;
        EXPECT_EQ(1u, a.texte_mit("Saturn").size()) << f.was;
        EXPECT_TRUE(a.nicht_geloescht().empty()) << f.was;
    }
}

}  // namespace
