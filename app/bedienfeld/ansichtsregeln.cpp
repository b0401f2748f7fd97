#include "bedienfeld/ansichtsregeln.h"

#include "bedienfeld/leistenregel.h"

void himmel_ausrichten(Himmel& himmel, const Ansicht& a) {
    himmel.setze_rektaszension(a.rek / 100.0);
    himmel.setze_deklination(leisten_wert(DEKL_REGEL, a.dek) / 100.0);
    himmel.setze_gesichtsfeld(a.gesichtsfeld);
}
