// The placement of a chart's labels, portable: every label tries its own
// place first and then the places around its star (or around its own place,
// for a constellation's name) until one is free of every label placed
// before it and of every disc that came before it; when none is free it is
// left out. What comes first is the caller's order (Schildeintrag::rang):
// the chart puts the brighter star's disc and labels before the fainter's,
// so that a label never covers a brighter star's disc and a brighter star's
// label never gives way to a fainter one's. The placed rectangles are kept
// in a grid of cells, so that a test looks at the few rectangles near it.
#pragma once

#include <cstdint>
#include <vector>

#include "schildplan.h"

// A rectangle in a target's pixels, y down; rechts and unten lie outside it.
struct Rechteck {
    int32_t links, oben, rechts, unten;
};

inline bool schneiden(const Rechteck& a, const Rechteck& b) {
    return a.links < b.rechts && b.links < a.rechts && a.oben < b.unten && b.oben < a.unten;
}

// Where the places of a label around its point lie.
enum class Schildform : int32_t {
    SCHEIBE,      // no label: a disc, which later labels keep clear of
    RECHTS,       // a name beside its point, its own place on the right
    LINKS,        // the same, its own place on the left (Alcor beside Mizar)
    FLAECHE,      // a constellation's name: its own place, then moved by its width and height
};

struct Schildeintrag {
    int32_t rang;       // smaller first: magnitude x 100 for stars and bodies
    int32_t folge;      // equal ranks in the order of collection
    Schildform form;
    Rechteck eigen;     // the disc, or the label at its own place
    int32_t x, y;       // the label's point (a star's centre)
    int32_t abstand;    // the room the places around the point keep from it (pixels)
    Schildversatz* ergebnis;  // the label's offset or its absence; null for a disc
};

// The grid of placed rectangles of one placement; its storage is kept from
// one placement to the next.
class Schildraster {
public:
    // An empty grid over the picture 0..breite x 0..hoehe; rectangles beyond
    // it count in its edge cells.
    void beginnen(int32_t breite, int32_t hoehe);
    bool frei(const Rechteck& r) const;
    void belegen(const Rechteck& r);
    // Marks the cells of r with a label's key (rang, folge) where it is the
    // latest so far; whether a cell of r holds a key of at least schluessel.
    void vormerken(const Rechteck& r, int64_t schluessel);
    bool vorgemerkt(const Rechteck& r, int64_t schluessel) const;

private:
    struct Zellbereich {
        int32_t x0, y0, x1, y1;
    };
    Zellbereich zellen_von(const Rechteck& r) const;

    struct Glied {
        int32_t rechteck, naechstes;
    };
    int32_t zelle = 32;  // pixels per cell side
    int32_t spalten = 0, zeilen = 0;
    std::vector<int32_t> kopf;  // per cell: its first Glied, -1 none
    std::vector<Glied> glieder;
    std::vector<Rechteck> belegt;
    std::vector<int64_t> spaetester;  // per cell: the latest label key reaching it
};

// Places eintraege (sorted here by rang and folge) on the picture of
// breite x hoehe and writes each label's result. A disc that no place of a
// later label can meet is left out of eintraege first: it could change no
// result, and most of a chart's discs are of faint stars.
void schilder_setzen(std::vector<Schildeintrag>& eintraege, int32_t breite, int32_t hoehe,
                     Schildraster& raster);
