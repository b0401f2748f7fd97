"""B+ trees of one or two levels, the forms every tree of this help file needs.

The internal directory and the |CONTEXT, |TTLBTREE and |KWBTREE files are
B+ trees: a 38-byte header, then pages of a fixed size. The entries fill
leaf pages in key order, each leaf linked to its neighbours. A single leaf
is the root itself; more leaves get one index page above them that holds,
for every leaf but the first, its first key and its page number. A tree
that would need a second index page is refused rather than written wrong.
"""
from binaer import u16, u32

MAGIC = 0x293B
KEINE = -1
BLATTKOPF = 8                 # free bytes, entries, previous and next leaf
INDEXKOPF = 6                 # free bytes, entries, the page left of the first key


def blaetter(eintraege, seite):
    """The entries split into leaves: lists of (key, data) filling each page."""
    blaetter, frei = [[]], seite - BLATTKOPF
    for schluessel, daten in eintraege:
        groesse = len(schluessel) + len(daten)
        if groesse > seite - BLATTKOPF:
            raise ValueError("a B+ tree entry of %d bytes does not fit a page of %d" % (groesse, seite))
        if groesse > frei:
            blaetter.append([])
            frei = seite - BLATTKOPF
        blaetter[-1].append((schluessel, daten))
        frei -= groesse
    return blaetter


def _seite(kopf, inhalt, seite):
    frei = seite - len(kopf) - 2 - len(inhalt)
    return u16(frei) + kopf + inhalt + bytes(frei)


def btree(eintraege, seite, flags, aufbau):
    """eintraege: (key, data) pairs as bytes, already in key order; an entry
    is its key followed by its data."""
    teile = blaetter(eintraege, seite)
    seiten = []
    for nummer, blatt in enumerate(teile):
        naechste = nummer + 1 if nummer + 1 < len(teile) else KEINE
        kopf = u16(len(blatt)) + u16(nummer - 1 if nummer else KEINE) + u16(naechste)
        seiten.append(_seite(kopf, b"".join(s + d for s, d in blatt), seite))
    if len(teile) > 1:
        index = b"".join(blatt[0][0] + u16(nummer) for nummer, blatt in enumerate(teile) if nummer)
        if INDEXKOPF + len(index) > seite:
            raise ValueError("%d B+ tree leaves need more than one index page" % len(teile))
        seiten.append(_seite(u16(len(teile) - 1) + u16(0), index, seite))
    kopf = (u16(MAGIC) + u16(flags) + u16(seite) + aufbau.encode("ascii").ljust(16, b"\0")
            + u16(0)                  # must be zero
            + u16(0)                  # page splits
            + u16(len(seiten) - 1)    # root page: the last one
            + u16(KEINE)              # must be -1
            + u16(len(seiten))        # pages
            + u16(1 if len(seiten) == 1 else 2)   # levels
            + u32(len(eintraege)))
    return kopf + b"".join(seiten)
