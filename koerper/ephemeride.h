// Where the bodies are: ERFA's Earth (eraEpv00), planets (eraPlan94) and Moon
// (eraMoon98), with light time, as vectors in GCRS (J2000 equator and
// equinox, within ERFA's 23 mas frame bias) in astronomical units.
#pragma once

#include <cstdint>

#include "koerper.h"

// The Earth at one TT: heliocentric and barycentric position (AU) and
// velocity (AU/day).
struct Erde {
    double helio[2][3];
    double bary[2][3];
};

// A body's place.
struct Ort {
    double geo[3];    // observer -> body when its light left it, AU (astrometric)
    double helio[3];  // Sun -> body at that time, AU (the Sun: 0)
};

// eraEpv00's warning outside 1900..2100 is no error here: its errors there
// grow to about twice their 1900..2100 size by 1800 and 2200, still a few
// milliarcseconds in direction.
void erde_berechnen(double tt1, double tt2, Erde& erde);

// The astrometric place of body art at TT tt1 + tt2 (days) seen from
// beobachter (the observer relative to the Earth's centre, GCRS, AU; zeros
// for the geocentre): the body where it was when the light now arriving left
// it, relative to where the observer is now, in the barycentric frame (so
// that aberration, which is not applied, would shift it exactly as it shifts
// the stars). KOERPER_OK; KOERPER_BEREICH for art outside the bodies;
// KOERPER_ERFA when eraPlan94 warns.
int32_t ort_berechnen(int32_t art, double tt1, double tt2, const Erde& erde,
                      const double beobachter[3], Ort& ort);

// The length of a vector.
double betrag(const double v[3]);

// The place at breite (degrees north), laenge (degrees east), height 0 on
// WGS84, relative to the Earth's centre in GCRS, AU, at the moment skalen.
void beobachter_gcrs(const Zeitskalen& skalen, double breite, double laenge, double ort[3]);
