// The sky model: the star catalogue in magnitude classes, the constellations,
// the coordinate grid, the current view and the current selection.
// The rendering engine reads the members directly and writes polar and
// berechnet (each star's polar position is computed once per drawing).
#pragma once

#include <cstdint>
#include <cstdio>

#include "schildplan.h"
#include "stern.h"
#include "sternbild.h"
#include "vektor.h"

constexpr int GITTER_MERIDIANE = 96;  // every 15 minutes of right ascension
constexpr int GITTER_PUNKTE = 181;    // every degree from -90 to +90
constexpr int TEXT_PUFFER = 90;       // bytes of each text buffer, NUL included

// The box around a constellation label's point in which the mouse finds the
// label: pixels either side, above and below (Himmel::sternbild_suchen).
struct Schildfang {
    int32_t quer, oben, unten;
};
constexpr Schildfang SCHILDFANG{16, 9, 1};  // at 96 dots per inch

class Himmel {
public:
    Himmel();
    virtual ~Himmel();
    Himmel(const Himmel&) = delete;
    Himmel& operator=(const Himmel&) = delete;

    // Loaders: 0 done, -1 the file cannot be opened (nothing changed), or
    // a fault of datei_befund.h: the file is damaged and nothing of it is
    // loaded (the stars or constellations held before are gone).
    // Every loaded star has a number 1..9999 (records with another number are
    // skipped), so nummer may index berechnet. A class whose arrays cannot be
    // allocated stays empty. Loading the star file clears berechnet and the
    // selection and sets the ends of all constellation figure lines to -1:
    // load the constellation file again to resolve them in the new catalogue.
    int32_t stern_datei_laden(const char* path);
    // At most 90 entries; more are ignored. Star numbers that are not in the
    // catalogue, or whose position in their class exceeds int16, resolve to -1.
    int32_t sternbild_datei_laden(const char* path);
    // The same from a file the caller opened (binary, seekable: each loader
    // reads it twice) and closes; 0 or a fault of datei_befund.h.
    int32_t sterne_lesen(std::FILE* datei);
    int32_t sternbilder_lesen(std::FILE* datei);
    // Toggles the highlighting of constellation index; returns the new value
    // (0 for an index that is not a loaded constellation).
    int32_t sternbild_umschalten(int32_t index);

    // The view: field of view in degrees, right ascension in hours,
    // declination in degrees.
    void setze_gesichtsfeld(double grad);
    void setze_mitte(double rekt, double dekl);
    void setze_rektaszension(double rekt);
    void setze_deklination(double dekl);
    void west_berechnen();
    // Position of the unit vector s relative to the view centre.
    PolarPos polar_berechnen(const Vektor3& s) const;

    // Hit tests at window pixel (x, y) of the chart square of half side r:
    // the star placed by the last drawing (its berechnet byte 1) within fang
    // pixels, or the constellation label within its box (the pixels either
    // side of its anchor, above and below it), both mapped to pixels by
    // projektion.h exactly as the engine draws them, the label moved as the
    // chart's label placement moved it (a label it left out is not found).
    // The defaults are the sizes at 96 dots per inch (SCHILDFANG); the
    // screen's pointing passes them scaled. Return the star number or
    // constellation index and select it; -1 and clear the selection.
    int32_t stern_suchen(int32_t x, int32_t y, int32_t r, int32_t fang = 1);
    int32_t sternbild_suchen(int32_t x, int32_t y, int32_t r,
                             const Schildplan& plan = ohne_verschiebung(),
                             const Schildfang& fang = SCHILDFANG);

    // Texts of the selected star (art 1..7) and constellation (art 1..3);
    // each returns its own static buffer, overwritten by the next call.
    const char* stern_text(int32_t art) const;
    const char* sternbild_text(int32_t art) const;

    int32_t anzahl[KLASSEN];
    // Per class: anzahl[k] entries each (may be null when the class is empty).
    SternSatz* stern_saetze[KLASSEN];
    Vektor3* vektoren[KLASSEN];
    PolarPos* polar[KLASSEN];  // abstand -1 (never visible) until computed
    uint8_t berechnet[STERN_NUMMERN];  // by star number: polar computed this drawing
    int32_t sternbild_anzahl;
    SternbildSatz* sternbilder;
    // Meridian i at i * 0.25 hours; entry e at declination e - 90 degrees.
    Vektor3* gitter[GITTER_MERIDIANE];
    double gesichtsfeld;   // radians, across the full width of the chart
    double rektaszension;  // hours
    double deklination;    // degrees
    Vektor3 mitte;
    Vektor3 west;
    int32_t wahl_klasse;
    int32_t wahl_index;
    int32_t wahl_sternbild;

private:
    void klasse_freigeben(int k);
    void sterne_freigeben();
    void sternbilder_freigeben();
    void figuren_loesen();
    const SternSatz* gewaehlter_stern() const;
    const SternbildSatz* gewaehltes_sternbild() const;
};

// The character that shows the Greek letter of a three-letter abbreviation
// in the Symbol typeface; lowers the case of abk[0] in place.
char griechisch(char* abk);
