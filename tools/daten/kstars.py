"""Readers of the kstars-data files: the Hipparcos star list stars.dat and the
constellation lines and labels of the "Western" sky culture."""
from dataclasses import dataclass
from decimal import Decimal


@dataclass
class HipStern:
    zeile: int            # line number in stars.dat, a stable key
    ra_cs: int            # right ascension, hundredths of a second of time (J2000)
    dec_ds: int           # declination, tenths of an arcsecond, signed
    mag: Decimal
    spektrum: str         # two characters of the Hipparcos spectral type
    kennung: str          # Bayer or Flamsteed designation, e.g. "alp1Cen", "61  Cyg"
    name: str             # proper name, "" when none

    @property
    def ra(self):
        return Decimal(self.ra_cs) / 360000

    @property
    def dec(self):
        return Decimal(self.dec_ds) / 36000


def sterne_lesen(pfad):
    """Fixed columns: RA hhmmss.ss, Dec sddmmss.s, ..., magnitude at 45-50,
    spectral type at 56-57, then ", designation, name"."""
    sterne = []
    with open(pfad, encoding="latin-1") as datei:
        for nummer, zeile in enumerate(datei, 1):
            if zeile.startswith("#") or len(zeile) < 58:
                continue
            ra_cs = ((int(zeile[0:2]) * 3600 + int(zeile[2:4]) * 60) * 100
                     + int(zeile[4:6] + zeile[7:9]))
            dec_ds = ((int(zeile[11:13]) * 3600 + int(zeile[13:15]) * 60) * 10
                      + int(zeile[15:17] + zeile[18]))
            if zeile[10] == "-":
                dec_ds = -dec_ds
            rest = zeile[58:].rstrip("\r\n").split(",")
            kennung = rest[1].strip() if len(rest) > 1 else ""
            name = rest[2].strip() if len(rest) > 2 else ""
            sterne.append(HipStern(nummer, ra_cs, dec_ds, Decimal(zeile[45:51]),
                                   zeile[56:58], kennung, name))
    return sterne


def _abschnitt(pfad, nummer):
    """Lines of the nummer-th "C <culture>" section (1 = Western)."""
    abschnitt = 0
    with open(pfad, encoding="latin-1") as datei:
        for zeile in datei:
            if zeile.startswith("C "):
                abschnitt += 1
            elif abschnitt == nummer:
                yield zeile.rstrip("\r\n")


def linien_lesen(pfad):
    """clines.dat: polylines of HD numbers under "# <Latin name>" headers.
    "M hd" starts a polyline, "D hd" draws to the next star.
    Returns [(latin name, [(hd a, hd b), ...])] in file order."""
    bilder = []
    vorher = None
    for zeile in _abschnitt(pfad, 1):
        if zeile.startswith("# ") and zeile[2:].strip():
            bilder.append((zeile[2:].strip(), []))
        elif zeile[:2] in ("M ", "D "):
            hd = int(zeile.split()[1])
            if zeile[0] == "D":
                bilder[-1][1].append((vorher, hd))
            vorher = hd
    return bilder


def namen_lesen(pfad):
    """cnames.dat: label point (hhmmss, sddmmss), abbreviation and upper-case
    Latin name. Returns [(abk, latin name, ra hours, dec degrees)]."""
    bilder = []
    for zeile in _abschnitt(pfad, 1):
        if not zeile.strip():
            continue
        ra = Decimal(int(zeile[0:2]) * 3600 + int(zeile[2:4]) * 60 + int(zeile[4:6])) / 3600
        dec = Decimal(int(zeile[7:9]) * 3600 + int(zeile[9:11]) * 60 + int(zeile[11:13])) / 3600
        if zeile[6] == "-":
            dec = -dec
        bilder.append((zeile[13:16], zeile[17:].strip(), ra, dec))
    return bilder
