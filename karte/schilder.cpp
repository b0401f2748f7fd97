#include "schilder.h"

#include <algorithm>
#include <cstdint>

namespace {

// The grid has at most this many cells along a side, so that a printer's
// large page costs no more than a screen's chart.
constexpr int32_t ZELLEN_HOECHSTENS = 64;
constexpr int32_t ZELLE_MINDESTENS = 32;
constexpr int32_t ORTE = 9;  // a label's own place and eight around it

Rechteck verschoben(const Rechteck& r, int32_t dx, int32_t dy) {
    return Rechteck{r.links + dx, r.oben + dy, r.rechts + dx, r.unten + dy};
}

// The places of a name around its point: its own place, the other side at
// the same height, then above and below the point at either side and
// centred. The own side is tried first at every height.
int32_t orte_um_punkt(const Schildeintrag& e, Rechteck (&orte)[ORTE]) {
    const int32_t b = e.eigen.rechts - e.eigen.links, h = e.eigen.unten - e.eigen.oben;
    const int32_t a = e.abstand;
    const int32_t rechts = e.x + a, links = e.x - a - b, mitte = e.x - b / 2;
    const int32_t oben = e.y - a - h, unten = e.y + a;
    const bool rechts_zuerst = e.form != Schildform::LINKS;
    const int32_t zuerst = rechts_zuerst ? rechts : links, dann = rechts_zuerst ? links : rechts;
    const int32_t hoehe = e.eigen.oben;
    const int32_t xs[ORTE] = {e.eigen.links, dann, zuerst, zuerst, mitte, mitte, dann, dann, zuerst};
    const int32_t ys[ORTE] = {hoehe, hoehe, oben, unten, oben, unten, oben, unten, hoehe};
    for (int32_t i = 0; i < ORTE; ++i) orte[i] = Rechteck{xs[i], ys[i], xs[i] + b, ys[i] + h};
    return ORTE;
}

// A constellation's name: its own place, then moved by its height up and
// down, by half its width to either side, and diagonally.
int32_t orte_um_flaeche(const Schildeintrag& e, Rechteck (&orte)[ORTE]) {
    const int32_t b = (e.eigen.rechts - e.eigen.links) / 2 + 1, h = e.eigen.unten - e.eigen.oben;
    const int32_t dx[ORTE] = {0, 0, 0, -b, b, -b, b, -b, b};
    const int32_t dy[ORTE] = {0, -h, h, 0, 0, -h, -h, h, h};
    for (int32_t i = 0; i < ORTE; ++i) orte[i] = verschoben(e.eigen, dx[i], dy[i]);
    return ORTE;
}

int32_t orte_von(const Schildeintrag& e, Rechteck (&orte)[ORTE]) {
    return e.form == Schildform::FLAECHE ? orte_um_flaeche(e, orte) : orte_um_punkt(e, orte);
}

// The rectangle around every place of a label.
Rechteck umriss(const Schildeintrag& e) {
    Rechteck orte[ORTE];
    const int32_t anzahl = orte_von(e, orte);
    Rechteck u = orte[0];
    for (int32_t i = 1; i < anzahl; ++i)
        u = Rechteck{std::min(u.links, orte[i].links), std::min(u.oben, orte[i].oben),
                     std::max(u.rechts, orte[i].rechts), std::max(u.unten, orte[i].unten)};
    return u;
}

// The order of placement as one number: rang, then folge.
int64_t schluessel(const Schildeintrag& e) {
    return static_cast<int64_t>(e.rang) * 4294967296LL + static_cast<uint32_t>(e.folge);
}

void setzen(const Schildeintrag& e, Schildraster& raster) {
    if (e.form == Schildform::SCHEIBE) {
        raster.belegen(e.eigen);
        return;
    }
    Rechteck orte[ORTE];
    const int32_t anzahl = orte_von(e, orte);
    for (int32_t i = 0; i < anzahl; ++i) {
        if (!raster.frei(orte[i])) continue;
        raster.belegen(orte[i]);
        *e.ergebnis = Schildversatz{static_cast<int16_t>(orte[i].links - e.eigen.links),
                                    static_cast<int16_t>(orte[i].oben - e.eigen.oben), 0};
        return;
    }
    *e.ergebnis = Schildversatz{0, 0, 1};
}

}  // namespace

void Schildraster::beginnen(int32_t breite, int32_t hoehe) {
    const int32_t seite = std::max(std::max(breite, hoehe), 1);
    zelle = std::max(ZELLE_MINDESTENS, (seite + ZELLEN_HOECHSTENS - 1) / ZELLEN_HOECHSTENS);
    spalten = std::max(breite, 1) / zelle + 1;
    zeilen = std::max(hoehe, 1) / zelle + 1;
    kopf.assign(static_cast<size_t>(spalten) * static_cast<size_t>(zeilen), -1);
    spaetester.assign(kopf.size(), INT64_MIN);
    glieder.clear();
    belegt.clear();
}

Schildraster::Zellbereich Schildraster::zellen_von(const Rechteck& r) const {
    // Floor division, then held to the grid: a rectangle beyond the picture
    // counts in the edge cells.
    auto zelle_von = [this](int32_t p, int32_t n) {
        const int32_t c = p >= 0 ? p / zelle : -1;
        return std::min(std::max(c, 0), n - 1);
    };
    return Zellbereich{zelle_von(r.links, spalten), zelle_von(r.oben, zeilen),
                       zelle_von(r.rechts - 1, spalten), zelle_von(r.unten - 1, zeilen)};
}

bool Schildraster::frei(const Rechteck& r) const {
    const Zellbereich z = zellen_von(r);
    for (int32_t y = z.y0; y <= z.y1; ++y)
        for (int32_t x = z.x0; x <= z.x1; ++x)
            for (int32_t g = kopf[static_cast<size_t>(y * spalten + x)]; g >= 0; g = glieder[g].naechstes)
                if (schneiden(r, belegt[glieder[g].rechteck])) return false;
    return true;
}

void Schildraster::belegen(const Rechteck& r) {
    if (r.rechts <= r.links || r.unten <= r.oben) return;
    const int32_t nummer = static_cast<int32_t>(belegt.size());
    belegt.push_back(r);
    const Zellbereich z = zellen_von(r);
    for (int32_t y = z.y0; y <= z.y1; ++y)
        for (int32_t x = z.x0; x <= z.x1; ++x) {
            int32_t& k = kopf[static_cast<size_t>(y * spalten + x)];
            glieder.push_back(Glied{nummer, k});
            k = static_cast<int32_t>(glieder.size()) - 1;
        }
}

void Schildraster::vormerken(const Rechteck& r, int64_t schluessel) {
    const Zellbereich z = zellen_von(r);
    for (int32_t y = z.y0; y <= z.y1; ++y)
        for (int32_t x = z.x0; x <= z.x1; ++x) {
            int64_t& s = spaetester[static_cast<size_t>(y * spalten + x)];
            s = std::max(s, schluessel);
        }
}

bool Schildraster::vorgemerkt(const Rechteck& r, int64_t schluessel) const {
    const Zellbereich z = zellen_von(r);
    for (int32_t y = z.y0; y <= z.y1; ++y)
        for (int32_t x = z.x0; x <= z.x1; ++x)
            if (spaetester[static_cast<size_t>(y * spalten + x)] >= schluessel) return true;
    return false;
}

void schilder_setzen(std::vector<Schildeintrag>& eintraege, int32_t breite, int32_t hoehe,
                     Schildraster& raster) {
    raster.beginnen(breite, hoehe);
    // A disc meets a label's place only in a cell both reach (the cells of
    // rectangles beyond the picture held to its edge keep that true).
    for (const Schildeintrag& e : eintraege)
        if (e.form != Schildform::SCHEIBE) raster.vormerken(umriss(e), schluessel(e));
    eintraege.erase(std::remove_if(eintraege.begin(), eintraege.end(),
                                   [&raster](const Schildeintrag& e) {
                                       return e.form == Schildform::SCHEIBE &&
                                              !raster.vorgemerkt(e.eigen, schluessel(e));
                                   }),
                    eintraege.end());
    std::sort(eintraege.begin(), eintraege.end(), [](const Schildeintrag& a, const Schildeintrag& b) {
        return a.rang != b.rang ? a.rang < b.rang : a.folge < b.folge;
    });
    for (const Schildeintrag& e : eintraege) setzen(e, raster);
}
