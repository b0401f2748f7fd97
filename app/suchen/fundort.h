// Where a find of the search stands at the chart's moment: its direction in
// the catalogue's frame, and the search dialog's line about the horizon.
#pragma once

#include <cstddef>

#include "himmelssuche.h"
#include "koerper.h"
#include "moment.h"

// The J2000 direction of fund (a star's catalogue place, a constellation's
// label point, a body's place in lage): rekt hours, dekl degrees; false when
// it names nothing loaded (or a body without lage).
bool fund_richtung(const Himmel& himmel, const Koerperlage* lage, const Fund& fund, double& rekt,
                   double& dekl);

// True when the direction stands above the horizon of the chart, whose
// centre is the zenith of its moment.
bool ueber_horizont(const Himmel& himmel, double rekt, double dekl);

// The dialog's line (UTF-8) about fund: above the horizon, in the chart or
// beyond it; or below, with the civil times it rises and sets on the
// moment's day at the moment's place (of zonen); or that it stays below all
// that day.
void horizont_zeile(const Himmel& himmel, const Koerperlage* lage, const Fund& fund, bool in_karte,
                    const Zonen& zonen, const Moment& moment, char* zeile, size_t groesse);
