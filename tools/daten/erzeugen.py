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
import pruefungen
import stellarium
import sternbilddatei
import sternbilder
import sterndatei
import sterne
import uebersetzungen
import zonen

WURZEL = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _deutsch(kst, stel, namen):
    """English star name -> German form, from kstars' translation and, where
    that keeps the English name or lacks it, from stellarium's."""
    englisch = {name for eintraege in namen.values() for name, _belege in eintraege}
    deutsch = uebersetzungen.qm_lesen(stel + "translations/stellarium-skycultures/de.qm")
    deutsch = {e: d for e, d in deutsch.items() if e in englisch and d != e}
    deutsch.update(uebersetzungen.mo_lesen(kst + "locale/de/LC_MESSAGES/kstars.mo",
                                           "star name", englisch))
    return deutsch


def _quellen_lesen(quellen):
    xplanet = quellen["xplanet"][1] + "/usr/share/xplanet/"
    kst = quellen["kstars-data"][1] + "/usr/share/kstars/"
    stel = quellen["stellarium-data"][1] + "/" + pakete.STELLARIUM
    zonen = [stel + "stars/default/stars_%d_0v0_8.cat" % stufe for stufe in range(3)]
    katalog = bsc.lesen(xplanet + "stars/BSC")
    namen = stellarium.namen_lesen(stel + "skycultures/western/star_names.fab")
    stern_quellen = sterne.Quellen(
        bsc=katalog,
        bsc_typen=bsc.spektren_lesen(quellen["yale"][1] + "/usr/share/stardata/yale/catalog.dat",
                                     katalog),
        kstars=kstars.sterne_lesen(kst + "stars.dat"),
        hip=stellarium.hip_sterne_lesen(stel + "stars/default/stars_hip_sp_0v0_4.cat", zonen),
        kreuz=stellarium.kreuz_lesen(stel + "stars/default/cross-id.dat"),
        veraenderliche=stellarium.gcvs_lesen(stel + "stars/default/gcvs_hip_part.dat"),
        namen=namen,
        deutsch=_deutsch(quellen["kstars-data"][1] + "/usr/share/", stel, namen))
    figuren = {
        "linien": kstars.linien_lesen(kst + "clines.dat"),
        "namen": kstars.namen_lesen(kst + "cnames.dat"),
        "stellarium": stellarium.figuren_lesen(stel + "skycultures/western/constellationship.fab"),
    }
    return stern_quellen, figuren


def _widersprueche(sternliste, quellen, hip_paare):
    """Stars whose letter neither the catalogue's type nor the Hipparcos type gives."""
    anzahl = 0
    for s in sternliste:
        hip = quellen.hip.get(hip_paare.get(s.nummer))
        belege = {sterne.spektralklasse(t) for t in quellen.bsc_typen[s.nummer].split("+")}
        if hip is not None:
            belege |= {sterne.spektralklasse(t) for t in hip.spektrum.split("+")}
        belege.discard(None)
        anzahl += bool(belege) and s.spektrum not in belege
    return anzahl


def _bericht(sternliste, bilder, quellen, hip_paare, ziel):
    herkunft = Counter(s.quelle_spektrum or "none" for s in sternliste)
    klassen = sorted(Counter(s.spektrum for s in sternliste).items())
    print("stars: %d" % len(sternliste))
    print("  position from Hipparcos: %d" % sum(s.quelle_ort == "hip" for s in sternliste))
    print("  joined to a HIP number: %d" % len(hip_paare))
    print("  spectral class: %d %s" % (sum(s.spektrum != " " for s in sternliste), dict(herkunft)))
    print("  letters neither the catalogue's nor the Hipparcos type gives: %d"
          % _widersprueche(sternliste, quellen, hip_paare))
    print("  classes: %s" % " ".join("%r:%d" % kv for kv in klassen))
    print("  proper names: %d, with the IAU's form beside a German one: %s" % (
        sum(bool(s.name) for s in sternliste),
        ", ".join("%s;%s" % (s.name, s.iau_name) for s in sternliste if s.iau_name)))
    katalog = {b.hr: b for b in quellen.bsc}
    for s in sternliste:
        if s.grund_helligkeit:
            print("  HR %4d %-9s magnitude %5.2f, catalogued %5.2f: %s" % (
                s.nummer, s.veraenderlicher, s.helligkeit / 100,
                katalog[s.nummer].helligkeit / 100, s.grund_helligkeit))
    print("constellations: %d, figure lines: %d" % (len(bilder), sum(len(b.linien) for b in bilder)))
    print("  from stellarium: %s" % ", ".join(
        "%s %d" % (b.abk, len(b.linien)) for b in bilder if b.abk in sternbilder.AUS_STELLARIUM))
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
    stern_quellen, figuren = _quellen_lesen(quellen)
    sternliste, hip_paare = sterne.zusammenstellen(stern_quellen)
    sternliste.sort(key=lambda s: s.nummer)
    bilder = sternbilder.zusammenstellen(stern_quellen.bsc, figuren["linien"], figuren["namen"],
                                         figuren["stellarium"], hip_paare, sternliste)
    pruefungen.pruefen(sternliste, [(b.abk, b.linien) for b in bilder],
                       pruefungen.hipparcos_orte(hip_paare, stern_quellen.hip, stern_quellen.kstars))

    os.makedirs(optionen.ziel, exist_ok=True)
    sterndatei.schreiben(os.path.join(optionen.ziel, "VARNIS.DAT"), sternliste)
    sternbilddatei.schreiben(os.path.join(optionen.ziel, "STBILDER.DAT"), bilder)
    orte.schreiben(os.path.join(optionen.ziel, "Orte.dat"))
    zonen.schreiben(os.path.join(optionen.ziel, "Zonen.dat"), zonen.bereitstellen(optionen.cache))
    _bericht(sternliste, bilder, stern_quellen, hip_paare, optionen.ziel)


if __name__ == "__main__":
    main()
