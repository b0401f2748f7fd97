#include "zeigen/sternbild_klick.h"

#include "beschriftung.h"
#include "zeigen/info_anzeige.h"
#include "zeichnen/plan_ausfuehren.h"

int32_t sternbild_klick(int32_t x, int32_t y, const Kartenbereich& f, DIB* karte_bild,
                        const Karteninhalt& inhalt) {
    Himmel& himmel = inhalt.himmel;
    const int32_t r = f.breite / 2;
    const Schildplan& plan = inhalt.beschriftung ? inhalt.beschriftung->plan : ohne_verschiebung();
    const int32_t dpi = dpi_begrenzt(f.dpi);
    const int32_t b = himmel.sternbild_suchen(x - skaliert(2, dpi), y, r, plan, schildfang(dpi));
    if (b < 0) return -1;
    himmel.sternbild_umschalten(b);
    if (karte_bild) beschriftung_loeschen(*karte_bild, r, inhalt);
    return STUFE_ABSCHLUSS;
}
