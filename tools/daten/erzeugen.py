#!/usr/bin/env python3
"""Builds the shipped data files VARNIS.DAT, STBILDER.DAT and Orte.dat from
catalogues in Debian packages (see data/README.md).

    python3 tools/daten/erzeugen.py [--cache DIR] [--ziel DIR]

The packages are fetched with apt-get download into the cache folder (by
default ~/.cache/varnis-daten) and kept there; the files are written to the
target folder (by default data/ of this tree). The same packages give the
same bytes.
"""
import argparse
import hashlib
import os
from collections import Counter

import bsc
import kstars
import orte
import pakete
import stellarium
import sternbilddatei
import sternbilder
import sterndatei
import sterne

WURZEL = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _quellen_lesen(quellen):
    xplanet = quellen["xplanet"][1] + "/usr/share/xplanet/"
    kst = quellen["kstars-data"][1] + "/usr/share/kstars/"
    stel = quellen["stellarium-data"][1] + "/usr/share/stellarium/"
    zonen = [stel + "stars/default/stars_%d_0v0_8.cat" % stufe for stufe in range(3)]
    return {
        "bsc": bsc.lesen(xplanet + "stars/BSC"),
        "hip": kstars.sterne_lesen(kst + "stars.dat"),
        "linien": kstars.linien_lesen(kst + "clines.dat"),
        "namen": kstars.namen_lesen(kst + "cnames.dat"),
        "kreuz": stellarium.kreuz_lesen(stel + "stars/default/cross-id.dat"),
        "spektren": stellarium.spektren_lesen(stel + "stars/default/stars_hip_sp_0v0_4.cat", zonen),
        "iau": stellarium.iau_namen_lesen(stel + "skycultures/western/star_names.fab"),
    }


def _bericht(sternliste, bilder, ziel):
    quellen = Counter(s.quelle_spektrum or "none" for s in sternliste)
    klassen = sorted(Counter(s.spektrum for s in sternliste).items())
    print("stars: %d" % len(sternliste))
    print("  position from Hipparcos: %d" % sum(s.quelle_ort == "hip" for s in sternliste))
    print("  spectral class: %d %s" % (sum(s.spektrum != " " for s in sternliste), dict(quellen)))
    print("  classes: %s" % " ".join("%r:%d" % kv for kv in klassen))
    print("  proper names: %d" % sum(bool(s.name) for s in sternliste))
    print("constellations: %d, figure lines: %d" % (len(bilder), sum(len(b.linien) for b in bilder)))
    print("places: %d" % len(orte.ORTE))
    for datei in ("VARNIS.DAT", "STBILDER.DAT", "Orte.dat"):
        with open(os.path.join(ziel, datei), "rb") as f:
            print("%s  %s" % (hashlib.sha256(f.read()).hexdigest(), datei))


def main():
    argumente = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    argumente.add_argument("--cache", default=os.path.expanduser("~/.cache/varnis-daten"))
    argumente.add_argument("--ziel", default=os.path.join(WURZEL, "data"))
    optionen = argumente.parse_args()

    quellen = pakete.bereitstellen(optionen.cache)
    for paket, (version, _wurzel) in quellen.items():
        print("%s %s" % (paket, version))
    daten = _quellen_lesen(quellen)
    sternliste = sterne.zusammenstellen(daten["bsc"], daten["hip"], daten["kreuz"],
                                        daten["spektren"], daten["iau"])
    sternliste.sort(key=lambda s: s.nummer)
    bilder = sternbilder.zusammenstellen(daten["bsc"], daten["linien"], daten["namen"])

    os.makedirs(optionen.ziel, exist_ok=True)
    sterndatei.schreiben(os.path.join(optionen.ziel, "VARNIS.DAT"), sternliste)
    sternbilddatei.schreiben(os.path.join(optionen.ziel, "STBILDER.DAT"), bilder)
    orte.schreiben(os.path.join(optionen.ziel, "Orte.dat"))
    _bericht(sternliste, bilder, optionen.ziel)


if __name__ == "__main__":
    main()
