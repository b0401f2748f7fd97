"""Checks of the assembled data before it is written: the generator stops
when a figure line ends on the faint star of a close pair, or a star lands
more than ORT_TOLERANZ from its Hipparcos position."""
import abgleich
import doppelsterne
from sterne import HIP_MAG_SPANNE

ORT_TOLERANZ = 3.0     # arcseconds; rounding to 0.1 s and 1'' accounts for under 1''


def hipparcos_orte(hip_paare, hip_sterne, kst_sterne):
    """{hr: unit vector} of the J2000 Hipparcos position of each star's
    stellarium entry: kstars' copy of that entry (within abgleich.RADIUS of
    its stored or its J2000 place, same magnitude within HIP_MAG_SPANNE).
    Stars whose entry kstars lacks or gives another magnitude are left out."""
    raster = abgleich.raster_je_zehntelgrad(kst_sterne)
    ergebnis = {}
    for hr, hip in hip_paare.items():
        eintrag = hip_sterne[hip]
        orte = [eintrag.vektor, eintrag.vorgerueckt]
        zeilen = {abgleich.raster_zeile(v) + d for v in orte for d in (-1, 0, 1)}
        kopien = [(abgleich.naechster_ort(orte, kst), kst.zeile, kst)
                  for z in zeilen for kst in raster.get(z, ())
                  if abs(float(kst.mag) - eintrag.mag) <= HIP_MAG_SPANNE]
        kopien = [k for k in kopien if k[0] <= abgleich.RADIUS]
        if kopien:
            kst = min(kopien, key=lambda k: k[:2])[2]
            ergebnis[hr] = abgleich.vektor(kst.ra, kst.dec)
    return ergebnis


def ferne_orte(sterne, hipparcos):
    """[(hr, arcseconds)] of the stars more than ORT_TOLERANZ from their
    Hipparcos position."""
    fehler = []
    for stern in sterne:
        if stern.nummer in hipparcos:
            bogensekunden = abgleich.abstand(doppelsterne.ort(stern), hipparcos[stern.nummer])
            if bogensekunden > ORT_TOLERANZ:
                fehler.append((stern.nummer, round(bogensekunden, 1)))
    return fehler


def pruefen(sterne, bilder, hipparcos):
    """Raises ValueError naming every fault; bilder as [(abbreviation, lines)]."""
    fehler = ["%s: line end HR %d, HR %d brighter %.1f\" away" % f
              for f in doppelsterne.schwache_linienenden(bilder, sterne)]
    fehler += ["HR %d lies %.1f\" from its Hipparcos position" % f
               for f in ferne_orte(sterne, hipparcos)]
    if fehler:
        raise ValueError("the data fail their checks:\n  " + "\n  ".join(fehler))
