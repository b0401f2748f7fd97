"""Pairs the stars of the Bright Star Catalogue with Hipparcos stars of
kstars' stars.dat by position and magnitude, one to one.

The Bright Star Catalogue splits many close doubles into two entries where
Hipparcos has one, so a plain nearest-neighbour match would hand one star's
data to both components. Here every pair within RADIUS is a candidate when the
magnitudes agree within MAG_SPANNE or the Bayer/Flamsteed designations agree
(variable stars such as Mira differ by magnitudes); the candidates are taken
in order of a cost that weighs one magnitude like three arcseconds, and every
star takes part in at most one pair, so the brighter component of a split
double gets the Hipparcos entry and the fainter one stays unmatched.
"""
import math
from collections import defaultdict

RADIUS = 10.0          # arcseconds; the BSC positions of xplanet carry 0.36 s of time
MAG_SPANNE = 1.0       # magnitudes
BOGENSEKUNDEN_JE_MAG = 3.0


def _vektor(ra, dec):
    a = math.radians(float(ra) * 15.0)
    d = math.radians(float(dec))
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def _abstand(u, v):
    """Angle between two unit vectors in arcseconds (chord formula, exact for small angles)."""
    sehne = math.sqrt(sum((a - b) ** 2 for a, b in zip(u, v)))
    return math.degrees(2.0 * math.asin(min(1.0, sehne / 2.0))) * 3600.0


def _kennungen_bsc(bezeichnung):
    """{("gr", letter, constellation), ("fl", number, constellation)}."""
    sternbild = bezeichnung[7:10]
    ergebnis = set()
    if bezeichnung[3] != " ":
        ergebnis.add(("gr", bezeichnung[3:6].lower(), sternbild))
    if bezeichnung[0:3].strip():
        ergebnis.add(("fl", bezeichnung[0:3].strip(), sternbild))
    return ergebnis


def _kennungen_hip(kennung):
    """kstars writes "alp1Cen" or "61  Cyg" (seven characters)."""
    if len(kennung) != 7:
        return set()
    vorne, sternbild = kennung[0:3], kennung[4:7]
    if vorne.strip().isdigit():
        return {("fl", vorne.strip(), sternbild)}
    return {("gr", vorne.lower(), sternbild)}


def _raster(sterne):
    """Index of stars by tenth of a degree of declination."""
    raster = defaultdict(list)
    for stern in sterne:
        raster[int(math.floor(float(stern.dec) * 10))].append(stern)
    return raster


def _kandidaten(bsc_stern, raster):
    v = _vektor(bsc_stern.ra, bsc_stern.dec)
    zeile = int(math.floor(float(bsc_stern.dec) * 10))
    for nachbar in (zeile - 1, zeile, zeile + 1):
        for hip in raster.get(nachbar, ()):
            abstand = _abstand(v, _vektor(hip.ra, hip.dec))
            if abstand > RADIUS:
                continue
            mag = abs(float(hip.mag) - bsc_stern.helligkeit / 100.0)
            gleich = bool(_kennungen_bsc(bsc_stern.bezeichnung) & _kennungen_hip(hip.kennung))
            if mag <= MAG_SPANNE or gleich:
                yield abstand + BOGENSEKUNDEN_JE_MAG * mag, hip


def paaren(bsc_sterne, hip_sterne):
    """{hr: HipStern} for the stars that found a partner."""
    raster = _raster(hip_sterne)
    paare = []
    for stern in bsc_sterne:
        for kosten, hip in _kandidaten(stern, raster):
            paare.append((kosten, stern.hr, hip.zeile, hip))
    paare.sort(key=lambda p: p[:3])
    ergebnis, vergeben = {}, set()
    for _kosten, hr, zeile, hip in paare:
        if hr not in ergebnis and zeile not in vergeben:
            ergebnis[hr] = hip
            vergeben.add(zeile)
    return ergebnis
