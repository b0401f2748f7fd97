"""Readers of the stellarium-data files: the HIP/HD/HR cross-identification,
the Hipparcos stars (position, magnitude, full spectral type), the variable
stars, and the star names and figures of the Western sky culture."""
import math
import re
import struct
from collections import defaultdict
from dataclasses import dataclass

import himmelsnetz

# References of star_names.fab that stand for names approved by the IAU
# (catalogue of star names, "Naming Stars", NameExoWorlds 2019).
IAU_QUELLEN = {"6", "12", "36"}


def kreuz_lesen(pfad):
    """cross-id.dat (HIP, component, SAO, HD, HR, tab-separated) -> {hr: [hip, ...]}."""
    hips = defaultdict(list)
    with open(pfad, encoding="ascii") as datei:
        for zeile in datei:
            if zeile.startswith("#"):
                continue
            felder = zeile.rstrip("\r\n").split("\t")
            if len(felder) > 4 and felder[4].strip():
                hr, hip = int(felder[4]), int(felder[0])
                if hip not in hips[hr]:
                    hips[hr].append(hip)
    return hips


# Header of a star zone file: magic, type, major, minor, level, magnitude
# minimum and range (millimagnitudes) and steps (int32 each); then one star
# count per zone (20 * 4^level zones); then 28-byte records of type 0
# (Hipparcos stars): HIP (24 bits), component ids, position x0, x1 (int32),
# B-V, magnitude step, spectral-type index (uint16 at offset 14), proper
# motion along the two axes (int32 at offsets 16 and 20, 0.1 mas a year)
# and parallax.
_MAGIE = 0x835F040A
_SATZ = 28
_EIGENBEWEGUNG_EINHEIT = 1e-4    # arcseconds a year
# Most positions are for J2000, a few fast stars' for the Hipparcos epoch
# 1991.25: moved on by the years between, those land on J2000 as well.
JAHRE_BIS_J2000 = 8.75


@dataclass
class HipEintrag:
    vektor: tuple         # unit vector, as stored (J2000 for most stars)
    mag: float            # visual magnitude, to a step of 0.05
    spektrum: str         # full Hipparcos spectral type, "" when none
    vorgerueckt: tuple    # unit vector moved on by JAHRE_BIS_J2000 of proper motion
    eigenbewegung: float  # arcseconds a year


def _eintrag(zone, x0, x1, dx0, dx1, mag, spektrum):
    # The axes of a zone are scaled so that one unit of x0 or x1 is
    # himmelsnetz.schritt() radians; the motion is given in arcseconds.
    einheiten = math.radians(_EIGENBEWEGUNG_EINHEIT / 3600.0) * JAHRE_BIS_J2000 / himmelsnetz.schritt(zone)
    return HipEintrag(himmelsnetz.richtung(zone, x0, x1), mag, spektrum,
                      himmelsnetz.richtung(zone, x0 + dx0 * einheiten, x1 + dx1 * einheiten),
                      math.hypot(dx0, dx1) * _EIGENBEWEGUNG_EINHEIT)


def _sterne_einer_zone(daten, typen, ergebnis):
    kopf = struct.unpack_from("<I7i", daten, 0)
    magie, art, stufe, mag_min, mag_bereich, mag_stufen = kopf[0], kopf[1], kopf[4], kopf[5], kopf[6], kopf[7]
    if magie != _MAGIE or art != 0:
        raise ValueError("not a Hipparcos star zone file")
    anzahl_zonen = 20 * 4 ** stufe
    anzahlen = struct.unpack_from("<%dI" % anzahl_zonen, daten, 32)
    stelle = 32 + 4 * anzahl_zonen
    if stelle + sum(anzahlen) * _SATZ != len(daten):
        raise ValueError("star zone file of unexpected size")
    for zone, anzahl in zip(himmelsnetz.zonen(stufe), anzahlen):
        for _ in range(anzahl):
            hip = int.from_bytes(daten[stelle:stelle + 3], "little")
            x0, x1 = struct.unpack_from("<ii", daten, stelle + 4)
            dx0, dx1 = struct.unpack_from("<ii", daten, stelle + 16)
            mag = (mag_min + daten[stelle + 13] * mag_bereich / mag_stufen) / 1000.0
            index = struct.unpack_from("<H", daten, stelle + 14)[0]
            if hip and hip not in ergebnis:
                ergebnis[hip] = _eintrag(zone, x0, x1, dx0, dx1, mag,
                                         typen[index] if index < len(typen) else "")
            stelle += _SATZ


def hip_sterne_lesen(typen_pfad, zonen_pfade):
    """{hip: HipEintrag} from the spectral-type list and the zone files."""
    with open(typen_pfad, encoding="latin-1") as datei:
        typen = datei.read().split("\n")
    ergebnis = {}
    for pfad in zonen_pfade:
        with open(pfad, "rb") as datei:
            _sterne_einer_zone(datei.read(), typen, ergebnis)
    return ergebnis


@dataclass
class Veraenderlicher:
    name: str             # GCVS designation, "R And"
    typ: str              # GCVS type, "M", "SRB", "M+ZAND"
    maximum: float        # magnitude
    minimum: object       # magnitude (float), None when the GCVS gives none


def gcvs_lesen(pfad):
    """gcvs_hip_part.dat (tab-separated: HIP, designation, type, maximum,
    flag, minimum, ...) -> {hip: Veraenderlicher}; the flag 1 marks a
    minimum given as an amplitude."""
    veraenderliche = {}
    with open(pfad, encoding="utf-8") as datei:
        for zeile in datei:
            felder = zeile.rstrip("\r\n").split("\t")
            if zeile.startswith("#") or len(felder) < 6 or not felder[3]:
                continue
            maximum = float(felder[3])
            minimum = float(felder[5]) if felder[5] else None
            if minimum is not None and felder[4] == "1":
                minimum += maximum
            veraenderliche.setdefault(int(felder[0]),
                                      Veraenderlicher(felder[1], felder[2], maximum, minimum))
    return veraenderliche


def figuren_lesen(pfad):
    """constellationship.fab: abbreviation, line count, then pairs of HIP
    numbers -> {abbreviation: [(hip a, hip b)]}."""
    figuren = {}
    with open(pfad, encoding="ascii") as datei:
        for zeile in datei:
            felder = zeile.split()
            if zeile.startswith("#") or len(felder) < 2:
                continue
            enden = [int(f) for f in felder[2:]]
            if len(enden) != 2 * int(felder[1]):
                raise ValueError("%s: %s: %s lines announced, %d ends given"
                                 % (pfad, felder[0], felder[1], len(enden)))
            figuren[felder[0]] = list(zip(enden[0::2], enden[1::2]))
    return figuren


_NAME = re.compile(r'\s*(\d+)\|_\("(.*?)"\)\s*(\S*)')


def namen_lesen(pfad):
    """star_names.fab -> {hip: [(name, {reference numbers})]} in file order."""
    namen = defaultdict(list)
    with open(pfad, encoding="utf-8") as datei:
        for zeile in datei:
            treffer = _NAME.match(zeile)
            if treffer and not zeile.startswith("#"):
                hip, name, quellen = treffer.groups()
                namen[int(hip)].append((name, set(quellen.split(",")) - {""}))
    return namen


def iau_namen(namen):
    """{hip: IAU-approved name} (the first such per star)."""
    ergebnis = {}
    for hip, eintraege in namen.items():
        for name, quellen in eintraege:
            if quellen & IAU_QUELLEN:
                ergebnis.setdefault(hip, name)
    return ergebnis
