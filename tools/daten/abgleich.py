"""Joins the stars of the Bright Star Catalogue to the Hipparcos stars of the
other sources, one to one, so that no catalogue star takes another star's
data.

Two joins, each strict:

- To stellarium's Hipparcos stars by HIP number: a pair is a candidate only
  when stellarium's cross-identification lists the HR number under the HIP
  number, the positions agree within HIP_RADIUS plus the way the star moves
  between the Hipparcos epoch and J2000, and the magnitudes within
  MAG_SPANNE (widened by the range of a variable star that the GCVS lists).
  cross-id.dat alone joins some stars to the wrong entry (HR 4443 and 4444
  to a star 72 degrees away, the faint HR 1851 to Mintaka, kappa1 and
  kappa2 CrA each to the other's entry, 21 arcseconds away).
- To kstars' stars.dat by position: every pair within RADIUS of the
  catalogue's position, or of the star's stellarium entry, is a candidate
  when the magnitudes agree within MAG_SPANNE, or the Bayer/Flamsteed
  designations agree, or the star is a variable whose range covers the
  difference (Mira, T CrB); a pair whose designations contradict each other
  is none. The stellarium entry finds the partner of the few stars whose
  catalogue position is more than RADIUS off (61 Cyg A, HR 858).

In both, the candidates are taken in order of a cost that weighs one
magnitude like three arcseconds, and every star takes part in at most one
pair. Where the catalogue splits a close double that Hipparcos keeps as one
star, the brighter component gets the Hipparcos entry and the fainter one
stays unmatched.
"""
import math
from collections import defaultdict

from stellarium import JAHRE_BIS_J2000

RADIUS = 10.0          # arcseconds; the BSC positions of xplanet carry 0.36 s of time
# Between the catalogue's J2000 position and stellarium's: the catalogue's
# own errors (up to 11 arcseconds), plus the star's motion over the 8.75
# years to the Hipparcos epoch 1991.25, at which stellarium stores a few
# fast stars (Groombridge 1830, 7 arcseconds a year).
HIP_RADIUS = 15.0      # arcseconds
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


def hip_radius(eintrag):
    return HIP_RADIUS + eintrag.eigenbewegung * JAHRE_BIS_J2000


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
            if bogensekunden <= hip_radius(hip_sterne[hip]) and mag <= MAG_SPANNE + spielraum:
                kandidaten.append((_kosten(bogensekunden, mag, spielraum), stern.hr, hip, hip))
    return _paare_waehlen(kandidaten)


def raster_je_zehntelgrad(sterne):
    """Index of stars by tenth of a degree of declination."""
    raster = defaultdict(list)
    for stern in sterne:
        raster[int(math.floor(float(stern.dec) * 10))].append(stern)
    return raster


def raster_zeile(v):
    """The raster row of a unit vector."""
    return int(math.floor(math.degrees(math.asin(max(-1.0, min(1.0, v[2])))) * 10))


def naechster_ort(orte, kst):
    """Arcseconds from the nearest of the given places to the kstars star."""
    v = vektor(kst.ra, kst.dec)
    return min(abstand(ort, v) for ort in orte)


def _kstars_kandidaten(bsc_stern, raster, spielraum, orte):
    """(cost, kstars star) of the partners within RADIUS of one of the places."""
    eigene = _kennungen_bsc(bsc_stern.bezeichnung)
    zeilen = {raster_zeile(ort) + d for ort in orte for d in (-1, 0, 1)}
    for nachbar in sorted(zeilen):
        for kst in raster.get(nachbar, ()):
            bogensekunden = naechster_ort(orte, kst)
            if bogensekunden > RADIUS:
                continue
            fremde = _kennungen_kstars(kst.kennung)
            if eigene and fremde and not eigene & fremde:
                continue
            mag = abs(float(kst.mag) - bsc_stern.helligkeit / 100.0)
            if mag <= MAG_SPANNE + spielraum or eigene & fremde:
                yield _kosten(bogensekunden, mag, spielraum), kst


def kstars_paaren(bsc_sterne, kst_sterne, spielraeume, hip_eintraege):
    """{hr: kstars star} for the stars that found a partner; spielraeume gives
    the range of the variable stars by HR number, hip_eintraege the
    stellarium entries of the stars joined to a HIP number. A star without a
    partner near its catalogue position looks, in a second round, near its
    stellarium entry (stored and moved on to J2000) among the kstars stars
    left over."""
    raster = raster_je_zehntelgrad(kst_sterne)
    kandidaten = []
    for stern in bsc_sterne:
        for kosten, kst in _kstars_kandidaten(stern, raster, spielraeume.get(stern.hr, 0.0),
                                              [vektor(stern.ra, stern.dec)]):
            kandidaten.append((kosten, stern.hr, kst.zeile, kst))
    paare = _paare_waehlen(kandidaten)
    vergeben = {kst.zeile for kst in paare.values()}
    kandidaten = []
    for stern in bsc_sterne:
        eintrag = hip_eintraege.get(stern.hr)
        if stern.hr in paare or eintrag is None:
            continue
        for kosten, kst in _kstars_kandidaten(stern, raster, spielraeume.get(stern.hr, 0.0),
                                              [eintrag.vektor, eintrag.vorgerueckt]):
            if kst.zeile not in vergeben:
                kandidaten.append((kosten, stern.hr, kst.zeile, kst))
    paare.update(_paare_waehlen(kandidaten))
    return paare
