"""The container of a help file: a 16-byte header, the internal files, and
the internal directory (a B+ tree of names and offsets) at the end."""
from binaer import u8, u32
from btree import btree

MAGIC = 0x00035F3F
DATEIKOPF = 9                 # reserved size, used size, flags before each internal file
DATEI_NORMAL = 4
KEINE = -1


def _datei(inhalt):
    return u32(DATEIKOPF + len(inhalt)) + u32(len(inhalt)) + u8(DATEI_NORMAL) + inhalt


def zusammensetzen(dateien):
    """dateien: internal name -> bytes. Returns the whole help file."""
    namen = sorted(dateien, key=lambda name: name.encode("ascii"))   # the directory's key order
    rumpf, eintraege = b"", []
    for name in namen:
        eintraege.append((name.encode("ascii") + b"\0", u32(16 + len(rumpf))))
        rumpf += _datei(dateien[name])
    verzeichnis = _datei(btree(eintraege, 0x400, 0x0402, "z4"))
    groesse = 16 + len(rumpf) + len(verzeichnis)
    return u32(MAGIC) + u32(16 + len(rumpf)) + u32(KEINE) + u32(groesse) + rumpf + verzeichnis
