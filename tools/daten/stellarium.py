"""Readers of the stellarium-data files: the HIP/HD/HR cross-identification,
the full Hipparcos spectral types and the star names of the Western sky
culture."""
import re
import struct
from collections import defaultdict

# References of star_names.fab that stand for names approved by the IAU
# (catalogue of star names, "Naming Stars", NameExoWorlds 2019).
IAU_QUELLEN = {"6", "12", "36"}


def kreuz_lesen(pfad):
    """cross-id.dat (HIP, SAO, HD, HR, tab-separated) -> {hr: [hip, ...]}."""
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
# minimum, range and steps (int32 each); then one star count per zone
# (20 * 4^level zones); then 28-byte records of type 0 (Hipparcos stars):
# HIP (24 bits), component ids, x0, x1, B-V, magnitude, spectral-type index
# (uint16 at offset 14), proper motions and parallax.
_MAGIE = 0x835F040A
_SATZ = 28


def _spektren_einer_zone(daten, typen, ergebnis):
    magie, art, _haupt, _neben, stufe = struct.unpack_from("<I4i", daten, 0)
    if magie != _MAGIE or art != 0:
        raise ValueError("not a Hipparcos star zone file")
    zonen = 20 * 4 ** stufe
    anfang = 32 + 4 * zonen
    anzahl = sum(struct.unpack_from("<%dI" % zonen, daten, 32))
    if anfang + anzahl * _SATZ != len(daten):
        raise ValueError("star zone file of unexpected size")
    for stelle in range(anfang, len(daten), _SATZ):
        hip = int.from_bytes(daten[stelle:stelle + 3], "little")
        index = struct.unpack_from("<H", daten, stelle + 14)[0]
        if hip and index < len(typen) and typen[index]:
            ergebnis.setdefault(hip, typen[index])


def spektren_lesen(typen_pfad, zonen_pfade):
    """{hip: full spectral type} from the spectral-type list and the zone files."""
    with open(typen_pfad, encoding="latin-1") as datei:
        typen = datei.read().split("\n")
    ergebnis = {}
    for pfad in zonen_pfade:
        with open(pfad, "rb") as datei:
            _spektren_einer_zone(datei.read(), typen, ergebnis)
    return ergebnis


_NAME = re.compile(r'\s*(\d+)\|_\("(.*?)"\)\s*(\S*)')


def iau_namen_lesen(pfad):
    """star_names.fab -> {hip: IAU-approved name} (the first such per star)."""
    namen = {}
    with open(pfad, encoding="utf-8") as datei:
        for zeile in datei:
            treffer = _NAME.match(zeile)
            if not treffer or zeile.startswith("#"):
                continue
            hip, name, quellen = treffer.groups()
            if set(quellen.split(",")) & IAU_QUELLEN:
                namen.setdefault(int(hip), name)
    return namen
