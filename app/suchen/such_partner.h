// What the search dialog asks of the window it searches for: the sky to
// search, and what happens to the object found. The lines it writes are
// UTF-8 (the dialog's line is a Unicode window).
#pragma once

#include <cstddef>

#include "himmelssuche.h"

class Such_Partner {
public:
    virtual ~Such_Partner() = default;
    virtual const Himmel& such_himmel() const = 0;
    // Marks fund in the chart and the overview, opens its popup when it
    // stands in the chart, and writes into zeile where it stands.
    virtual void fund_zeigen(const Fund& fund, char* zeile, size_t groesse) = 0;
    // Turns the view to fund when it stands above the horizon at the
    // chart's moment, then as fund_zeigen; below it the view stays and zeile
    // says when it rises and sets.
    virtual void fund_zentrieren(const Fund& fund, char* zeile, size_t groesse) = 0;
    // The dialog closed: the mark goes.
    virtual void suche_beendet() = 0;
};
