#include "bedienfeld/ansichtsregeln.h"

#include "quadrat.h"  // ansicht_deklination, the saver's rule as well

void himmel_ausrichten(Himmel& himmel, const Ansicht& a) {
    himmel.setze_rektaszension(a.rek / 100.0);
    himmel.setze_deklination(ansicht_deklination(a.dek));
    himmel.setze_gesichtsfeld(a.gesichtsfeld);
}
