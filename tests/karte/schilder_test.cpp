// The placement of labels: own place first, then the places around the
// point; the earlier rank keeps its place and its disc; what finds no free
// place is left out; and the grid of cells answers as a look at every
// placed rectangle would.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "schilder.h"

namespace {

constexpr int32_t SEITE = 400;

// A name of 40 x 12 pixels whose own place starts 10 right of (x, y), its
// baseline 9 below its top.
Schildeintrag name(int32_t rang, int32_t x, int32_t y, Schildversatz* ergebnis,
                   Schildform form = Schildform::RECHTS) {
    const int32_t links = form == Schildform::LINKS ? x - 2 - 40 : x + 10;
    return Schildeintrag{rang, 0, form, Rechteck{links, y - 9, links + 40, y + 3}, x, y, 4, ergebnis};
}

Schildeintrag scheibe(int32_t rang, int32_t x, int32_t y, int32_t e) {
    return Schildeintrag{rang, 0, Schildform::SCHEIBE, Rechteck{x - e, y - e, x + e + 1, y + e + 1},
                         x, y, 0, nullptr};
}

Rechteck gesetzt(const Schildeintrag& e, const Schildversatz& v) {
    return Rechteck{e.eigen.links + v.dx, e.eigen.oben + v.dy, e.eigen.rechts + v.dx, e.eigen.unten + v.dy};
}

void setzen(std::vector<Schildeintrag> eintraege) {
    for (size_t i = 0; i < eintraege.size(); ++i) eintraege[i].folge = static_cast<int32_t>(i);
    Schildraster raster;
    schilder_setzen(eintraege, SEITE, SEITE, raster);
}

TEST(Schilder, EigenerPlatzWennFrei) {
    Schildversatz a{7, 7, 1}, b{7, 7, 1};
    setzen({name(100, 100, 100, &a), name(200, 300, 300, &b, Schildform::LINKS)});
    EXPECT_EQ(0, a.dx);
    EXPECT_EQ(0, a.dy);
    EXPECT_EQ(0, a.weg);
    EXPECT_EQ(0, b.dx);
    EXPECT_EQ(0, b.weg);
}

TEST(Schilder, DerHellereBehaeltSeinenPlatzDerSchwaechereWeicht) {
    // Two stars 2 pixels apart: whatever the order of collection, the
    // brighter keeps its own place and the fainter goes elsewhere, clear of it.
    for (bool heller_zuerst : {true, false}) {
        Schildversatz hell{}, schwach{};
        const Schildeintrag eh = name(50, 100, 100, &hell), es = name(300, 100, 102, &schwach);
        setzen(heller_zuerst ? std::vector<Schildeintrag>{eh, es} : std::vector<Schildeintrag>{es, eh});
        EXPECT_EQ(0, hell.dx);
        EXPECT_EQ(0, hell.dy);
        EXPECT_EQ(0, schwach.weg);
        EXPECT_FALSE(schneiden(gesetzt(eh, hell), gesetzt(es, schwach)));
        EXPECT_NE(0, schwach.dx | schwach.dy) << heller_zuerst;
    }
}

TEST(Schilder, AlcorVersuchtZuerstLinksDannRechts) {
    Schildversatz mizar{}, alcor{};
    // Alcor's own place is on the left; a brighter name there moves it to
    // the right side of its point.
    const Schildeintrag links_davon = name(10, 40, 100, &mizar);  // its name covers x 50..90
    const Schildeintrag a = name(200, 96, 100, &alcor, Schildform::LINKS);  // own place 54..94
    setzen({links_davon, a});
    EXPECT_EQ(0, alcor.weg);
    const Rechteck r = gesetzt(a, alcor);
    EXPECT_GE(r.links, 96 + 4) << "the other side of its point, at the same height";
    EXPECT_EQ(a.eigen.oben, r.oben);
}

TEST(Schilder, KeinSchildUeberEinerHellerenScheibe) {
    // A bright star's disc of radius 5 just right of a faint star: the faint
    // star's name must not cover it; a fainter disc may be covered.
    Schildversatz schwach{}, ueber_schwacher{};
    const Schildeintrag es = name(400, 100, 100, &schwach);
    const Schildeintrag eu = name(100, 200, 200, &ueber_schwacher);
    setzen({scheibe(50, 125, 98, 5), es, eu, scheibe(500, 230, 196, 3)});
    EXPECT_EQ(0, schwach.weg);
    EXPECT_FALSE(schneiden(gesetzt(es, schwach), Rechteck{120, 93, 131, 104}));
    EXPECT_EQ(0, ueber_schwacher.dx) << "the fainter disc does not move a brighter star's name";
    EXPECT_EQ(0, ueber_schwacher.dy);
}

TEST(Schilder, OhneFreienPlatzWegGelassen) {
    // A star surrounded by the brighter names of a block of stars: its name
    // finds no free place and is left out; the brighter ones all stay.
    std::vector<Schildeintrag> eintraege;
    std::vector<Schildversatz> hell(64);
    for (int32_t i = 0; i < 64; ++i)
        eintraege.push_back(name(10 + i, 60 + (i % 8) * 40, 60 + (i / 8) * 12, &hell[static_cast<size_t>(i)]));
    Schildversatz schwach{};
    eintraege.push_back(name(900, 200, 108, &schwach));
    setzen(eintraege);
    EXPECT_EQ(1, schwach.weg);
    for (const Schildversatz& v : hell) EXPECT_EQ(0, v.weg);
}

TEST(Schilder, SternbildnameWeichtUmSeineHoeheOderHalbeBreite) {
    Schildversatz stern{}, sternbild{};
    const Schildeintrag es = name(10, 190, 200, &stern);  // covers 200..240 x 191..203
    const Schildeintrag eb{200, 0, Schildform::FLAECHE, Rechteck{190, 190, 250, 204}, 220, 200, 0, &sternbild};
    setzen({es, eb});
    EXPECT_EQ(0, sternbild.weg);
    EXPECT_EQ(0, sternbild.dx);
    EXPECT_EQ(-14, sternbild.dy) << "one height up";
}

TEST(Schildraster, AntwortetWieEinBlickAufAlleRechtecke) {
    // Random rectangles, some beyond the picture on every side, against a
    // look at every one; a large page gets larger cells.
    for (int32_t seite : {200, 5000}) {
        std::mt19937 zufall(static_cast<uint32_t>(seite));
        std::uniform_int_distribution<int32_t> ort(-seite / 4, seite + seite / 4), mass(1, seite / 10);
        Schildraster raster;
        raster.beginnen(seite, seite);
        std::vector<Rechteck> alle;
        for (int32_t i = 0; i < 3000; ++i) {
            const int32_t x = ort(zufall), y = ort(zufall);
            const Rechteck r{x, y, x + mass(zufall), y + mass(zufall)};
            bool frei = true;
            for (const Rechteck& a : alle) frei = frei && !schneiden(a, r);
            ASSERT_EQ(frei, raster.frei(r)) << seite << " " << i;
            if (frei) {
                raster.belegen(r);
                alle.push_back(r);
            }
        }
        EXPECT_GT(alle.size(), 50u);
    }
}

}  // namespace
