// The sky model: the star catalogue in magnitude classes, the constellations,
// the coordinate grid, the current view and the current selection.
// The rendering engine reads the members directly and writes polar and
// berechnet (each star's polar position is computed once per drawing).
#pragma once

#include <cstdint>

#include "stern.h"
#include "sternbild.h"
#include "vektor.h"

constexpr int GITTER_MERIDIANE = 96;  // every 15 minutes of right ascension
constexpr int GITTER_PUNKTE = 181;    // every degree from -90 to +90

class Himmel {
public:
    Himmel();
    virtual ~Himmel();
    Himmel(const Himmel&) = delete;
    Himmel& operator=(const Himmel&) = delete;

    // Loaders: 0 done, -1 the file cannot be opened (nothing changed).
    int32_t stern_datei_laden(const char* path);
    int32_t sternbild_datei_laden(const char* path);
    // Toggles the highlighting of constellation index; returns the new value.
    int32_t sternbild_umschalten(int32_t index);

    // The view: field of view in degrees, right ascension in hours,
    // declination in degrees.
    void setze_gesichtsfeld(double grad);
    void setze_mitte(double rekt, double dekl);
    void setze_rektaszension(double rekt);
    void setze_deklination(double dekl);
    void west_berechnen();
    PolarPos polar_berechnen(const Vektor3& s) const;

    // Hit tests at pixel (x, y) of the chart square of half side r.
    int32_t stern_suchen(int32_t x, int32_t y, int32_t r);
    int32_t sternbild_suchen(int32_t x, int32_t y, int32_t r);

    // Texts of the selected star (art 1..7) and constellation (art 1..3);
    // each returns its own static buffer, overwritten by the next call.
    const char* stern_text(int32_t art) const;
    const char* sternbild_text(int32_t art) const;

    int32_t anzahl[KLASSEN];
    SternSatz* stern_saetze[KLASSEN];
    Vektor3* vektoren[KLASSEN];
    PolarPos* polar[KLASSEN];
    uint8_t berechnet[STERN_NUMMERN];
    int32_t sternbild_anzahl;
    SternbildSatz* sternbilder;
    Vektor3* gitter[GITTER_MERIDIANE];
    double gesichtsfeld;   // radians, across the full width of the chart
    double rektaszension;  // hours
    double deklination;    // degrees
    Vektor3 mitte;
    Vektor3 west;
    int32_t wahl_klasse;
    int32_t wahl_index;
    int32_t wahl_sternbild;
};

// The character that shows the Greek letter of a three-letter abbreviation
// in the Symbol typeface; lowers the case of abk[0] in place.
char griechisch(char* abk);
