"""The index of the WinHelp file (its K keywords): |KWBTREE finds a keyword
and the place of its topic list in |KWDATA; |KWMAP tells, for every leaf of
the tree, the number of the first keyword it holds."""
from binaer import u16, u32
from btree import blaetter, btree

SEITE = 0x800
FLAGS = 0x0002


def kw_dateien(stichwoerter, offsets):
    """stichwoerter: [(keyword, [context names])] in index order (quelle.Hilfe);
    offsets: context name -> TOPICOFFSET. Returns {internal name: bytes}."""
    eintraege, daten = [], b""
    for wort, kontexte in stichwoerter:
        eintraege.append((wort.encode("cp1252") + b"\0", u16(len(kontexte)) + u32(len(daten))))
        daten += b"".join(u32(offsets[k]) for k in kontexte)
    karte, erster = [], 0
    for nummer, blatt in enumerate(blaetter(eintraege, SEITE)):
        karte.append(u32(erster) + u16(nummer))
        erster += len(blatt)
    return {
        "|KWBTREE": btree(eintraege, SEITE, FLAGS, "F24"),
        "|KWDATA": daten,
        "|KWMAP": u16(len(karte)) + b"".join(karte),
    }
