#!/usr/bin/env python3
"""Builds the help of Varnis from its one text, in two forms:

    data/Varnis.hlp   Windows Help 4.0, written directly, uncompressed
    data/Varnis.chm   compiled HTML Help, compiled with chmcmd (fp-utils-3.2.2)

    python3 tools/hilfe/erzeugen.py [--quelle TEXT] [--hlp HLP] [--chm CHM]

By default it reads tools/hilfe/hilfetext.txt and the pictures in
tools/hilfe/bilder/. The same text gives the same .hlp bytes. chmcmd stamps
the time into every .chm, so an existing .chm is replaced only when its
files differ from what the text gives.
"""
import argparse
import hashlib
import os
import sys
import tempfile

import bild
import chmdatei
import htmlhilfe
import quelle
from hlpbild import bm_datei
from hlpdatei import zusammensetzen
from kontext import hash_wert
from schriften import font_datei
from stichwoerter import kw_dateien
from system import context_datei, ctxomap_datei, system_datei, titel_datei
from themen import topic_datei

HIER = os.path.dirname(os.path.abspath(__file__))
WURZEL = os.path.dirname(os.path.dirname(HIER))
QUELLE = os.path.join(HIER, "hilfetext.txt")
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


def bauen(text, ordner=bild.ORDNER):
    """The WinHelp file's bytes for a text source (see quelle.py)."""
    hilfe = quelle.lesen(text)
    namen = hilfe.bilder()
    topic, themen = topic_datei(hilfe, _hashes(hilfe), {name: n for n, name in enumerate(namen)})
    dateien = {
        "|SYSTEM": system_datei(hilfe.titel, themen[0][2], START_MAKROS),
        "|TOPIC": topic,
        "|FONT": font_datei(),
        "|CONTEXT": context_datei(themen),
        "|TTLBTREE": titel_datei(themen),
        "|CTXOMAP": ctxomap_datei(),
    }
    dateien.update(kw_dateien(hilfe.stichwoerter(), {k: offset for k, _, offset in themen}))
    for nummer, name in enumerate(namen):
        dateien["|bm%d" % nummer] = bm_datei(bild.laden(name, ordner)[1])
    return zusammensetzen(dateien)


def chm_dateien(text, ordner=bild.ORDNER):
    """The files of the HTML Help project for a text source, by name."""
    return htmlhilfe.dateien(quelle.lesen(text), ordner)


def _chm_schreiben(dateien, ziel):
    """Compiles and writes the .chm unless ziel already holds these files. True when written."""
    if os.path.exists(ziel):
        try:
            if chmdatei.dateien(ziel) == dateien:
                return False
        except OSError:
            pass                      # unreadable: written anew
    daten = htmlhilfe.kompilieren(dateien)
    with tempfile.NamedTemporaryFile(dir=os.path.dirname(os.path.abspath(ziel)), delete=False) as neu:
        neu.write(daten)
    # A temporary file is private to its owner; the help is for everyone.
    maske = os.umask(0)
    os.umask(maske)
    os.chmod(neu.name, 0o666 & ~maske)
    os.replace(neu.name, ziel)
    return True


def main():
    teile = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    teile.add_argument("--quelle", default=QUELLE)
    teile.add_argument("--hlp", default=os.path.join(WURZEL, "data", "Varnis.hlp"))
    teile.add_argument("--chm", default=os.path.join(WURZEL, "data", "Varnis.chm"))
    argumente = teile.parse_args()
    with open(argumente.quelle, encoding="utf-8") as datei:
        text = datei.read()
    try:
        hlp = bauen(text)
        chm = chm_dateien(text)
        geschrieben = _chm_schreiben(chm, argumente.chm)
    except quelle.QuellFehler as fehler:
        sys.exit("%s: %s" % (argumente.quelle, fehler))
    with open(argumente.hlp, "wb") as datei:
        datei.write(hlp)
    print("%s  %s (%d bytes)" % (hashlib.sha256(hlp).hexdigest(), argumente.hlp, len(hlp)))
    print("%s (%d files inside, %s)" % (argumente.chm, len(chm), "compiled" if geschrieben else "unchanged"))


if __name__ == "__main__":
    main()
