#include "flaeche.h"

Flaeche schoner_flaeche(const Bildschirmmasse& masse) {
    if (masse.virtuell.breite > 0 && masse.virtuell.hoehe > 0) return masse.virtuell;
    return Flaeche{0, 0, masse.primaer_breite, masse.primaer_hoehe};
}
