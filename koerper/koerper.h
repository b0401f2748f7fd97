// The Sun, the Moon and the planets Mercury to Neptune at a moment, as the
// chart shows them among the catalogue's stars.
//
// Every direction is astrometric J2000 (GCRS, the catalogue's frame): the
// geometric place of the body when its light left it (light time), seen
// from the centre of the Earth, with neither aberration nor light deflection.
// That is what the catalogue's positions and the chart's zenith are, so a
// body stands among the stars as an observer sees it relative to them
// (aberration shifts stars and bodies alike by up to 20.5"). The Moon alone
// is topocentric: from the place on the Earth's surface (WGS84, height 0),
// since its parallax reaches a degree.
#pragma once

#include <cstdint>

#include "zeitskalen.h"

constexpr int32_t KOERPER_OK = 0;
// A place outside -90..90 degrees latitude or -180..180 longitude, a body
// index outside 0..KOERPER_ANZAHL-1, or a day length that is no day's.
constexpr int32_t KOERPER_BEREICH = -1;
// ERFA reported an error or warning (it never should for 1800..2200).
constexpr int32_t KOERPER_ERFA = -2;

// The order of the bodies in Koerperlage; the planets in ERFA's order.
enum KoerperArt : int32_t {
    SONNE = 0,
    MOND,
    MERKUR,
    VENUS,
    MARS,
    JUPITER,
    SATURN,
    URANUS,
    NEPTUN,
    KOERPER_ANZAHL
};

// Kilometres of one astronomical unit (IAU 2012).
constexpr double AE_KM = 149597870.7;

struct Koerper {
    double rekt;          // right ascension, hours [0, 24), astrometric J2000
    double dekl;          // declination, degrees -90..90
    double abstand;       // from the observer, AU (the Moon's: times AE_KM for km)
    double sonnenabstand; // from the Sun, AU (the Sun: 0)
    double phasenwinkel;  // Sun-body-observer angle, degrees 0..180 (the Sun: 0)
    double beleuchtet;    // illuminated part of the disc, 0..1 (the Sun: 1)
    double hellrand;      // position angle of the bright limb's midpoint, degrees
                          // [0, 360) from north through east (the Sun: 0)
    double durchmesser;   // apparent diameter, degrees (equatorial for the planets)
    double helligkeit;    // visual magnitude V
};

// All bodies of one moment, indexed by KoerperArt.
struct Koerperlage {
    Koerper koerper[KOERPER_ANZAHL];
};

// The bodies at the moment skalen (TT stands for TDB: they differ by 1.7 ms at
// most) for the place at breite (degrees north, -90..90), laenge (degrees
// east, -180..180). Once per moment, not per frame. KOERPER_OK and lage
// filled; KOERPER_BEREICH, KOERPER_ERFA (lage unchanged).
int32_t koerper_berechnen(const Zeitskalen& skalen, double breite, double laenge,
                          Koerperlage& lage);

// The German name ("Sonne", "Mond", "Merkur", ..., "Neptun"); "" outside
// 0..KOERPER_ANZAHL-1.
const char* koerper_name(int32_t art);
