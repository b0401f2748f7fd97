"""Assembles the constellations: abbreviation, Latin and German name, label
point and figure lines between HR numbers.

Figures and label points are kstars' "Western" ones. Its figures name their
stars by HD number, which the Bright Star Catalogue carries as well, so every
line end is joined to its catalogue star by number, not by position. kstars
splits Serpens into Caput and Cauda; here it is one constellation, labelled
at the head (the larger part, whose centre lies in Serpens itself, unlike the
midpoint of the two parts, which lies in Ophiuchus).

kstars' figures of a few constellations are bare outlines (Canis Major
without head and legs, Caelum a single line); those are taken whole from
stellarium's Western figures instead, whose ends are HIP numbers, joined to
the catalogue through the strict HR-HIP pairs.

Where a figure names the fainter star of a close pair (beta2 instead of
beta1 Cygni, Albireo), the line ends on the brighter one, which the chart
draws at the same place.
"""
from dataclasses import dataclass
from decimal import Decimal

import doppelsterne
from deutsche_namen import DEUTSCH

# kstars' abbreviations of the two parts of Serpens -> the IAU one.
TEILE = {"SCp": "Ser", "SCd": "Ser"}
BESCHRIFTET = "SCp"

# Constellations whose figure comes from stellarium.
AUS_STELLARIUM = ("CMa", "Lep", "Nor", "Car", "Pav", "Cae", "Cir", "LMi", "CrA")


@dataclass
class Sternbild:
    abk: str
    name: str             # Latin
    deutsch: str
    ra: Decimal           # label point, hours
    dec: Decimal          # label point, degrees
    linien: list          # [(hr a, hr b)]


def _schluessel(name):
    return name.upper().replace(" ", "")


def _hr_je_hd(bsc_sterne):
    ergebnis = {}
    for stern in bsc_sterne:
        if stern.hd:
            if stern.hd in ergebnis:
                raise ValueError("HD %d names two catalogue stars" % stern.hd)
            ergebnis[stern.hd] = stern.hr
    return ergebnis


def _hinzufuegen(linien, linie):
    if linie[0] != linie[1] and linie not in linien and linie[::-1] not in linien:
        linien.append(linie)


def _linien_je_abk(kst_linien, kst_namen, hr_je_hd):
    abk_je_name = {_schluessel(name): abk for abk, name, _ra, _dec in kst_namen}
    ergebnis = {}
    for kopf, paare in kst_linien:
        abk = TEILE.get(abk_je_name[_schluessel(kopf)], abk_je_name[_schluessel(kopf)])
        linien = ergebnis.setdefault(abk, [])
        for hd_a, hd_b in paare:
            _hinzufuegen(linien, (hr_je_hd[hd_a], hr_je_hd[hd_b]))
    return ergebnis


def _stellarium_linien(figur, hr_je_hip):
    linien = []
    for hip_a, hip_b in figur:
        for hip in (hip_a, hip_b):
            if hip not in hr_je_hip:
                raise ValueError("figure end HIP %d is no catalogue star" % hip)
        _hinzufuegen(linien, (hr_je_hip[hip_a], hr_je_hip[hip_b]))
    return linien


def _auf_hellste(linien, je_hr, nachbarn):
    """The lines with every end on the brightest star of its close pair."""
    ergebnis = []
    for a, b in linien:
        _hinzufuegen(ergebnis, tuple(doppelsterne.hellste_komponente(hr, je_hr, nachbarn)
                                     for hr in (a, b)))
    return ergebnis


def zusammenstellen(bsc_sterne, kst_linien, kst_namen, stel_figuren, hip_paare, sterne):
    """sterne: the star list (positions and magnitudes as written)."""
    linien = _linien_je_abk(kst_linien, kst_namen, _hr_je_hd(bsc_sterne))
    hr_je_hip = {hip: hr for hr, hip in hip_paare.items()}
    for abk in AUS_STELLARIUM:
        linien[abk] = _stellarium_linien(stel_figuren[abk], hr_je_hip)
    je_hr, nachbarn = {s.nummer: s for s in sterne}, doppelsterne.hellste_nachbarn(sterne)
    linien = {abk: _auf_hellste(l, je_hr, nachbarn) for abk, l in linien.items()}
    bilder = []
    for abk, name, ra, dec in kst_namen:
        if abk in TEILE and abk != BESCHRIFTET:
            continue
        abk = TEILE.get(abk, abk)
        latein = name.split()[0].title() if abk == "Ser" else name.title()
        bilder.append(Sternbild(abk, latein, DEUTSCH[abk], ra, dec, linien.get(abk, [])))
    return bilder
