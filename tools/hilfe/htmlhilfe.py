"""The compiled HTML Help file (.chm) from the same source as the WinHelp
file: one page per topic, the contents tree (.hhc), the index (.hhk) and
the project (.hhp), compiled with chmcmd.

Everything is written in Windows-1252, the code page of the German help
viewer (language 0x407). Pages are named after their topic's context name,
with the ending ".html": readers built on wxWidgets (xchm) take the MIME type
from the ending, and on current Debian ".htm" maps to XHTML there, so such a
page would be shown as source text.
"""
import html
import os
import subprocess
import tempfile

import bild
from quelle import PUNKT, QuellFehler, Stueck, inhaltsliste

NAME = "Varnis"
STIL = "hilfe.css"
FENSTER = "main"
# Navigation pane with contents, index and search, kept in step with the
# topic shown; toolbar with hide/show, back, forward, home, options and print.
FENSTER_ART, FENSTER_KNOEPFE = 0x2520, 0x304E

STIL_TEXT = """body { font-family: Arial, sans-serif; font-size: 10pt; margin: 8px 14px; }
h1 { font-size: 14pt; color: #000080; margin: 4px 0 10px 0; }
h2 { font-size: 10pt; margin: 16px 0 4px 0; }
p { margin: 6px 0; }
ul { margin-top: 4px; margin-bottom: 4px; }
li { margin: 3px 0; }
table.tasten td { vertical-align: top; padding: 2px 12px 2px 0; font-size: 10pt; }
p.bild { text-align: center; font-style: italic; font-size: 9pt; margin: 12px 0; }
p.weg { font-size: 8pt; color: #606060; border-bottom: 1px solid #c0c0c0; padding-bottom: 3px; }
"""


def seite_name(kontext):
    return kontext + ".html"


def _text(text):
    return html.escape(text.replace("\t", " "), quote=True)


def _stuecke(stuecke):
    teile = []
    for stueck in stuecke:
        inhalt = _text(stueck.text)
        if stueck.fett:
            inhalt = "<b>%s</b>" % inhalt
        if stueck.ziel is not None:
            inhalt = '<a href="%s">%s</a>' % (seite_name(stueck.ziel), inhalt)
        teile.append(inhalt)
    return "".join(teile)


def _ohne_punkt(stuecke):
    """A bulleted paragraph's runs without the bullet and its tab."""
    erstes = stuecke[0]
    if erstes.text.startswith(PUNKT):
        erstes = Stueck(erstes.text[len(PUNKT):], erstes.fett, erstes.ziel)
    return ([erstes] if erstes.text else []) + stuecke[1:]


def _zellen(stuecke):
    """A key row's runs split at the tab into the key's cell and the text's."""
    links, rechts = [], []
    ziel = links
    for stueck in stuecke:
        vor, tab, nach = stueck.text.partition("\t")
        if vor:
            ziel.append(Stueck(vor, stueck.fett, stueck.ziel))
        if tab:
            ziel = rechts
            if nach:
                rechts.append(Stueck(nach, stueck.fett, stueck.ziel))
    return _stuecke(links), _stuecke(rechts)


class _Seite:
    """Collects one page's body; bullets and key rows are grouped into lists and tables."""
    def __init__(self, bilder):
        self.zeilen, self.ebene, self.in_tabelle, self.bilder = [], -1, False, bilder

    def _schliessen(self, bis=-1):
        while self.ebene > bis:
            self.zeilen.append("</ul>")
            self.ebene -= 1
        if self.in_tabelle and bis < 0:
            self.zeilen.append("</table>")
            self.in_tabelle = False

    def absatz(self, teil):
        if teil.art == "punkt":
            if self.in_tabelle:
                self._schliessen()
            self._schliessen(teil.ebene)
            while self.ebene < teil.ebene:
                self.zeilen.append("<ul>")
                self.ebene += 1
            self.zeilen.append("<li>%s</li>" % _stuecke(_ohne_punkt(teil.stuecke)))
            return
        if teil.art == "taste":
            self._schliessen()
            self.zeilen.append('<table class="tasten">')
            self.in_tabelle = True
            self.zeilen.append("<tr><td>%s</td><td>%s</td></tr>" % _zellen(teil.stuecke))
            return
        self._schliessen()
        if teil.art == "ueberschrift":
            self.zeilen.append("<h2>%s</h2>" % _stuecke(teil.stuecke))
        elif teil.art == "bild":
            breite, hoehe = self.bilder[teil.bild]
            unterschrift = _stuecke(teil.stuecke)
            self.zeilen.append('<p class="bild"><img src="%s" width="%d" height="%d" alt="%s"><br>%s</p>'
                               % (teil.bild, breite, hoehe, _text("".join(s.text for s in teil.stuecke)),
                                  unterschrift))
        else:
            self.zeilen.append("<p>%s</p>" % _stuecke(teil.stuecke))

    def ende(self):
        self._schliessen()
        return self.zeilen


def _weg(hilfe, nummer):
    """The line above each topic: the contents and the topics before and after it."""
    teile = ['<a href="%s">Inhalt</a>' % seite_name(hilfe.themen[0].kontext)]
    if nummer > 0:
        teile.append('<a href="%s">&lt;&lt; Zurück</a>' % seite_name(hilfe.themen[nummer - 1].kontext))
    if nummer + 1 < len(hilfe.themen):
        teile.append('<a href="%s">Weiter &gt;&gt;</a>' % seite_name(hilfe.themen[nummer + 1].kontext))
    return '<p class="weg">%s</p>' % " | ".join(teile)


def seite(hilfe, nummer, bilder):
    """The HTML text of topic number nummer; bilder maps picture names to (width, height)."""
    thema = hilfe.themen[nummer]
    koerper = _Seite(bilder)
    for teil in thema.absaetze + (inhaltsliste(hilfe) if nummer == 0 else []):
        koerper.absatz(teil)
    zeilen = [
        '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">',
        '<html lang="de">',
        "<head>",
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">',
        "<title>%s</title>" % _text(thema.titel),
        '<link rel="stylesheet" type="text/css" href="%s">' % STIL,
        "</head>",
        "<body>",
        _weg(hilfe, nummer),
        "<h1>%s</h1>" % _text(thema.titel),
    ] + koerper.ende() + ["</body>", "</html>", ""]
    return "\r\n".join(zeilen)


def _sitemap(eintraege, eigenschaften=""):
    kopf = ['<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">', "<HTML>", "<HEAD>",
            '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">',
            "<!-- Sitemap 1.0 -->", "</HEAD><BODY>"]
    if eigenschaften:
        kopf.append('<OBJECT type="text/site properties">%s</OBJECT>' % eigenschaften)
    return "\r\n".join(kopf + eintraege + ["</BODY></HTML>", ""])


def _objekt(paare):
    werte = "".join('<param name="%s" value="%s">' % (n, _text(w)) for n, w in paare)
    return '<LI><OBJECT type="text/sitemap">%s</OBJECT>' % werte


def inhalt(hilfe):
    """The contents tree (.hhc): every topic, those with topics under them as books."""
    zeilen, ebene = ["<UL>"], 0
    for thema in hilfe.themen:
        tiefe = hilfe.ebene(thema)
        while ebene < tiefe:
            zeilen.append("<UL>")
            ebene += 1
        while ebene > tiefe:
            zeilen.append("</UL>")
            ebene -= 1
        zeilen.append(_objekt([("Name", thema.titel), ("Local", seite_name(thema.kontext))]))
    zeilen += ["</UL>"] * (ebene + 1)
    return _sitemap(zeilen, '<param name="ImageType" value="Folder">')


def index(hilfe):
    """The index (.hhk): each entry with its topics, by title where there are several."""
    zeilen = ["<UL>"]
    for wort, kontexte in hilfe.stichwoerter():
        paare = [("Name", wort)]
        for kontext in kontexte:
            paare += [("Name", hilfe.thema(kontext).titel), ("Local", seite_name(kontext))]
        zeilen.append(_objekt(paare))
    zeilen.append("</UL>")
    return _sitemap(zeilen)


def projekt(hilfe, dateien):
    start = seite_name(hilfe.themen[0].kontext)
    fenster = '%s="%s","%s.hhc","%s.hhk","%s","%s",,,,,0x%X,,0x%X,[40,40,840,640],,,,,,,0' % (
        FENSTER, hilfe.titel, NAME, NAME, start, start, FENSTER_ART, FENSTER_KNOEPFE)
    zeilen = ["[OPTIONS]",
              "Compatibility=1.1 or later",
              "Compiled file=%s.chm" % NAME,
              "Contents file=%s.hhc" % NAME,
              "Index file=%s.hhk" % NAME,
              "Default topic=%s" % start,
              "Default Window=%s" % FENSTER,
              "Display compile progress=No",
              "Full-text search=Yes",
              # chmcmd would write the binary index with every umlaut as "?";
              # the viewer reads the index file itself in the help's code page.
              "Binary Index=No",
              "Language=0x407 Deutsch (Deutschland)",
              "Title=%s" % hilfe.titel,
              "",
              "[WINDOWS]",
              fenster,
              "",
              "[FILES]"] + sorted(dateien) + [""]
    return "\r\n".join(zeilen)


def dateien(hilfe, ordner=bild.ORDNER):
    """{file name: bytes} of every file of the project, the project itself included."""
    bilder, ergebnis = {}, {}
    for name in hilfe.bilder():
        daten, b = bild.laden(name, ordner)
        bilder[name] = (b.breite, b.hoehe)
        ergebnis[name] = daten
    for nummer, thema in enumerate(hilfe.themen):
        ergebnis[seite_name(thema.kontext)] = seite(hilfe, nummer, bilder).encode("cp1252")
    ergebnis[STIL] = STIL_TEXT.encode("ascii")
    inhalt_text, index_text = inhalt(hilfe), index(hilfe)
    # The project goes into the file as well, so that a comparison of the
    # files inside covers every input of the compiler.
    projekt_text = projekt(hilfe, list(ergebnis) + [NAME + ".hhp"])
    ergebnis[NAME + ".hhc"] = inhalt_text.encode("cp1252")
    ergebnis[NAME + ".hhk"] = index_text.encode("cp1252")
    ergebnis[NAME + ".hhp"] = projekt_text.encode("cp1252")
    return ergebnis


def kompilieren(dateien):
    """The bytes of the .chm that chmcmd makes of the project's files. chmcmd
    reports missing files and anchors but still succeeds; any such report
    counts as a fault here."""
    with tempfile.TemporaryDirectory() as ordner:
        for name, daten in dateien.items():
            with open(os.path.join(ordner, name), "wb") as datei:
                datei.write(daten)
        try:
            lauf = subprocess.run(["chmcmd", NAME + ".hhp"], cwd=ordner, capture_output=True,
                                  text=True, errors="replace")
        except FileNotFoundError:
            raise QuellFehler("chmcmd is missing (Debian package fp-utils-3.2.2)")
        meldungen = [z for z in lauf.stdout.splitlines() if z.startswith(("Warning", "Error"))]
        if lauf.returncode != 0 or meldungen:
            raise QuellFehler("chmcmd: %s" % ("; ".join(meldungen) or lauf.stderr.strip()))
        with open(os.path.join(ordner, NAME + ".chm"), "rb") as datei:
            return datei.read()
