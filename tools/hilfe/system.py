"""|SYSTEM: the file's version, title, contents topic, start macros, language
and character set, and the |CONTEXT, |TTLBTREE and |CTXOMAP files that find
topics by context name and by number."""
from binaer import u16, u32
from btree import btree
from kontext import hash_wert, vorzeichen

MAGIC = 0x036C
VERSION = 33                  # the Windows 95 help compiler's format (4.0)
UNKOMPRIMIERT = 0             # flags: topic blocks of 4 KB, stored as they are
ERSTELLT = 0                  # no build date, so that every build gives the same bytes
SPRACHE_DEUTSCH = 0x0407
ANSI = 0                      # Windows-1252 text

TITEL, INHALT, MAKRO, SPRACHE, ZEICHENSATZ = 1, 3, 4, 9, 11


def _satz(art, daten):
    return u16(art) + u16(len(daten)) + daten


def system_datei(titel, inhalt_offset, makros):
    daten = u16(MAGIC) + u16(VERSION) + u16(1) + u32(ERSTELLT) + u16(UNKOMPRIMIERT)
    daten += _satz(TITEL, titel.encode("cp1252") + b"\0")
    daten += _satz(INHALT, u32(inhalt_offset))
    for makro in makros:
        daten += _satz(MAKRO, makro.encode("ascii") + b"\0")
    daten += _satz(SPRACHE, bytes(8) + u16(SPRACHE_DEUTSCH))
    daten += _satz(ZEICHENSATZ, u16(ANSI))
    return daten


def context_datei(themen):
    """themen: (context name, title, TOPICOFFSET); the tree is sorted by signed hash."""
    hashes = sorted(((hash_wert(kontext), offset) for kontext, _, offset in themen),
                    key=lambda paar: vorzeichen(paar[0]))
    return btree([(u32(h), u32(offset)) for h, offset in hashes], 0x800, 0x0002, "L4")


def titel_datei(themen):
    """|TTLBTREE: the titles by TOPICOFFSET, for the viewer's search lists."""
    paare = sorted((offset, titel) for _, titel, offset in themen)
    return btree([(u32(o), t.encode("cp1252") + b"\0") for o, t in paare], 0x800, 0x0002, "Lz")


def ctxomap_datei():
    """No numbered contexts: the program opens the help by file name only."""
    return u16(0)
