"""Reads the help text source (UTF-8) into topics, paragraphs and runs.

    @titel Title of the help file        (before the first topic)
    = kontext Title of the topic         starts a topic; the first is the contents
    == Heading                           a bold heading line
    - Item                               a bulleted paragraph
    | Key | What it does                 a row of a two-column key table
    # comment                            ignored

Any other line continues the paragraph above it or, after an empty line,
starts a plain paragraph. Inside a paragraph **bold** and [text](kontext)
(a jump to another topic) are recognised.
"""
import re
from dataclasses import dataclass, field

from kontext import ERLAUBT

# "\t" in a run stands for a jump to the paragraph's tab stop.
PUNKT = "\u2022\t"
_INLINE = re.compile(r"\*\*|\[([^\]]+)\]\(([^)\s]+)\)")


class QuellFehler(ValueError):
    pass


@dataclass
class Stueck:
    text: str
    fett: bool = False
    ziel: str = None          # context name of the jump target, or None


@dataclass
class Absatz:
    art: str                  # "text", "ueberschrift", "punkt" or "taste"
    stuecke: list
    zeile: int                # where the paragraph starts in the source


@dataclass
class Thema:
    kontext: str
    titel: str
    zeile: int
    absaetze: list = field(default_factory=list)


@dataclass
class Hilfe:
    titel: str
    themen: list


def windows_1252(text, zeile):
    """The text itself; raises QuellFehler for a character Windows-1252 lacks."""
    try:
        text.encode("cp1252")
    except UnicodeEncodeError as fehler:
        raise QuellFehler("line %d: %r has no Windows-1252 code" % (zeile, fehler.object[fehler.start]))
    return text


def stuecke_lesen(text, zeile):
    """Splits one paragraph's text into runs at ** and at jumps."""
    stuecke, fett, pos = [], False, 0
    for treffer in _INLINE.finditer(text):
        if treffer.start() > pos:
            stuecke.append(Stueck(text[pos:treffer.start()], fett))
        if treffer.group(0) == "**":
            fett = not fett
        else:
            stuecke.append(Stueck(treffer.group(1), False, treffer.group(2)))
        pos = treffer.end()
    if fett:
        raise QuellFehler("line %d: ** is not closed" % zeile)
    if pos < len(text):
        stuecke.append(Stueck(text[pos:], False))
    return stuecke


class _Leser:
    def __init__(self):
        self.titel = None
        self.themen = []
        self.offen = None     # (art, text, zeile) of the paragraph being read

    def schliessen(self):
        if self.offen:
            art, text, zeile = self.offen
            self.themen[-1].absaetze.append(Absatz(art, stuecke_lesen(text, zeile), zeile))
            self.offen = None

    def _beginnen(self, art, text, nummer):
        self.schliessen()
        if not self.themen:
            raise QuellFehler("line %d: text before the first topic" % nummer)
        self.offen = (art, text, nummer)

    def _thema(self, rest, nummer):
        self.schliessen()
        kontext, _, titel = rest.partition(" ")
        if not ERLAUBT.match(kontext) or not titel.strip():
            raise QuellFehler("line %d: a topic needs '= kontext Title'" % nummer)
        self.themen.append(Thema(kontext, windows_1252(titel.strip(), nummer), nummer))

    def _taste(self, rest, nummer):
        teile = [teil.strip() for teil in rest.split("|")]
        if len(teile) != 2 or not all(teile):
            raise QuellFehler("line %d: a key row needs '| Key | Text'" % nummer)
        self._beginnen("taste", "**%s**\t%s" % tuple(teile), nummer)
        self.schliessen()

    def zeile(self, zeile, nummer):
        if not zeile.strip():
            self.schliessen()
        elif zeile.startswith("#"):
            pass
        elif zeile.startswith("@titel "):
            self.titel = windows_1252(zeile[7:].strip(), nummer)
        elif zeile.startswith("== "):
            self._beginnen("ueberschrift", zeile[3:].strip(), nummer)
            self.schliessen()
        elif zeile.startswith("= "):
            self._thema(zeile[2:].strip(), nummer)
        elif zeile.startswith("- "):
            self._beginnen("punkt", PUNKT + zeile[2:].strip(), nummer)
        elif zeile.startswith("| "):
            self._taste(zeile[2:], nummer)
        elif self.offen:
            art, text, anfang = self.offen
            self.offen = (art, text + " " + zeile.strip(), anfang)
        else:
            self._beginnen("text", zeile.strip(), nummer)


def lesen(text):
    """Parses the source; raises QuellFehler naming the line of the first fault."""
    leser = _Leser()
    for nummer, zeile in enumerate(text.splitlines(), 1):
        leser.zeile(zeile.rstrip(), nummer)
    leser.schliessen()
    if not leser.titel or not leser.themen:
        raise QuellFehler("the source needs an @titel line and at least one topic")
    return Hilfe(leser.titel, leser.themen)
