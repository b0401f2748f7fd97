"""Reads the help text source (UTF-8) into topics, paragraphs and runs.

    @titel Title of the help file        (before the first topic)
    = kontext Title of the topic         starts a topic; the first is the contents
    @unter kontext                       the topic stands under that topic in the
                                         contents tree (which must be the topic
                                         before it or one of that topic's parents)
    @stichwort Wort; Wort                index entries of the topic besides its title
    == Heading                           a bold heading line
    - Item                               a bulleted paragraph
    | Key | What it does                 a row of a two-column key table
    ! bild.png Caption                   a picture from tools/hilfe/bilder with its caption
    # comment                            ignored

Any other line continues the paragraph above it or, after an empty line,
starts a plain paragraph. Inside a paragraph **bold** and [text](kontext)
(a jump to another topic) are recognised.

The contents topic lists every other topic by itself: the generator adds the
contents tree to its text, so a new topic needs no line there.
"""
import re
from dataclasses import dataclass, field

from kontext import ERLAUBT

# "\t" in a run stands for a jump to the paragraph's tab stop.
PUNKT = "\u2022\t"
_INLINE = re.compile(r"\*\*|\[([^\]]+)\]\(([^)\s]+)\)")
_BILDNAME = re.compile(r"^[a-z0-9_]+\.png$")


class QuellFehler(ValueError):
    pass


@dataclass
class Stueck:
    text: str
    fett: bool = False
    ziel: str = None          # context name of the jump target, or None


@dataclass
class Absatz:
    art: str                  # "text", "ueberschrift", "punkt", "taste" or "bild"
    stuecke: list             # for a picture: its caption
    zeile: int                # where the paragraph starts in the source
    ebene: int = 0            # depth of a bulleted paragraph in the contents tree
    bild: str = None          # file name of a picture


@dataclass
class Thema:
    kontext: str
    titel: str
    zeile: int
    absaetze: list = field(default_factory=list)
    unter: str = None         # context name of the topic above it in the contents tree
    stichwoerter: list = field(default_factory=list)


@dataclass
class Hilfe:
    titel: str
    themen: list

    def thema(self, kontext):
        return next(t for t in self.themen if t.kontext == kontext)

    def ebene(self, thema):
        """0 for a topic at the top of the contents tree, 1 under it, and so on."""
        tiefe = 0
        while thema.unter:
            thema, tiefe = self.thema(thema.unter), tiefe + 1
        return tiefe

    def stichwoerter(self):
        """[(index entry, [context names of its topics in source order])] in
        alphabetical order; every topic but the contents is listed under its
        title and under its own entries."""
        eintraege = {}
        for thema in self.themen[1:]:
            for wort in dict.fromkeys([thema.titel] + thema.stichwoerter):
                eintraege.setdefault(wort, []).append(thema.kontext)
        return sorted(eintraege.items(), key=lambda eintrag: alphabetisch(eintrag[0]))

    def bilder(self):
        """The picture files in the order of their first use."""
        return list(dict.fromkeys(a.bild for t in self.themen for a in t.absaetze if a.bild))


_UMLAUTE = str.maketrans({"ä": "a", "ö": "o", "ü": "u", "ß": "ss"})


def alphabetisch(wort):
    """Sort key of German words as a dictionary orders them: case and umlaut
    dots ignored first, then the word as it is."""
    return wort.lower().translate(_UMLAUTE), wort


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


def inhaltsliste(hilfe):
    """The bulleted jumps to every topic but the contents, in source order,
    indented by their depth in the contents tree."""
    return [Absatz("punkt", [Stueck(PUNKT), Stueck(t.titel, False, t.kontext)], t.zeile,
                   hilfe.ebene(t))
            for t in hilfe.themen[1:]]


class _Leser:
    def __init__(self):
        self.titel = None
        self.themen = []
        self.offen = None     # (art, text, zeile, bild) of the paragraph being read

    def schliessen(self):
        if self.offen:
            art, text, zeile, bild = self.offen
            self.themen[-1].absaetze.append(
                Absatz(art, stuecke_lesen(text, zeile), zeile, bild=bild))
            self.offen = None

    def _beginnen(self, art, text, nummer, bild=None):
        self.schliessen()
        if not self.themen:
            raise QuellFehler("line %d: text before the first topic" % nummer)
        self.offen = (art, text, nummer, bild)

    def _thema(self, rest, nummer):
        self.schliessen()
        kontext, _, titel = rest.partition(" ")
        if not ERLAUBT.match(kontext) or not titel.strip():
            raise QuellFehler("line %d: a topic needs '= kontext Title'" % nummer)
        if any(t.kontext == kontext for t in self.themen):
            raise QuellFehler("line %d: topic %r is defined twice" % (nummer, kontext))
        self.themen.append(Thema(kontext, windows_1252(titel.strip(), nummer), nummer))

    def _taste(self, rest, nummer):
        teile = [teil.strip() for teil in rest.split("|")]
        if len(teile) != 2 or not all(teile):
            raise QuellFehler("line %d: a key row needs '| Key | Text'" % nummer)
        self._beginnen("taste", "**%s**\t%s" % tuple(teile), nummer)
        self.schliessen()

    def _bild(self, rest, nummer):
        datei, _, unterschrift = rest.strip().partition(" ")
        if not _BILDNAME.match(datei) or not unterschrift.strip():
            raise QuellFehler("line %d: a picture needs '! name.png Caption'" % nummer)
        self._beginnen("bild", unterschrift.strip(), nummer, datei)

    def _aktuelles(self, nummer, befehl):
        self.schliessen()
        if not self.themen:
            raise QuellFehler("line %d: %s before the first topic" % (nummer, befehl))
        return self.themen[-1]

    def _unter(self, rest, nummer):
        thema = self._aktuelles(nummer, "@unter")
        if len(self.themen) == 1:
            raise QuellFehler("line %d: the contents topic stands above all others" % nummer)
        # The topic before and its parents: so the tree's order is the source order.
        kette, vorher = [], self.themen[-2]
        while vorher:
            kette.append(vorher.kontext)
            vorher = next((t for t in self.themen if t.kontext == vorher.unter), None)
        if rest.strip() not in kette or rest.strip() == self.themen[0].kontext:
            raise QuellFehler("line %d: @unter needs the topic before or one above it" % nummer)
        thema.unter = rest.strip()

    def _stichwort(self, rest, nummer):
        thema = self._aktuelles(nummer, "@stichwort")
        woerter = [windows_1252(wort.strip(), nummer) for wort in rest.split(";")]
        if not all(woerter):
            raise QuellFehler("line %d: an empty index entry" % nummer)
        thema.stichwoerter.extend(woerter)

    def zeile(self, zeile, nummer):
        if not zeile.strip():
            self.schliessen()
        elif zeile.startswith("#"):
            pass
        elif zeile.startswith("@titel "):
            self.titel = windows_1252(zeile[7:].strip(), nummer)
        elif zeile.startswith("@unter "):
            self._unter(zeile[7:], nummer)
        elif zeile.startswith("@stichwort "):
            self._stichwort(zeile[11:], nummer)
        elif zeile.startswith("== "):
            self._beginnen("ueberschrift", zeile[3:].strip(), nummer)
            self.schliessen()
        elif zeile.startswith("= "):
            self._thema(zeile[2:].strip(), nummer)
        elif zeile.startswith("- "):
            self._beginnen("punkt", PUNKT + zeile[2:].strip(), nummer)
        elif zeile.startswith("| "):
            self._taste(zeile[2:], nummer)
        elif zeile.startswith("! "):
            self._bild(zeile[2:], nummer)
        elif self.offen:
            art, text, anfang, bild = self.offen
            self.offen = (art, text + " " + zeile.strip(), anfang, bild)
        else:
            self._beginnen("text", zeile.strip(), nummer)


def _spruenge_pruefen(hilfe):
    kontexte = {t.kontext for t in hilfe.themen}
    for thema in hilfe.themen:
        for teil in thema.absaetze:
            for stueck in teil.stuecke:
                if stueck.ziel is not None and stueck.ziel not in kontexte:
                    raise QuellFehler("line %d: jump to unknown topic %r" % (teil.zeile, stueck.ziel))


def lesen(text):
    """Parses the source; raises QuellFehler naming the line of the first fault."""
    leser = _Leser()
    for nummer, zeile in enumerate(text.splitlines(), 1):
        leser.zeile(zeile.rstrip(), nummer)
    leser.schliessen()
    if not leser.titel or not leser.themen:
        raise QuellFehler("the source needs an @titel line and at least one topic")
    hilfe = Hilfe(leser.titel, leser.themen)
    _spruenge_pruefen(hilfe)
    return hilfe
