#!/usr/bin/env python3
"""Builds the help file Varnis.hlp (Windows Help 4.0 format) from its text.

    python3 tools/hilfe/erzeugen.py [--quelle TEXT] [--ziel HLP]

By default it reads tools/hilfe/hilfetext.txt and writes data/Varnis.hlp.
No help compiler is needed: the file is written directly, uncompressed. The
same text gives the same bytes.
"""
import argparse
import hashlib
import os
import sys

import quelle
from hlpdatei import zusammensetzen
from kontext import hash_wert
from schriften import font_datei
from system import context_datei, ctxomap_datei, system_datei, titel_datei
from themen import topic_datei

HIER = os.path.dirname(os.path.abspath(__file__))
WURZEL = os.path.dirname(os.path.dirname(HIER))
# Show the browse buttons (<< and >>) that step through the topics in order.
START_MAKROS = ["BrowseButtons()"]


def _hashes(hilfe):
    """Context name -> hash; two topics may share neither a name nor a hash."""
    hashes = {}
    for thema in hilfe.themen:
        wert = hash_wert(thema.kontext)
        doppelt = [name for name, h in hashes.items() if h == wert or name == thema.kontext]
        if doppelt:
            raise quelle.QuellFehler("topic %r clashes with topic %r" % (thema.kontext, doppelt[0]))
        hashes[thema.kontext] = wert
    return hashes


def bauen(text):
    """The help file's bytes for a text source (see quelle.py)."""
    hilfe = quelle.lesen(text)
    topic, themen = topic_datei(hilfe, _hashes(hilfe))
    return zusammensetzen({
        "|SYSTEM": system_datei(hilfe.titel, themen[0][2], START_MAKROS),
        "|TOPIC": topic,
        "|FONT": font_datei(),
        "|CONTEXT": context_datei(themen),
        "|TTLBTREE": titel_datei(themen),
        "|CTXOMAP": ctxomap_datei(),
    })


def main():
    teile = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    teile.add_argument("--quelle", default=os.path.join(HIER, "hilfetext.txt"))
    teile.add_argument("--ziel", default=os.path.join(WURZEL, "data", "Varnis.hlp"))
    argumente = teile.parse_args()
    with open(argumente.quelle, encoding="utf-8") as datei:
        text = datei.read()
    try:
        daten = bauen(text)
    except quelle.QuellFehler as fehler:
        sys.exit("%s: %s" % (argumente.quelle, fehler))
    with open(argumente.ziel, "wb") as datei:
        datei.write(daten)
    print("%s  %s (%d bytes)" % (hashlib.sha256(daten).hexdigest(), argumente.ziel, len(daten)))


if __name__ == "__main__":
    main()
