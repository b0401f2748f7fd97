"""Encodes one paragraph as the two data parts of a text record (type 0x20).

LinkData1 holds the paragraph format and a list of formatting commands;
LinkData2 holds the text as NUL-separated strings. A reader prints a string,
then carries out the next command, so every command costs one NUL in the
text. Indents, spacing and tab stops are in half points.

A picture paragraph is centred: the picture (by the number of its |bmN
file), a line break and the caption in italics.
"""
from dataclasses import dataclass

from binaer import cslong, csshort, cushort, u16, u32
from quelle import QuellFehler, windows_1252
from schriften import KURSIV, TEXT, TEXT_FETT, TITEL


@dataclass(frozen=True)
class Format:
    schrift: int
    oben: int = 0             # space above the paragraph
    links: int = 0            # left indent
    erste: int = 0            # first-line indent relative to the left indent
    tab: int = 0              # one left tab stop, 0 for none
    mitte: bool = False       # centred


EINZUG = 36                   # indent of a bullet's text, and of each deeper level

FORMATE = {
    "titel": Format(TITEL),
    "text": Format(TEXT, oben=12),
    "ueberschrift": Format(TEXT_FETT, oben=24),
    "taste": Format(TEXT, oben=6, links=200, erste=-200, tab=200),
    "bild": Format(KURSIV, oben=18, mitte=True),
}


def _format(teil):
    if teil.art == "punkt":
        einzug = EINZUG * (teil.ebene + 1)
        return Format(TEXT, oben=6, links=einzug, erste=-EINZUG, tab=einzug)
    return FORMATE[teil.art]


# Formatting commands.
SCHRIFT, ZEILENENDE, ABSATZENDE, TAB = 0x80, 0x81, 0x82, 0x83
BILD, SPRUNG, SPRUNG_ENDE, ENDE = 0x86, 0xE3, 0x89, 0xFF
BILD_ART = 0x03               # a picture by reference ...
BILD_IN_DATEI = 0             # ... to a |bmN file, named by N
# Bits of the paragraph format saying which fields follow, and the centring.
MIT_OBEN, MIT_LINKS, MIT_ERSTE, MIT_TABS, MITTE = 0x0002, 0x0010, 0x0040, 0x0200, 0x0800


def _absatzformat(fmt):
    bits, felder = 0, b""
    if fmt.oben:
        bits |= MIT_OBEN
        felder += csshort(fmt.oben)
    if fmt.links:
        bits |= MIT_LINKS
        felder += csshort(fmt.links)
    if fmt.erste:
        bits |= MIT_ERSTE
        felder += csshort(fmt.erste)
    if fmt.tab:
        bits |= MIT_TABS
        felder += csshort(1) + cushort(fmt.tab)
    if fmt.mitte:
        bits |= MITTE
    # two bytes the compilers always write as 00 80, then a paragraph id of 0
    return b"\x00\x80" + u16(0) + u16(bits) + felder


class _Schreiber:
    def __init__(self, fmt):
        self.befehle = _absatzformat(fmt)
        self.text = b""

    def befehl(self, befehl):
        self.text += b"\0"
        self.befehle += befehl

    def schreiben(self, text, zeile):
        for nummer, teil in enumerate(text.split("\t")):
            if nummer:
                self.befehl(bytes([TAB]))
            kodiert = windows_1252(teil, zeile).encode("cp1252")
            if any(byte < 0x20 for byte in kodiert):
                raise QuellFehler("line %d: control character in the text" % zeile)
            self.text += kodiert


def _stueck(schreiber, stueck, fmt, zeile, hashes):
    """One run: bold switches to the bold font and back, a jump wraps the run."""
    if stueck.fett:
        schreiber.befehl(bytes([SCHRIFT]) + u16(TEXT_FETT))
    if stueck.ziel is not None:
        schreiber.befehl(bytes([SPRUNG]) + u32(hashes[stueck.ziel]))
    schreiber.schreiben(stueck.text, zeile)
    if stueck.ziel is not None:
        schreiber.befehl(bytes([SPRUNG_ENDE]))
    if stueck.fett:
        schreiber.befehl(bytes([SCHRIFT]) + u16(fmt.schrift))


def _bild(schreiber, nummer):
    daten = u16(BILD_IN_DATEI) + u16(nummer)
    schreiber.befehl(bytes([BILD, BILD_ART]) + cslong(len(daten)) + daten)
    schreiber.befehl(bytes([ZEILENENDE]))


def kodieren(teil, hashes, bilder):
    """(LinkData1, LinkData2) of a paragraph (a quelle.Absatz); hashes maps
    context names to hash values, bilder picture names to their numbers."""
    fmt = _format(teil)
    schreiber = _Schreiber(fmt)
    schreiber.befehl(bytes([SCHRIFT]) + u16(fmt.schrift))
    if teil.bild:
        _bild(schreiber, bilder[teil.bild])
    for stueck in teil.stuecke:
        _stueck(schreiber, stueck, fmt, teil.zeile, hashes)
    schreiber.befehl(bytes([ABSATZENDE]))
    schreiber.befehl(bytes([ENDE]))
    # TopicSize (the format data's length) and TopicLength (the text's) lead the record.
    kopf = cslong(len(schreiber.befehle)) + cushort(len(schreiber.text))
    return kopf + schreiber.befehle, schreiber.text
