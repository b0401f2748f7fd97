"""B+ trees of one leaf page, the form of every tree this help file needs.

The internal directory and the |CONTEXT and |TTLBTREE files are B+ trees: a
38-byte header, then pages of a fixed size. With a single page the root is a
leaf, so no index pages are needed; a tree that would outgrow its page is
refused rather than written wrong.
"""
from binaer import u16, u32

MAGIC = 0x293B
KEINE = -1
BLATTKOPF = 8


def btree(eintraege, seite, flags, aufbau):
    """eintraege: the leaf entries as bytes, already in key order."""
    inhalt = b"".join(eintraege)
    frei = seite - BLATTKOPF - len(inhalt)
    if frei < 0:
        raise ValueError("%d bytes of entries do not fit one B+ tree page of %d" % (len(inhalt), seite))
    kopf = (u16(MAGIC) + u16(flags) + u16(seite) + aufbau.encode("ascii").ljust(16, b"\0")
            + u16(0)                  # must be zero
            + u16(0)                  # page splits
            + u16(0)                  # root page
            + u16(KEINE)              # must be -1
            + u16(1)                  # pages
            + u16(1)                  # levels
            + u32(len(eintraege)))
    blatt = u16(frei) + u16(len(eintraege)) + u16(KEINE) + u16(KEINE) + inhalt
    return kopf + blatt + bytes(frei)
