"""Close pairs of catalogue stars: where a figure names one star of a double
that the chart draws as one point, its line ends on the brightest one."""
import math
from collections import defaultdict
from decimal import Decimal

import abgleich

# Arcseconds: the stars of a double that a chart at its finest field (3
# degrees) draws within a few pixels of each other.
PAAR_RADIUS = 90.0
# Magnitude x 100: a star brighter by less counts as equally bright, and the
# figure keeps the star its source names (nu1 and nu2 Draconis, 0.01 apart).
MERKLICH_HELLER = 10
# Magnitude x 100: a line end is wrong when a star this much brighter lies
# within PAAR_RADIUS (equal pairs such as zeta Aquarii or nu Draconis pass).
GLEICH_HELL = 50


def ort(stern):
    """Unit vector of a star of the list (tenths of a second, arcseconds)."""
    return abgleich.vektor(Decimal(stern.ra_zs) / 36000, Decimal(stern.dec_bs) / 3600)


def hellste_nachbarn(sterne):
    """{hr: (brightest other star within PAAR_RADIUS, arcseconds)} for the
    stars that have a brighter one that near."""
    zeilen = defaultdict(list)
    for stern in sterne:
        zeilen[math.floor(stern.dec_bs / 360)].append((stern, ort(stern)))
    ergebnis = {}
    for zeile, eintraege in zeilen.items():
        nahe = [e for z in (zeile - 1, zeile, zeile + 1) for e in zeilen.get(z, ())]
        for stern, v in eintraege:
            for anderer, w in nahe:
                if anderer.helligkeit >= stern.helligkeit:
                    continue
                bogensekunden = abgleich.abstand(v, w)
                bisher = ergebnis.get(stern.nummer)
                if bogensekunden <= PAAR_RADIUS and (bisher is None or anderer.helligkeit < bisher[0].helligkeit):
                    ergebnis[stern.nummer] = (anderer, bogensekunden)
    return ergebnis


def hellste_komponente(hr, sterne_je_hr, nachbarn):
    """The star a line end at hr should use: the brightest of its pair where
    that is noticeably brighter, else hr itself."""
    if hr not in nachbarn:
        return hr
    heller, _bogensekunden = nachbarn[hr]
    return heller.nummer if sterne_je_hr[hr].helligkeit - heller.helligkeit >= MERKLICH_HELLER else hr


def schwache_linienenden(bilder, sterne):
    """[(abbreviation, hr, brighter hr, arcseconds)] of the line ends that
    sit on the faint star of a pair."""
    nachbarn = hellste_nachbarn(sterne)
    helligkeit = {s.nummer: s.helligkeit for s in sterne}
    fehler = []
    for abk, linien in bilder:
        for hr in sorted({hr for linie in linien for hr in linie}):
            if hr in nachbarn:
                heller, bogensekunden = nachbarn[hr]
                if helligkeit[hr] - heller.helligkeit > GLEICH_HELL:
                    fehler.append((abk, hr, heller.nummer, round(bogensekunden, 1)))
    return fehler
