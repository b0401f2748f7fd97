"""Joins the stars of the Bright Star Catalogue to the Hipparcos stars of the
other sources, one to one, so that no catalogue star takes another star's
data.

Two joins, each strict:

- To stellarium's Hipparcos stars by HIP number: a pair is a candidate only
  when stellarium's cross-identification lists the HR number under the HIP
  number, the positions agree within HIP_RADIUS and the magnitudes within
  MAG_SPANNE (widened by the range of a variable star that the GCVS lists).
  cross-id.dat alone joins some stars to the wrong entry (HR 4443 and 4444
  to a star 72 degrees away, the faint HR 1851 to Mintaka).
- To kstars' stars.dat by position: every pair within RADIUS is a candidate
  when the magnitudes agree within MAG_SPANNE, or the Bayer/Flamsteed
  designations agree, or the star is a variable whose range covers the
  difference (Mira, T CrB); a pair whose designations contradict each other
  is none.

In both, the candidates are taken in order of a cost that weighs one
magnitude like three arcseconds, and every star takes part in at most one
pair. Where the catalogue splits a close double that Hipparcos keeps as one
star, the brighter component gets the Hipparcos entry and the fainter one
stays unmatched.
"""
import math
from collections import defaultdict

RADIUS = 10.0          # arcseconds; the BSC positions of xplanet carry 0.36 s of time
# stellarium's positions are at the Hipparcos epoch 1991.25: fast stars
# (Groombridge 1830, 7 arcseconds a year) lie up to a minute from J2000.
HIP_RADIUS = 60.0      # arcseconds
MAG_SPANNE = 1.0       # magnitudes
BOGENSEKUNDEN_JE_MAG = 3.0


def vektor(ra, dec):
    a = math.radians(float(ra) * 15.0)
    d = math.radians(float(dec))
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def abstand(u, v):
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


GRIECHISCH = {"alp", "bet", "gam", "del", "eps", "zet", "eta", "the", "iot", "kap", "lam",
              "mu ", "nu ", "xi ", "omi", "pi ", "rho", "sig", "tau", "ups", "phi", "chi",
              "psi", "ome"}


def _kennungen_kstars(kennung):
    """kstars writes "alp1Cen" or "61  Cyg" (seven characters); its other
    forms ("R   Lyr", ".a  Ori") are no Bayer or Flamsteed designations."""
    if len(kennung) != 7:
        return set()
    vorne, sternbild = kennung[0:3], kennung[4:7]
    if vorne.strip().isdigit():
        return {("fl", vorne.strip(), sternbild)}
    if vorne.lower() in GRIECHISCH:
        return {("gr", vorne.lower(), sternbild)}
    return set()


def _paare_waehlen(kandidaten):
    """{a: b} from (cost, a, b key, b) candidates, cheapest first, one to one."""
    kandidaten.sort(key=lambda k: k[:3])
    ergebnis, vergeben = {}, set()
    for _kosten, a, schluessel, b in kandidaten:
        if a not in ergebnis and schluessel not in vergeben:
            ergebnis[a] = b
            vergeben.add(schluessel)
    return ergebnis


def schwankung(veraenderlicher):
    """Range in magnitudes of a GCVS entry, 0 without one."""
    if veraenderlicher is None or veraenderlicher.minimum is None:
        return 0.0
    return veraenderlicher.minimum - veraenderlicher.maximum


def _kosten(bogensekunden, mag, spielraum):
    return bogensekunden + BOGENSEKUNDEN_JE_MAG * max(0.0, mag - spielraum)


def hip_paaren(bsc_sterne, hip_sterne, kreuz, veraenderliche):
    """{hr: hip} for the catalogue stars whose HIP number holds."""
    kandidaten = []
    for stern in bsc_sterne:
        v = vektor(stern.ra, stern.dec)
        for hip in kreuz.get(stern.hr, ()):
            if hip not in hip_sterne:
                continue
            bogensekunden = abstand(v, hip_sterne[hip].vektor)
            mag = abs(hip_sterne[hip].mag - stern.helligkeit / 100.0)
            spielraum = schwankung(veraenderliche.get(hip))
            if bogensekunden <= HIP_RADIUS and mag <= MAG_SPANNE + spielraum:
                kandidaten.append((_kosten(bogensekunden, mag, spielraum), stern.hr, hip, hip))
    return _paare_waehlen(kandidaten)


def _raster(sterne):
    """Index of stars by tenth of a degree of declination."""
    raster = defaultdict(list)
    for stern in sterne:
        raster[int(math.floor(float(stern.dec) * 10))].append(stern)
    return raster


def _kstars_kandidaten(bsc_stern, raster, spielraum):
    v = vektor(bsc_stern.ra, bsc_stern.dec)
    zeile = int(math.floor(float(bsc_stern.dec) * 10))
    eigene = _kennungen_bsc(bsc_stern.bezeichnung)
    for nachbar in (zeile - 1, zeile, zeile + 1):
        for kst in raster.get(nachbar, ()):
            bogensekunden = abstand(v, vektor(kst.ra, kst.dec))
            if bogensekunden > RADIUS:
                continue
            fremde = _kennungen_kstars(kst.kennung)
            if eigene and fremde and not eigene & fremde:
                continue
            mag = abs(float(kst.mag) - bsc_stern.helligkeit / 100.0)
            if mag <= MAG_SPANNE + spielraum or eigene & fremde:
                yield _kosten(bogensekunden, mag, spielraum), kst


def kstars_paaren(bsc_sterne, kst_sterne, spielraeume):
    """{hr: kstars star} for the stars that found a partner; spielraeume gives
    the range of the variable stars by HR number."""
    raster = _raster(kst_sterne)
    kandidaten = []
    for stern in bsc_sterne:
        for kosten, kst in _kstars_kandidaten(stern, raster, spielraeume.get(stern.hr, 0.0)):
            kandidaten.append((kosten, stern.hr, kst.zeile, kst))
    return _paare_waehlen(kandidaten)
