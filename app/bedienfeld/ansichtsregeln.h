// The view of a settings file as the panel takes it: the moment it stands
// for and the sky turned to it. Its values are held to the controls' ranges
// by reading already (einstellungen_begrenzen, settings/), the one rule for
// the bars and the files. The main window and the command line start from
// the same view and centre their charts by the same rule.
#pragma once

#include "bedienfeld/orte.h"
#include "einstellungen.h"
#include "himmel.h"
#include "moment.h"
#include "zonen.h"

// Sets the sky's field of view and its centre: by the moment's rule
// (REGEL_MOMENT) the zenith of moment in J2000; by the original rule, or
// when moment is none, the view's right ascension and declination as the
// bars hold them (the local sidereal time and the latitude).
void himmel_ausrichten(Himmel& himmel, const Ansicht& ansicht, const Zonen& zonen,
                       const Moment& moment, int32_t regel);

// The place of a settings file's moment: latitude from the view's
// declination; longitude and zone from place ort of orte when there is one,
// else from the file's "Laenge" and "Zone" (a zone not in zonen: the zone of
// the longitude's meridian).
Standort standort_aus(const Einstellungen& e, const Orte& orte, const Zonen& zonen);

// The moment a settings file holds, at standort, in the year jahr where the
// file keeps no date: its "Datum" and "Uhrzeit" when both exist; else (a
// file of the 26 keys) the day and hour of the view's lists in jahr, which
// by the moment's rule then move as the right-ascension bar would to the
// view's right ascension, so that the file shows the view it always did.
Moment moment_aus(const Einstellungen& e, const Standort& standort, const Zonen& zonen, int32_t jahr);

// The moment's numbers and zone name in e, as the settings keep them.
void moment_eintragen(Einstellungen& e, const Moment& moment, const Zonen& zonen);
