// The settings values as a settings file may hold them, any 32-bit number per
// key (four bytes per key in key order; keys without bytes keep the saver's
// defaults), bounded as reading bounds them, then made into what the saver
// shows: the view of its sky, the layers of a frame and their colours.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "einstellungen.h"
#include "farben.h"
#include "himmel.h"
#include "projektion.h"
#include "pruefe.h"
#include "rahmen.h"
#include "schluessel.h"

namespace {

// The bounded values: each within its range, a value already there kept, a
// colour channel the low byte of what was stored; bounding again changes
// nothing.
void begrenzung_pruefen(const Einstellungen& roh, const Einstellungen& e) {
    for (const Schluessel& s : SCHLUESSEL) {
        const int32_t vorher = feld_von(roh, s), wert = feld_von(e, s);
        pruefe(wert >= s.bereich.minimum && wert <= s.bereich.maximum);
        if (std::strcmp(s.abschnitt, "Farben") == 0) {
            pruefe(wert == (vorher & 0xFF));
        } else if (vorher >= s.bereich.minimum && vorher <= s.bereich.maximum) {
            pruefe(wert == vorher);
        }
    }
    Einstellungen wieder = e;
    einstellungen_begrenzen(wieder);
    pruefe(std::memcmp(&wieder, &e, sizeof e) == 0);
}

// The saver's view (right ascension in hundredths of an hour, the centre at
// the negated declination): the centre counts as inside the square, and of
// the centre, the points half a field away, the poles and four points of the
// equator, whatever counts as inside lands within the picture's corners.
void ansicht_pruefen(const Ansicht& a, int vorschau) {
    const int32_t feld = ansicht_gesichtsfeld(a.gesichtsfeld, vorschau);
    pruefe(feld >= 3 && feld <= (vorschau ? 30 : 180));
    static Himmel h;
    h.setze_rektaszension(a.rek / 100.0);
    h.setze_deklination(-a.dek / 100.0);
    h.setze_gesichtsfeld(feld);
    const int32_t r = vorschau ? 100 : 384;
    const double rand = ECKEN_FAKTOR * r + 1;
    const double halb = feld / 2.0;
    const Vektor3 richtungen[] = {
        h.mitte,
        einheitsvektor(h.rektaszension, h.deklination + halb),
        einheitsvektor(h.rektaszension, h.deklination - halb),
        einheitsvektor(h.rektaszension + halb / 15, h.deklination),
        einheitsvektor(h.rektaszension - halb / 15, h.deklination),
        einheitsvektor(0, 90), einheitsvektor(0, -90), einheitsvektor(6, 0), einheitsvektor(18, 0),
    };
    pruefe(sichtbar_quadrat(h.polar_berechnen(h.mitte).abstand, h.gesichtsfeld));
    for (const Vektor3& v : richtungen) {
        const PolarPos p = h.polar_berechnen(v);
        if (!sichtbar_quadrat(p.abstand, h.gesichtsfeld)) continue;
        const Versatz o = versatz(p.winkel, kartenmassstab(p.abstand, h.gesichtsfeld, r));
        pruefe(std::abs(o.dx) <= rand && std::abs(o.dy) <= rand);
    }
}

// Stars first and last but for the bodies over them; each layer once and
// only when it is drawn; a layer's colour never brighter than the colour it
// is given.
void rahmen_pruefen(const Darstellung& d) {
    const Rahmenschichten r = rahmen_schichten(d);
    const auto& schritte = r.schicht;
    const int32_t n = static_cast<int32_t>(r.anzahl);
    pruefe(n >= 2 && n <= static_cast<int32_t>(r.schicht.size()));
    int32_t sterne_ende = n;
    while (sterne_ende > 2 && (schritte[sterne_ende - 1] == Schicht::KOERPER ||
                               schritte[sterne_ende - 1] == Schicht::KOERPERNAMEN))
        --sterne_ende;
    pruefe(schritte[0] == Schicht::GESTIRNE && schritte[sterne_ende - 1] == Schicht::GESTIRNE);
    const struct {
        Ebene ebene;
        Schicht schritt;
    } ebenen[] = {{STERNBILDER, Schicht::FIGUREN}, {STERNBILDNAMEN, Schicht::STERNBILDNAMEN},
                  {STERNNAMEN, Schicht::STERNNAMEN}, {HILFSLINIEN, Schicht::GITTER}};
    for (const auto& l : ebenen) {
        int32_t mal = 0;
        for (int32_t i = 0; i < n; ++i) mal += schritte[i] == l.schritt;
        pruefe(mal == (sichtbar(d, l.ebene) ? 1 : 0));
        const uint32_t farbe = skalierte_farbe(d, l.ebene), voll = farbwert(d.farbe[l.ebene]);
        for (int kanal = 0; kanal < 24; kanal += 8) {
            pruefe((farbe >> kanal & 0xFF) <= (voll >> kanal & 0xFF));
        }
        pruefe(ebenen_eintrag(d, l.ebene) == (sichtbar(d, l.ebene) ? farbe : farbwert(d.hintergrund)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Einstellungen roh = vorgaben(Programm::SCHONER);
    for (int i = 0; i < SCHLUESSEL_ANZAHL && 4 * (i + 1) <= static_cast<int>(size); ++i) {
        std::memcpy(&feld_von(roh, SCHLUESSEL[i]), data + 4 * i, 4);
    }
    Einstellungen e = roh;
    einstellungen_begrenzen(e);
    begrenzung_pruefen(roh, e);
    ansicht_pruefen(e.ansicht, 0);
    ansicht_pruefen(e.ansicht, 1);
    rahmen_pruefen(e.darstellung);
    return 0;
}
