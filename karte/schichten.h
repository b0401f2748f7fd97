// The one description of a chart's layers: which layers there are, what each
// is drawn with (its colour source, its fonts, its drawing function on each
// kind of target) and in which order every output draws them. Every output
// walks this description: the star chart's panes in their stages (and with
// them the bitmap files and the command line's bitmap, which are the chart
// pane's canvas), the printed page and the vector file, the desktop picture
// and the screen saver's frame (karte/kartenzeichnung.h walks it).
//
// Adding a layer is an edit of this file and one new file: its value in
// Schicht, its row in SCHICHTEN (its settings layer) and in SCHICHT_ZEICHNER
// (its drawing on each kind of target), its place in the outputs' orders,
// and its drawing function, declared here, in a file of its own in karte/
// (which the library picks up by itself). Every list is sized by its initializer; what is built
// from them (the screen's job list of a stage) is sized by the longest of
// them at compile time, so nothing can overflow.
//
// The differences between the outputs are meant, and each is data here with
// its reason: the screen's stages and delays, the saver's missing
// designations, the printer's own functions for stars, figures and grid
// with their pen widths, and the order of the printed layers.
//
// The first part (the layers, the settings layer of each, the orders) is
// portable: the saver's frame order is checked natively too. The second part,
// the drawing of each layer on each kind of target, is Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "darstellung.h"
#include "farben.h"

// ---- The layers

enum class Schicht : int32_t {
    LAGEN_NEU,  // not drawn: the start of a drawing, which computes positions anew
    SCHILDER,   // not drawn: the labels placed, before the first label layer (karte/beschriftung.h)
    GITTER,
    FIGUREN,
    STERNBILDNAMEN,
    STERNNAMEN,
    KENNUNGEN,
    GESTIRNE,
    KOERPER,       // the Sun, the Moon and the planets
    KOERPERNAMEN,  // their names
    MARKEN,  // the field-of-view square and the horizon: the main window's own overview pane
};

// The kinds of target a layer can be drawn on.
enum class Leinwand : int32_t { KARTE, UEBERSICHT, DRUCK };

// Magnitude classes von..bis (0..99) of a star layer.
struct Klassen {
    int32_t von, bis;
};

// Without a layer of the settings: drawn whatever the intensities, and
// without a layer colour.
constexpr Ebene IMMER = EBENEN;

// Each layer's layer of the settings, in the order of Schicht: its intensity
// switches it (off at 0) and its colour is the layer's. The designations go
// with the figures: the constellations' layer switches them and gives their
// colour; the bodies' names go with the star names. The bodies' layers are
// switched besides by their own key (Darstellung::koerper). (Their drawing:
// SCHICHT_ZEICHNER below, one row each.)
struct Schichtebene {
    Schicht schicht;
    Ebene ebene;
    bool koerper_schalter;  // drawn only while Darstellung::koerper is 1
};
inline constexpr Schichtebene SCHICHTEN[] = {
    {Schicht::LAGEN_NEU, IMMER, false},
    {Schicht::SCHILDER, IMMER, false},
    {Schicht::GITTER, HILFSLINIEN, false},
    {Schicht::FIGUREN, STERNBILDER, false},
    {Schicht::STERNBILDNAMEN, STERNBILDNAMEN, false},
    {Schicht::STERNNAMEN, STERNNAMEN, false},
    {Schicht::KENNUNGEN, STERNBILDER, false},
    {Schicht::GESTIRNE, IMMER, false},
    {Schicht::KOERPER, IMMER, true},
    {Schicht::KOERPERNAMEN, STERNNAMEN, true},
    {Schicht::MARKEN, IMMER, false},
};
inline constexpr size_t SCHICHT_ANZAHL = std::size(SCHICHTEN);

constexpr bool zeilen_in_ordnung() {
    for (size_t i = 0; i < SCHICHT_ANZAHL; ++i)
        if (static_cast<size_t>(SCHICHTEN[i].schicht) != i) return false;
    return true;
}
static_assert(zeilen_in_ordnung(), "SCHICHTEN holds one row per layer, in the order of Schicht");

constexpr Ebene schicht_ebene(Schicht s) { return SCHICHTEN[static_cast<size_t>(s)].ebene; }

// Whether the layer is drawn at these intensities and switches.
inline bool schicht_sichtbar(Schicht s, const Darstellung& werte) {
    const Schichtebene& zeile = SCHICHTEN[static_cast<size_t>(s)];
    if (zeile.koerper_schalter && !werte.koerper) return false;
    return zeile.ebene == IMMER || sichtbar(werte, zeile.ebene);
}

// ---- The orders of the outputs

// The desktop picture: the chart pane as it stands at rest after its stages
// (below), drawn in one go on the screen's canvas functions.
inline constexpr Schicht TAPETE_FOLGE[] = {
    Schicht::GITTER,     Schicht::FIGUREN,   Schicht::SCHILDER, Schicht::STERNBILDNAMEN,
    Schicht::STERNNAMEN, Schicht::KENNUNGEN, Schicht::GESTIRNE, Schicht::KOERPER,
    Schicht::KOERPERNAMEN,
};

// The printed page and the vector file, on the printer's functions: the
// names go before the figures, whose pen of width 2 then lies over a name
// it crosses, as the printout has always had it; the stars last, and over
// them the bodies, whose discs cover the stars behind them as in the sky.
inline constexpr Schicht DRUCK_FOLGE[] = {
    Schicht::GITTER,    Schicht::SCHILDER,  Schicht::STERNBILDNAMEN, Schicht::STERNNAMEN,
    Schicht::KOERPERNAMEN, Schicht::FIGUREN, Schicht::KENNUNGEN,     Schicht::GESTIRNE,
    Schicht::KOERPER,
};

// The screen saver's frame, on the canvas functions, each frame from new
// positions (the saver clears them as it clears the canvas). The stars come
// first, so that their positions are known, and again last, so that they lie
// on top, with the bodies over them. No designations: the saver has no
// highlighted constellations (the label click is the star chart's), and on
// a screen seen from afar they would only crowd the stars.
inline constexpr Schicht SCHONER_FOLGE[] = {
    Schicht::GESTIRNE,       Schicht::GITTER,     Schicht::FIGUREN,  Schicht::SCHILDER,
    Schicht::STERNBILDNAMEN, Schicht::STERNNAMEN, Schicht::GESTIRNE, Schicht::KOERPER,
    Schicht::KOERPERNAMEN,
};

// ---- The screen: the chart and overview panes drawn in stages on a timer,
// so that the bright stars and the lines show at once and the rest follows.

constexpr int32_t STUFE_RUHE = -1;  // idle: the timer only ticks
constexpr int32_t STUFE_ANFANG = 0;
constexpr int32_t STUFE_ABSCHLUSS = 100;  // grid
constexpr int32_t STUFE_FIGUREN = 101;
constexpr int32_t STUFE_NAMEN = 102;

// One job of a stage: a layer on a pane's canvas. With ab_stufe the class
// range counts from the stage's number (stage s draws s + von .. s + bis).
struct Schirmauftrag {
    Schicht schicht;
    Leinwand leinwand;
    Klassen klassen;
    bool ab_stufe;
};

// The stages erste..letzte: their jobs in order, the next stage (added to
// the stage's number with naechste_relativ) and the delay before it.
struct Schirmstufe {
    int32_t erste, letzte;
    const Schirmauftrag* auftraege;
    size_t anzahl;
    int32_t naechste;
    bool naechste_relativ;
    uint32_t verzoegerung;  // milliseconds
};

namespace schirm {
using S = Schicht;
constexpr Leinwand K = Leinwand::KARTE, U = Leinwand::UEBERSICHT;
constexpr Klassen ALLE{0, 0};  // for a layer without classes
// Stage 0: the positions anew, the lines of both panes, the stars to
// magnitude class 59, the bodies and the marks; a quarter second for the eye.
inline constexpr Schirmauftrag ANFANG[] = {
    {S::LAGEN_NEU, K, ALLE, false},       {S::GITTER, U, ALLE, false},
    {S::FIGUREN, U, ALLE, false},         {S::GITTER, K, ALLE, false},
    {S::FIGUREN, K, ALLE, false},         {S::GESTIRNE, U, {0, 59}, false},
    {S::GESTIRNE, K, {0, 59}, false},     {S::KOERPER, U, ALLE, false},
    {S::KOERPER, K, ALLE, false},         {S::MARKEN, U, ALLE, false},
};
// Stages 60, 65, ... 95: the fainter classes five at a time.
inline constexpr Schirmauftrag SCHWACHE[] = {
    {S::GESTIRNE, K, {0, 4}, true},
};
// Stage 100: the grid again over the stars.
inline constexpr Schirmauftrag ABSCHLUSS[] = {
    {S::GITTER, K, ALLE, false},
    {S::GITTER, U, ALLE, false},
};
// Stage 101: the chart's figures again, the overview's stars.
inline constexpr Schirmauftrag FIGUREN[] = {
    {S::GESTIRNE, U, {0, 65}, false},
    {S::FIGUREN, K, ALLE, false},
};
// Stage 102: the labels placed and drawn, then every star again on top,
// the bodies over the stars with their names; then rest. Every way into the
// labels passes here, so the placement is made anew whenever they are drawn.
inline constexpr Schirmauftrag NAMEN[] = {
    {S::SCHILDER, K, ALLE, false},
    {S::STERNBILDNAMEN, K, ALLE, false}, {S::STERNNAMEN, K, ALLE, false},
    {S::FIGUREN, U, ALLE, false},        {S::KENNUNGEN, K, ALLE, false},
    {S::GESTIRNE, U, {0, 99}, false},    {S::GESTIRNE, K, {0, 99}, false},
    {S::KOERPER, U, ALLE, false},        {S::KOERPER, K, ALLE, false},
    {S::KOERPERNAMEN, K, ALLE, false},   {S::MARKEN, U, ALLE, false},
};
}  // namespace schirm

inline constexpr Schirmstufe SCHIRM_STUFEN[] = {
    {STUFE_ANFANG, STUFE_ANFANG, schirm::ANFANG, std::size(schirm::ANFANG), 60, false, 250},
    {1, STUFE_ABSCHLUSS - 1, schirm::SCHWACHE, std::size(schirm::SCHWACHE), 5, true, 1},
    {STUFE_ABSCHLUSS, STUFE_ABSCHLUSS, schirm::ABSCHLUSS, std::size(schirm::ABSCHLUSS),
     STUFE_FIGUREN, false, 1},
    {STUFE_FIGUREN, STUFE_FIGUREN, schirm::FIGUREN, std::size(schirm::FIGUREN), STUFE_NAMEN, false, 1},
    {STUFE_NAMEN, STUFE_NAMEN, schirm::NAMEN, std::size(schirm::NAMEN), STUFE_RUHE, false, 1000},
};
// While idle (or at a stage that does not exist) the timer ticks on.
constexpr uint32_t RUHE_VERZOEGERUNG = 1000;

// The most jobs of any stage: the size of a stage's job list.
constexpr size_t meiste_schirmauftraege() {
    size_t n = 0;
    for (const Schirmstufe& s : SCHIRM_STUFEN) n = s.anzahl > n ? s.anzahl : n;
    return n;
}

// ---- The drawing of the layers (Windows)
#if defined(_WIN32)

#include <windows.h>

#include "beschriftung.h"
#include "dib.h"
#include "font.h"
#include "himmel.h"
#include "kartenbild.h"
#include "koerper.h"

// A drawing target: a drawing context, the canvas it belongs to (null for a
// printer's or a metafile's context) and the radius of the chart in the
// target's units (the chart is the square of side 2r from the origin).
struct Ziel {
    HDC dc;
    DIB* bild;
    int32_t r;
    int32_t dpi = 96;  // a canvas's screen dots per inch (Karteninhalt::dpi); 96 on a printer
};

// How the stars of a printed chart are filled (render/gestirne.h).
struct Druckstil {
    int32_t einfarbig, invertiert;
    uint32_t rand_farbe;  // 0x00BBGGRR
};

// ---- The layers' drawing functions: each takes the target and what the
// layer itself needs (karte/ebenen.cpp).

// The sky's per-star flags cleared: positions are computed anew from here on.
void lagen_neu(Himmel& himmel);
// The labels of inhalt placed for the target into b (karte/beschriftung.h).
void schilder_setzen(Beschriftung& b, const Ziel& ziel, const Karteninhalt& inhalt);
// The coordinate grid: lines (canvas: GITTER_INDEX; printer: a pen in farbe)
// and their labels in beschriftung and farbe.
void gitter_karte(Himmel& himmel, const Ziel& ziel, const Font& beschriftung, uint32_t farbe);
void gitter_uebersicht(Himmel& himmel, const Ziel& ziel, const Font& beschriftung, uint32_t farbe);
void gitter_druck(Himmel& himmel, const Ziel& ziel, const Font& beschriftung, uint32_t farbe);
// The constellation figures: on a canvas into FIGUREN_INDEX, on a printer
// with a pen of width 2 in farbe.
void figuren_karte(Himmel& himmel, const Ziel& ziel);
void figuren_uebersicht(Himmel& himmel, const Ziel& ziel);
void figuren_druck(Himmel& himmel, const Ziel& ziel, uint32_t farbe);
// The constellation names and the star names, through the context, where
// plan puts them (so do the designations and the bodies' names).
void sternbild_namen_zeichnen(Himmel& himmel, const Ziel& ziel, const Font& schrift, uint32_t farbe,
                              const Schildplan& plan);
void stern_namen_zeichnen(Himmel& himmel, const Ziel& ziel, const Font& schrift, uint32_t farbe,
                          const Schildplan& plan);
// The designations of the highlighted constellations' stars. With
// auswahl_verbergen the constellation last selected under the mouse is hidden
// from the engine for the call: the engine reads the colour 0 as a request to
// label it as well, which only the label click means (it paints a
// switched-off constellation's designations over in the background colour);
// an output in black (a black-on-white printout, a layer colour of black)
// must label the highlighted constellations alone.
void kennungen_zeichnen(Himmel& himmel, const Ziel& ziel, const Font& text, const Font& symbol,
                        uint32_t farbe, bool auswahl_verbergen, const Schildplan& plan);
// The stars: discs of classes klassen on the chart canvas, then the caption
// kartentext ("" none) in kaption; the figure stars on the overview; filled
// circles on a printer.
void gestirne_karte(Himmel& himmel, const Ziel& ziel, Klassen klassen, const Font& kaption,
                    const char* kartentext);
void gestirne_uebersicht(Himmel& himmel, const Ziel& ziel);
void gestirne_druck(Himmel& himmel, const Ziel& ziel, const Druckstil& stil);
// The Sun, the Moon and the planets of lage (null: none) within the field of
// view (karte/koerper_zeichnen.cpp): discs sized by magnitude on the stars'
// scale, the Sun and the Moon at least at their true size, the Moon lit
// toward the Sun; on a canvas in their colour entries (INDEX_KOERPER), on a
// printer filled as the scheme fills the stars. Their names beside them.
void koerper_karte(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage);
void koerper_uebersicht(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage);
void koerper_druck(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage, const Druckstil& stil);
void koerper_namen(Himmel& himmel, const Ziel& ziel, const Koerperlage* lage, const Font& schrift,
                   uint32_t farbe, const Schildplan& plan);

// What a row's adapter hands its layer function: the target and every
// input an output provides; each layer takes from it what its row names.
struct Schichtaufruf {
    Himmel& himmel;
    const Ziel& ziel;
    uint32_t farbe;  // the colour of the row's Ebene as the output colours it
    const Schriften& schriften;
    Klassen klassen;
    const char* kartentext;
    Druckstil druckstil;
    bool auswahl_verbergen;
    const Koerperlage* koerper;  // null: no bodies
    const Karteninhalt& inhalt;  // all of the above as the output lent it: the placement's input
    Beschriftung* beschriftung;  // the labels' plan; null: every label at its own place

    const Schildplan& plan() const { return beschriftung ? beschriftung->plan : ohne_verschiebung(); }
};
using Schichtzeichner = void (*)(const Schichtaufruf& a);

// The drawing of a layer on each kind of target; null: not drawn there.
struct Schichtzeile {
    Schicht schicht;
    Schichtzeichner karte, uebersicht, druck;
};

// One row per layer, in the order of Schicht. The rows name the inputs of
// their layer: the fonts (text: "Arial"; sternbild: its underlined copy for
// the constellation names; symbol: the Greek letters), the colour of its
// settings layer (SCHICHTEN above), the class range, the caption.
inline constexpr Schichtzeile SCHICHT_ZEICHNER[] = {
    {Schicht::LAGEN_NEU,
     [](const Schichtaufruf& a) { lagen_neu(a.himmel); }, nullptr, nullptr},
    // The placement: on the chart canvas and on a printer's context, each
    // measured in its own fonts.
    {Schicht::SCHILDER,
     [](const Schichtaufruf& a) {
         if (a.beschriftung) schilder_setzen(*a.beschriftung, a.ziel, a.inhalt);
     },
     nullptr,
     [](const Schichtaufruf& a) {
         if (a.beschriftung) schilder_setzen(*a.beschriftung, a.ziel, a.inhalt);
     }},
    {Schicht::GITTER,
     [](const Schichtaufruf& a) { gitter_karte(a.himmel, a.ziel, a.schriften.text, a.farbe); },
     [](const Schichtaufruf& a) { gitter_uebersicht(a.himmel, a.ziel, a.schriften.text, a.farbe); },
     [](const Schichtaufruf& a) { gitter_druck(a.himmel, a.ziel, a.schriften.text, a.farbe); }},
    // The figures: the printer's lines with a pen of width 2 (render/figuren.h).
    {Schicht::FIGUREN,
     [](const Schichtaufruf& a) { figuren_karte(a.himmel, a.ziel); },
     [](const Schichtaufruf& a) { figuren_uebersicht(a.himmel, a.ziel); },
     [](const Schichtaufruf& a) { figuren_druck(a.himmel, a.ziel, a.farbe); }},
    {Schicht::STERNBILDNAMEN,
     [](const Schichtaufruf& a) {
         sternbild_namen_zeichnen(a.himmel, a.ziel, a.schriften.sternbild, a.farbe, a.plan());
     },
     nullptr,
     [](const Schichtaufruf& a) {
         sternbild_namen_zeichnen(a.himmel, a.ziel, a.schriften.sternbild, a.farbe, a.plan());
     }},
    {Schicht::STERNNAMEN,
     [](const Schichtaufruf& a) { stern_namen_zeichnen(a.himmel, a.ziel, a.schriften.text, a.farbe, a.plan()); },
     nullptr,
     [](const Schichtaufruf& a) { stern_namen_zeichnen(a.himmel, a.ziel, a.schriften.text, a.farbe, a.plan()); }},
    {Schicht::KENNUNGEN,
     [](const Schichtaufruf& a) {
         kennungen_zeichnen(a.himmel, a.ziel, a.schriften.text, a.schriften.symbol, a.farbe,
                            a.auswahl_verbergen, a.plan());
     },
     nullptr,
     [](const Schichtaufruf& a) {
         kennungen_zeichnen(a.himmel, a.ziel, a.schriften.text, a.schriften.symbol, a.farbe,
                            a.auswahl_verbergen, a.plan());
     }},
    // The stars: the caption goes with them on the chart canvas, in the text
    // font; the printer's own filled circles take the scheme's fill.
    {Schicht::GESTIRNE,
     [](const Schichtaufruf& a) {
         gestirne_karte(a.himmel, a.ziel, a.klassen, a.schriften.text, a.kartentext);
     },
     [](const Schichtaufruf& a) { gestirne_uebersicht(a.himmel, a.ziel); },
     [](const Schichtaufruf& a) { gestirne_druck(a.himmel, a.ziel, a.druckstil); }},
    // The bodies: the stars' scheme fill on a printer; their names in the
    // star names' font and colour, not on the small overview.
    {Schicht::KOERPER,
     [](const Schichtaufruf& a) { koerper_karte(a.himmel, a.ziel, a.koerper); },
     [](const Schichtaufruf& a) { koerper_uebersicht(a.himmel, a.ziel, a.koerper); },
     [](const Schichtaufruf& a) { koerper_druck(a.himmel, a.ziel, a.koerper, a.druckstil); }},
    {Schicht::KOERPERNAMEN,
     [](const Schichtaufruf& a) { koerper_namen(a.himmel, a.ziel, a.koerper, a.schriften.text, a.farbe, a.plan()); },
     nullptr,
     [](const Schichtaufruf& a) { koerper_namen(a.himmel, a.ziel, a.koerper, a.schriften.text, a.farbe, a.plan()); }},
    // Drawn by the main window, which owns the overview pane and its field
    // of view (hauptfenster/); no output but the screen has it.
    {Schicht::MARKEN, nullptr, nullptr, nullptr},
};

constexpr bool zeichner_in_ordnung() {
    if (std::size(SCHICHT_ZEICHNER) != SCHICHT_ANZAHL) return false;
    for (size_t i = 0; i < SCHICHT_ANZAHL; ++i)
        if (static_cast<size_t>(SCHICHT_ZEICHNER[i].schicht) != i) return false;
    return true;
}
static_assert(zeichner_in_ordnung(), "SCHICHT_ZEICHNER holds one row per layer, in the order of Schicht");

constexpr const Schichtzeile& schichtzeile(Schicht s) {
    return SCHICHT_ZEICHNER[static_cast<size_t>(s)];
}

#endif  // _WIN32
