"""Assembles the star list: every star of the Bright Star Catalogue with its
position, spectral class letter and proper name, each taken from the best
source that identifies the star without doubt."""
import unicodedata
from collections import defaultdict
from dataclasses import dataclass
from decimal import ROUND_HALF_UP, Decimal

import abgleich


@dataclass
class Stern:
    nummer: int           # HR number
    bezeichnung: str      # ten characters
    ra_zs: int            # right ascension, tenths of a second of time, 0..863999
    dec_bs: int           # declination, arcseconds, signed
    helligkeit: int       # magnitude x 100
    spektrum: str         # one character; " " when no source knows the type
    name: str             # proper name in Windows-1252 characters, "" when none
    quelle_ort: str       # "hip" (Hipparcos via kstars) or "bsc"
    quelle_spektrum: str  # "stellarium", "kstars" or ""


def _runden(wert):
    return int(Decimal(wert).to_integral_value(rounding=ROUND_HALF_UP))


def _mit_vorzeichen(betrag, negativ):
    return -betrag if negativ else betrag


def spektralklasse(typ):
    """The class letter of a spectral type: its first capital letter, so that
    prefixes of size and metal lines drop away ("gK0" K, "sdB5" B,
    "kA2hA5mA7V" A); "C", "S", "N", "W", "D" and the like stay as they are."""
    for zeichen in typ:
        if "A" <= zeichen <= "Z":
            return zeichen
    return None


def fenster_name(name):
    """The name in Windows-1252 characters; letters outside it lose their accents."""
    try:
        name.encode("cp1252")
        return name
    except UnicodeEncodeError:
        zerlegt = unicodedata.normalize("NFKD", name)
        return "".join(z for z in zerlegt if not unicodedata.combining(z)).encode(
            "cp1252", "replace").decode("cp1252")


class Hipparcos:
    """HR -> [(HIP, component)] from cross-id. Where the Bright Star Catalogue
    splits a double that Hipparcos keeps as one star, cross-id lists every
    component's HR under the one HIP; the brightest HR is component 0 and owns
    that star's name, the others count 1, 2, ... in order of brightness and
    take their part of a composite spectral type such as "B0.5IV+B1V"."""

    def __init__(self, bsc_sterne, kreuz):
        hell = {s.hr: s.helligkeit for s in bsc_sterne}
        je_hip = defaultdict(list)
        for hr, hips in kreuz.items():
            for hip in hips:
                if hr in hell:
                    je_hip[hip].append(hr)
        self.teile = defaultdict(list)
        for hip, hrs in je_hip.items():
            for teil, hr in enumerate(sorted(hrs, key=lambda hr: (hell[hr], hr))):
                self.teile[hr].append((hip, teil))

    def von(self, hr):
        return self.teile.get(hr, [])


def _ort(bsc_stern, hip):
    if hip is not None:
        ra = _runden(Decimal(hip.ra_cs) / 10) % 864000
        dec = _runden(Decimal(abs(hip.dec_ds)) / 10)
        return ra, _mit_vorzeichen(dec, hip.dec_ds < 0), "hip"
    ra = _runden(bsc_stern.ra * 36000) % 864000
    dec = _runden(abs(bsc_stern.dec) * 3600)
    return ra, _mit_vorzeichen(dec, bsc_stern.dec < 0), "bsc"


def _spektrum(hip, teile, spektren):
    """Stellarium's full types first: kstars' two-letter types are wrong for
    some bright stars (Capella "M1", epsilon Geminorum "A3") where
    stellarium's agree with the stars' colours."""
    for nummer, teil in teile:
        stuecke = spektren.get(nummer, "").split("+")
        if teil < len(stuecke) and spektralklasse(stuecke[teil]):
            return spektralklasse(stuecke[teil]), "stellarium"
    if hip is not None and spektralklasse(hip.spektrum):
        return spektralklasse(hip.spektrum), "kstars"
    return " ", ""


def _name(hip, teile, iau_namen, vergeben):
    for nummer, teil in teile:
        if teil == 0 and nummer in iau_namen:
            return fenster_name(iau_namen[nummer])
    # kstars names that the IAU gave to another star (kstars' "Markab" for
    # kappa Velorum) would name two stars alike
    if hip is not None and hip.name and hip.name not in vergeben:
        return fenster_name(hip.name)
    return ""


def zusammenstellen(bsc_sterne, hip_sterne, kreuz, spektren, iau_namen):
    paare = abgleich.paaren(bsc_sterne, hip_sterne)
    hipparcos = Hipparcos(bsc_sterne, kreuz)
    vergeben = set(iau_namen.values())
    sterne = []
    for b in bsc_sterne:
        hip, teile = paare.get(b.hr), hipparcos.von(b.hr)
        ra, dec, quelle = _ort(b, hip)
        spektrum, spektrum_quelle = _spektrum(hip, teile, spektren)
        sterne.append(Stern(b.hr, b.bezeichnung, ra, dec, b.helligkeit, spektrum,
                            _name(hip, teile, iau_namen, vergeben), quelle, spektrum_quelle))
    return sterne
