// What the drawing of the panes follows: the stages of the drawing and the
// colour tables.
#include <gtest/gtest.h>

#include <vector>

#include "einstellungen.h"
#include "koerper.h"
#include "leinwand.h"
#include "zeichnen/zeichenplan.h"

namespace {

// ---- stages of the drawing ----

Darstellung mit_staerken(int32_t bilder, int32_t bildnamen, int32_t namen, int32_t linien) {
    Darstellung e = vorgaben(Programm::STERNKARTE).darstellung;
    e.staerke_prozent[STERNBILDER] = bilder;
    e.staerke_prozent[STERNBILDNAMEN] = bildnamen;
    e.staerke_prozent[STERNNAMEN] = namen;
    e.staerke_prozent[HILFSLINIEN] = linien;
    return e;
}

std::vector<Zeichnung> arten(const Zeichenstufe& s) {
    std::vector<Zeichnung> v;
    for (int32_t i = 0; i < s.anzahl; ++i) v.push_back(s.auftrag[i].was);
    return v;
}

using Z = Zeichnung;

TEST(Zeichenplan, AlleEbenenAn) {
    const Darstellung e = mit_staerken(70, 70, 95, 30);
    Zeichenstufe s = zeichenstufe(0, e);
    EXPECT_EQ((std::vector<Z>{Z::BERECHNET_LOESCHEN, Z::UEBERSICHT_GITTER, Z::UEBERSICHT_FIGUREN,
                              Z::KARTE_GITTER, Z::KARTE_FIGUREN, Z::UEBERSICHT_GESTIRNE,
                              Z::KARTE_GESTIRNE, Z::UEBERSICHT_KOERPER, Z::KARTE_KOERPER, Z::MARKEN}),
              arten(s));
    EXPECT_EQ(59, s.auftrag[5].bis);
    EXPECT_EQ(0, s.auftrag[6].von);
    EXPECT_EQ(59, s.auftrag[6].bis);
    EXPECT_EQ(60, s.naechste);
    EXPECT_EQ(250u, s.verzoegerung);

    s = zeichenstufe(100, e);
    EXPECT_EQ((std::vector<Z>{Z::KARTE_GITTER, Z::UEBERSICHT_GITTER}), arten(s));
    s = zeichenstufe(101, e);
    EXPECT_EQ((std::vector<Z>{Z::UEBERSICHT_GESTIRNE, Z::KARTE_FIGUREN}), arten(s));
    EXPECT_EQ(65, s.auftrag[0].bis);
    s = zeichenstufe(102, e);
    EXPECT_EQ((std::vector<Z>{Z::SCHILDER_SETZEN, Z::STERNBILD_NAMEN, Z::STERN_NAMEN,
                              Z::UEBERSICHT_FIGUREN, Z::STERN_KENNUNGEN, Z::UEBERSICHT_GESTIRNE,
                              Z::KARTE_GESTIRNE, Z::UEBERSICHT_KOERPER, Z::KARTE_KOERPER,
                              Z::KOERPER_NAMEN, Z::MARKEN}),
              arten(s));
    EXPECT_EQ(99, s.auftrag[5].bis);
    EXPECT_EQ(99, s.auftrag[6].bis);
    EXPECT_EQ(STUFE_RUHE, s.naechste);
    EXPECT_EQ(1000u, s.verzoegerung);
}

TEST(Zeichenplan, DerGanzeZyklusBisZurRuhe) {
    const Darstellung e = mit_staerken(70, 70, 95, 30);
    std::vector<int32_t> stufen;
    std::vector<uint32_t> pausen;
    int32_t schritt = 0;
    for (int i = 0; i < 20 && schritt != STUFE_RUHE; ++i) {
        const Zeichenstufe s = zeichenstufe(schritt, e);
        EXPECT_TRUE(s.ausgeben);
        if (schritt >= 60 && schritt < 100) {
            ASSERT_EQ(1, s.anzahl);
            EXPECT_EQ(Z::KARTE_GESTIRNE, s.auftrag[0].was);
            EXPECT_EQ(schritt, s.auftrag[0].von);
            EXPECT_EQ(schritt + 4, s.auftrag[0].bis);
        }
        schritt = s.naechste;
        stufen.push_back(schritt);
        pausen.push_back(s.verzoegerung);
    }
    EXPECT_EQ((std::vector<int32_t>{60, 65, 70, 75, 80, 85, 90, 95, 100, 101, 102, -1}), stufen);
    EXPECT_EQ((std::vector<uint32_t>{250, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1000}), pausen);
}

TEST(Zeichenplan, RuheTicktNurWeiter) {
    for (int32_t schritt : {STUFE_RUHE, 103, -7}) {
        const Zeichenstufe s = zeichenstufe(schritt, mit_staerken(70, 70, 95, 30));
        EXPECT_EQ(0, s.anzahl);
        EXPECT_FALSE(s.ausgeben);
        EXPECT_EQ(schritt, s.naechste);
        EXPECT_EQ(1000u, s.verzoegerung);
    }
}

TEST(Zeichenplan, AbgeschalteteEbenenFehlenInJederStufe) {
    struct Fall {
        Darstellung e;
        std::vector<Z> fehlen;
    };
    Darstellung ohne_koerper = mit_staerken(70, 70, 95, 30);
    ohne_koerper.koerper = 0;
    const Fall faelle[] = {
        {mit_staerken(0, 70, 95, 30), {Z::UEBERSICHT_FIGUREN, Z::KARTE_FIGUREN, Z::STERN_KENNUNGEN}},
        {mit_staerken(70, 0, 95, 30), {Z::STERNBILD_NAMEN}},
        {mit_staerken(70, 70, 0, 30), {Z::STERN_NAMEN, Z::KOERPER_NAMEN}},
        {mit_staerken(70, 70, 95, 0), {Z::UEBERSICHT_GITTER, Z::KARTE_GITTER}},
        {ohne_koerper, {Z::UEBERSICHT_KOERPER, Z::KARTE_KOERPER, Z::KOERPER_NAMEN}},
    };
    for (const Fall& f : faelle) {
        for (int32_t schritt : {0, 60, 100, 101, 102}) {
            for (Z was : arten(zeichenstufe(schritt, f.e))) {
                for (Z fehlt : f.fehlen) EXPECT_NE(fehlt, was) << "stage " << schritt;
            }
        }
    }
    // The stars, the bodies' discs and the marks are drawn whatever the
    // layers; the placement (of no labels then) runs whatever the layers.
    const std::vector<Z> nur_sterne = arten(zeichenstufe(102, mit_staerken(0, 0, 0, 0)));
    EXPECT_EQ((std::vector<Z>{Z::SCHILDER_SETZEN, Z::UEBERSICHT_GESTIRNE, Z::KARTE_GESTIRNE, Z::UEBERSICHT_KOERPER,
                              Z::KARTE_KOERPER, Z::MARKEN}),
              nur_sterne);
}

// ---- colour tables ----

class Farbtabelle : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(0, bild.erzeugen(4, 4, 8, 0, 0)); }
    DIB bild;
};

TEST_F(Farbtabelle, BildschirmschemaMitGedimmtenEbenen) {
    Darstellung e = vorgaben(Programm::STERNKARTE).darstellung;
    e.staerke_prozent[STERNBILDER] = 50;
    e.staerke_prozent[STERNNAMEN] = 0;
    farbtabelle_schirm(bild, e);
    EXPECT_EQ(0x300000u, bild.farbe(0));               // (0, 0, 48)
    EXPECT_EQ(0xFFF0E0u, bild.farbe(10));              // family O, full
    EXPECT_EQ(0x7F7870u, bild.farbe(12));              // halved, truncated
    EXPECT_EQ(0x333333u, bild.farbe(49));              // family F (white) / 5
    EXPECT_EQ(0x9090FFu, bild.farbe(70));              // family M
    EXPECT_EQ(0x7F7F1Cu, bild.farbe(128));             // (56, 255, 255) x 0.5
    EXPECT_EQ(0xB2B221u, bild.farbe(129));             // (48, 255, 255) x 0.7, truncated
    EXPECT_EQ(bild.farbe(0), bild.farbe(130));         // star names off: background
    EXPECT_EQ(0x4C484Cu, bild.farbe(96));              // (255, 243, 255) x 0.3
    EXPECT_EQ(0xC0C0C0u, bild.farbe(100));
    EXPECT_EQ(0x4870FFu, bild.farbe(INDEX_KOERPER + MARS));  // Mars's own (255, 112, 72)
    EXPECT_EQ(0x4080FFu, bild.farbe(254));             // (255, 128, 64)
    EXPECT_EQ(0xFF00FFu, bild.farbe(255));
    EXPECT_EQ(0x141414u, bild.farbe(5));               // not set: the canvas's own
}

TEST_F(Farbtabelle, SchwarzAufWeiss) {
    farbtabelle_schirm(bild, vorgaben(Programm::STERNKARTE).darstellung);
    farbtabelle_schwarz_weiss(bild);
    EXPECT_EQ(0xFFFFFFu, bild.farbe(0));
    // Only the Moon's lit part is inked: its night is the page's.
    for (int32_t i = 1; i < 256; ++i) ASSERT_EQ(i == INDEX_MOND_NACHT ? 0xFFFFFFu : 0u, bild.farbe(i)) << i;
}

}  // namespace
