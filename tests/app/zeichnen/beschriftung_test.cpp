// The chart's labels placed: over a table of crowded and ordinary views no
// two placed labels intersect and none lies over the disc of a star brighter
// than its own; the brighter star's name keeps its own place where a
// fainter one's would cover it; a moved constellation name is found by the
// label hit test where it now stands; the same for a few views on a screen
// of 144 dots per inch, with the fonts, discs and distances at its size.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "beschriftung.h"
#include "gestirne.h"
#include "karten_umgebung.h"
#include "leinwand.h"
#include "projektion.h"
#include "stern_lage.h"
#include "zeigen/info_anzeige.h"

namespace {

constexpr int32_t SEITE = 800;
constexpr int64_t WINTER_ABEND = 1797357600;  // 2026-12-15 18:00 UTC

struct Ansicht {
    std::string was;
    double rekt, dekl, feld;
};

class Beschriftet : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(katalog_laden(himmel));
        ASSERT_EQ(0, leinwand_erzeugen(bild, SEITE, SEITE));
        Zeitskalen skalen{};
        ASSERT_EQ(ZEIT_OK, zeitskalen_aus_utc(WINTER_ABEND, skalen));
        ASSERT_EQ(KOERPER_OK, koerper_berechnen(skalen, 48.14, 11.58, lage));
        werte.koerper = 1;
        for (const char* abk : {"Ori", "Tau"}) himmel.sternbild_umschalten(sternbild_index(himmel, abk));
    }
    int32_t r() const { return leinwand_radius(SEITE); }
    void setzen(const Ansicht& a) {
        himmel.setze_mitte(a.rekt, a.dekl);
        himmel.setze_gesichtsfeld(a.feld);
        std::memset(himmel.berechnet, 0, sizeof himmel.berechnet);
        s.dpi_setzen(dpi);
        Karteninhalt inhalt{himmel, s.schriften(), werte, "", &lage};
        inhalt.dpi = dpi;
        beschriftung_setzen(*b, bild.dc, false, r(), inhalt);
    }
    // Every label the placement kept, where it put it, with its rank.
    struct Schild {
        Rechteck ort;
        int32_t rang;
        const Schildeintrag* eintrag;
    };
    std::vector<Schild> schilder() const {
        std::vector<Schild> v;
        for (const Schildeintrag& e : b->eintraege) {
            if (e.form == Schildform::SCHEIBE || e.ergebnis->weg) continue;
            const Schildversatz& o = *e.ergebnis;
            v.push_back({Rechteck{e.eigen.links + o.dx, e.eigen.oben + o.dy, e.eigen.rechts + o.dx,
                                  e.eigen.unten + o.dy},
                         e.rang, &e});
        }
        return v;
    }
    const Schildversatz* name_von(const char* name) const {
        for (int32_t k = 0; k < KLASSEN; ++k)
            for (int32_t i = 0; i < himmel.anzahl[k]; ++i) {
                const SternSatz& st = himmel.stern_saetze[k][i];
                if (st.eigenname && std::strcmp(st.eigenname, name) == 0) return &b->plan.namen[st.nummer];
            }
        return nullptr;
    }

    // No two labels meet, none lies over a brighter star's disc, and a moved
    // constellation name is found where it stands (counted in bewegt).
    void pruefen(const Ansicht& a, int32_t& bewegt) {
        setzen(a);
        const std::vector<Schild> v = schilder();
        ASSERT_FALSE(v.empty()) << a.was;
        for (size_t i = 0; i < v.size(); ++i)
            for (size_t j = i + 1; j < v.size(); ++j)
                ASSERT_FALSE(schneiden(v[i].ort, v[j].ort)) << a.was << ": labels " << i << " and " << j;
        // Every star's disc as the chart draws it, against every label of a
        // fainter star (or constellation name, which ranks as magnitude 2.0).
        for (int32_t k = 0; k < KLASSEN; ++k)
            fuer_sterne_der_klasse(himmel, k, [&](const SternSatz& st, const PolarPos& p) {
                if (!sichtbar_quadrat(p.abstand, himmel.gesichtsfeld)) return;
                const Versatz o = versatz_auf(Massstab::karte, himmel, p, r());
                const int32_t x = r() + o.dx, y = r() - o.dy, e = karten_sternradius(st.helligkeit, dpi);
                const Rechteck scheibe{x - e, y - e, x + e + 1, y + e + 1};
                for (const Schild& sch : v) {
                    if (st.helligkeit < sch.rang) {
                        ASSERT_FALSE(schneiden(scheibe, sch.ort)) << a.was << ": star " << st.nummer;
                    }
                }
            });
        for (const Schild& sch : v) {
            const Schildeintrag& e = *sch.eintrag;
            if (e.form != Schildform::FLAECHE) continue;
            const int32_t i = static_cast<int32_t>(e.ergebnis - b->plan.sternbilder);
            if (e.ergebnis->dx == 0 && e.ergebnis->dy == 0) continue;
            ++bewegt;
            EXPECT_EQ(i, himmel.sternbild_suchen(e.x + e.ergebnis->dx, e.y + e.ergebnis->dy, r(), b->plan,
                                                 schildfang(dpi)))
                << a.was;
        }
    }

    int32_t dpi = DPI_NORMAL;
    Himmel himmel;
    Testschriften s;
    Darstellung werte = testwerte();
    Koerperlage lage{};
    DIB bild;
    std::unique_ptr<Beschriftung> b = std::make_unique<Beschriftung>();
};

std::vector<Ansicht> ansichten(const Himmel& himmel) {
    std::vector<Ansicht> v = {
        {"the Pleiades at 10 degrees", 3.79, 24.1, 10},  {"the Pleiades at 40 degrees", 3.79, 24.1, 40},
        {"the Pleiades at 90 degrees", 3.79, 24.1, 90},  {"the Hyades at 20 degrees", 4.45, 15.9, 20},
        {"Orion at 60 degrees", 5.6, 3.0, 60},
    };
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i) {
        const Vektor3& o = himmel.sternbilder[i].ort;
        double rekt = std::atan2(o.y, o.x) * 12.0 / PI;
        if (rekt < 0) rekt += 24.0;
        const double dekl = std::asin(std::max(-1.0, std::min(1.0, static_cast<double>(o.z)))) * 180.0 / PI;
        v.push_back({std::string(himmel.sternbilder[i].abk) + " at 60 degrees", rekt, dekl, 60});
    }
    return v;
}

TEST_F(Beschriftet, KeineZweiSchilderUndKeinesUeberEinemHellerenStern) {
    int32_t bewegt = 0;
    for (const Ansicht& a : ansichten(himmel)) {
        pruefen(a, bewegt);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(bewegt, 0) << "some constellation name gave way";
}

// The crowded views of the table on a screen of 144 dots per inch: larger
// letters, discs and gaps on the same canvas, still clear of each other.
TEST_F(Beschriftet, Bei144DpiKeineZweiSchilder) {
    dpi = 144;
    int32_t bewegt = 0;
    const std::vector<Ansicht> alle = ansichten(himmel);
    for (size_t i = 0; i < 5; ++i) {
        pruefen(alle[i], bewegt);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(bewegt, 0) << "some constellation name gave way";
}

TEST_F(Beschriftet, DerHellereNameBleibtDerSchwaechereWeicht) {
    // At 40 degrees the Pleiades' names start on top of each other. The
    // brightest, Alcyone (2.9 mag), keeps its own place; Atlas (3.6 mag),
    // whose own place runs into Alcyone, is moved but kept; Pleione
    // (5.1 mag), a few arcminutes from Atlas, gives way to it: moved or left
    // out, never the other way round.
    setzen({"the Pleiades at 40 degrees", 3.79, 24.1, 40});
    const Schildversatz* alcyone = name_von("Alcyone");
    const Schildversatz* atlas = name_von("Atlas");
    const Schildversatz* pleione = name_von("Pleione");
    ASSERT_TRUE(alcyone && atlas && pleione);
    EXPECT_EQ(0, alcyone->weg);
    EXPECT_EQ(0, alcyone->dx);
    EXPECT_EQ(0, alcyone->dy);
    EXPECT_EQ(0, atlas->weg);
    EXPECT_TRUE(pleione->weg || pleione->dx != atlas->dx || pleione->dy != atlas->dy);
    // Without the designations (no constellation highlighted) the same:
    // Atlas kept, Pleione giving way.
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i) himmel.sternbilder[i].hervorgehoben = 0;
    setzen({"the Pleiades at 40 degrees", 3.79, 24.1, 40});
    EXPECT_EQ(0, atlas->weg);
    EXPECT_TRUE(pleione->weg || pleione->dx != 0 || pleione->dy != 0);
}

}  // namespace
