"""Reads a compiled HTML Help file through chmls (Debian package
fp-utils-3.2.2), for the check and for the generator's comparison: its file
list, its files, and the contents tree and index as the help viewer finds
them."""
import html
import os
import re
import subprocess
import tempfile

_MARKE = re.compile(r'<(/?UL)>|<OBJECT type="([^"]*)">|</OBJECT>|<param name="(\w+)" value="([^"]*)">',
                    re.IGNORECASE)


def _chmls(*argumente):
    lauf = subprocess.run(["chmls"] + list(argumente), capture_output=True)
    if lauf.returncode != 0:
        raise OSError("chmls %s: %s" % (" ".join(argumente), lauf.stderr.decode(errors="replace")))
    return lauf.stdout


def namen(pfad):
    """Every name in the file's directory, internal ones included ("/a.htm")."""
    zeilen = _chmls("-n", "-p", "list", pfad).decode("cp1252").splitlines()
    return [z for z in zeilen if z.startswith("/")]


def dateien(pfad):
    """{name: bytes} of the files the project put in: not the viewer's own
    "#" and "$" files, nor the note chmcmd adds ("_#_README_#_")."""
    with tempfile.TemporaryDirectory() as ordner:
        _chmls("extractall", pfad, ordner)
        ergebnis = {}
        for name in os.listdir(ordner):
            voll = os.path.join(ordner, name)
            if os.path.isfile(voll) and not name.startswith(("#", "$", "_#_")):
                with open(voll, "rb") as datei:
                    ergebnis[name] = datei.read()
        return ergebnis


def _sitemap(befehl, pfad):
    """The entries of the contents or the index: (depth, [(param, value)])."""
    with tempfile.TemporaryDirectory() as ordner:
        ziel = os.path.join(ordner, "sitemap")
        _chmls(befehl, pfad, ziel)
        with open(ziel, "rb") as datei:
            text = datei.read().decode("cp1252")
    eintraege, tiefe, offen = [], 0, None
    for marke in _MARKE.finditer(text):
        liste, art, name, wert = marke.groups()
        if liste:
            tiefe += 1 if liste.upper() == "UL" else -1
        elif art is not None:
            offen = [] if art == "text/sitemap" else None     # not the site properties
        elif name:
            if offen is not None:
                offen.append((name, html.unescape(wert)))
        elif offen is not None:
            eintraege.append((tiefe, offen))
            offen = None
    return eintraege


def inhalt(pfad):
    """The contents tree: (depth from 1, title, page) per entry in order."""
    return [(tiefe, dict(paare)["Name"], dict(paare).get("Local")) for tiefe, paare in _sitemap("extracttoc", pfad)]


def index(pfad):
    """The index: (entry, [pages]) in order."""
    return [(paare[0][1], [w for n, w in paare if n == "Local"]) for _, paare in _sitemap("extractindex", pfad)]
