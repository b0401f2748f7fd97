"""Readers of the Yale Bright Star Catalogue: the list of stars as xplanet
ships it (stars/BSC), and the spectral types from the full catalogue as the
yale package ships it (catalog.dat).

Each data line: declination and right ascension (J2000, decimal degrees and
decimal hours, four decimals), visual magnitude, the ten-character BSC name in
quotes (Flamsteed number, Greek letter, index, constellation), HR, HD and SAO
numbers. The 14 HR numbers that the catalogue retired (novae, clusters) have
no line.
"""
import re
from dataclasses import dataclass
from decimal import Decimal

_ZEILE = re.compile(r'\s*(\S+)\s+(\S+)\s+(\S+)\s+"(.{10})"\s+(\d+)\s+(\d+)\s+(\d+)\s*$')


@dataclass
class BscStern:
    hr: int
    bezeichnung: str      # ten characters, as in the catalogue
    ra: Decimal           # hours
    dec: Decimal          # degrees
    helligkeit: int       # visual magnitude x 100
    hd: int               # 0 when none


def lesen(pfad):
    sterne = []
    with open(pfad, encoding="ascii") as datei:
        for zeile in datei:
            if zeile.startswith("#") or not zeile.strip():
                continue
            teile = _ZEILE.match(zeile)
            if not teile:
                raise ValueError("%s: unreadable line %r" % (pfad, zeile))
            dec, ra, mag, name, hr, hd, _sao = teile.groups()
            sterne.append(BscStern(int(hr), name, Decimal(ra), Decimal(dec),
                                   int(Decimal(mag) * 100), int(hd)))
    return sterne


def spektren_lesen(pfad, sterne):
    """catalog.dat, fixed columns: HR at 1-4, name at 5-14, spectral type at
    128-147 -> {hr: spectral type}, "" where the catalogue gives none. The
    names must agree with those of the star list: both are one catalogue."""
    namen = {s.hr: s.bezeichnung for s in sterne}
    typen = {}
    with open(pfad, encoding="ascii") as datei:
        for zeile in datei:
            hr = int(zeile[0:4])
            if hr in namen:
                if zeile[4:14] != namen[hr]:
                    raise ValueError("%s: HR %d is %r here, %r in the star list"
                                     % (pfad, hr, zeile[4:14], namen[hr]))
                typen[hr] = zeile[127:147].strip()
    if len(typen) != len(namen):
        raise ValueError("%s lacks %d stars of the star list" % (pfad, len(namen) - len(typen)))
    return typen
