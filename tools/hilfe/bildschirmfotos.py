#!/usr/bin/env python3
"""Makes the pictures of the help from the running program:

    python3 tools/hilfe/bildschirmfotos.py [--build BUILD]

It builds Varnis32.exe in BUILD/win64 as tools/run.sh does, and starts it
under Wine (tools/wine-env.sh) on a private Xvfb display of 800 x 600
pixels, where the main window takes its smallest size (640 x 480): first
once without a settings file, so that what it writes when it closes gives
the defaults of a new installation, then once per scene with a settings file
of its own made from them. It takes screenshots, asks fensterplan.exe (built here with
MinGW) where the controls stand, moves and clicks the mouse with xdotool,
and draws the labels with ImageMagick. The results are 8-bit palette PNG
files in tools/hilfe/bilder/, which the help generator takes as they are;
after running this, run erzeugen.py and look at the pictures.

Needs what tools/setup.sh installs (MinGW, Wine, Xvfb, ImageMagick, xdotool,
fonts-liberation).
"""
import argparse
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time
from contextlib import contextmanager
from dataclasses import dataclass

HIER = os.path.dirname(os.path.abspath(__file__))
WURZEL = os.path.dirname(os.path.dirname(HIER))
ZIEL = os.path.join(HIER, "bilder")
SCHRIFT = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
SCHRIFT_FETT = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
BILDSCHIRM = (800, 600)
PROGRAMM = "Varnis32.exe"
WINE_ENV = os.path.join(WURZEL, "tools", "wine-env.sh")

# The brightest stars of spectral class A (Deneb, Vega) on the screen.
A_STERN = (160, 208, 255)

# The layers (keys of [Anzeige]) in the order the layers picture adds them
# to the stars, each at its default intensity.
STUFEN = ["Hilfslinien", "Sternbilder", "Sternbildnamen", "Sternnamen"]
KACHEL = 250                  # side of one chart cut-out in the layers picture

GELB, RAND, LINIE = "#FFF4C0", "#806000", "#C00000"

# The evening of 15 December 2026 over München, 18:00 MEZ: the waxing Moon in
# Aquarius with Saturn and Neptune above it, in a field of view that reaches
# down to them from the zenith.
ABEND = {"Allgemein": {"Dek": -4814, "Gesichtsfeld": 120},
         "Moment": {"Regel": 0, "Datum": 20261215, "Uhrzeit": 1800, "Laenge": 1158, "Zone": "Europe/Berlin"},
         "Anzeige": {"Planeten": 1}}
ABEND_ORT = "M\u00fcnchen"
MOND = (236, 236, 220)        # the Moon's lit part on the screen


def lieferumfang(liste):
    """One list of cmake/lieferumfang.cmake, the place that names the shipped files."""
    with open(os.path.join(WURZEL, "cmake", "lieferumfang.cmake")) as datei:
        return re.search(r"^set\(%s ([^)$]*)\)" % liste, datei.read(), re.M).group(1).split()


def ini_lesen(pfad):
    """A settings file as {section: {key: value text}}, both in the file's
    order; the values stay text, since the moment's keys hold names too."""
    abschnitte, abschnitt = {}, None
    with open(pfad, encoding="cp1252") as datei:
        for zeile in map(str.strip, datei):
            if zeile.startswith("["):
                abschnitt = abschnitte.setdefault(zeile[1:-1], {})
            elif "=" in zeile:
                name, wert = zeile.split("=", 1)
                abschnitt[name.strip()] = wert.strip()
    return abschnitte


def ini_text(vorgaben, ebenen):
    """The defaults with the layers of [Anzeige] at the intensities in ebenen (others off)."""
    return ini_aus(dict(vorgaben, Anzeige={name: ebenen.get(name, 0) for name in vorgaben["Anzeige"]}))


def ini_aus(werte):
    """A settings file's text from {section: {key: value}}."""
    zeilen = []
    for abschnitt, schluessel in werte.items():
        zeilen += ["[%s]" % abschnitt] + ["%s=%s" % paar for paar in schluessel.items()]
    return "\r\n".join(zeilen) + "\r\n"


def ort_index(baum, name):
    """The index of a place in the shipped Orte.dat, as the places list counts."""
    with open(os.path.join(baum, "programm", "Orte.dat"), encoding="cp1252") as datei:
        return next(i for i, zeile in enumerate(datei) if zeile.split(";")[0] == name)


def namenfarbe(vorgaben):
    """A constellation's name on the screen: its colour at its default intensity."""
    staerke = int(vorgaben["Anzeige"]["Sternbildnamen"])
    return tuple(int(int(vorgaben["Farben"]["%s_Sternbildnamen" % kanal]) * staerke / 100)
                 for kanal in ("Rot", "Gruen", "Blau"))


def lauf(befehl, **optionen):
    return subprocess.run(befehl, check=True, **optionen)


def programm_bauen(build):
    """Varnis32.exe in build/win64/programm and fensterplan.exe beside this script's temp files."""
    lauf(["bash", "-c", 'source "$quelle/tools/konfigurieren.sh" && konfigurieren win64'],
         env=dict(os.environ, quelle=WURZEL, build=build))
    baum = os.path.join(build, "win64")
    lauf(["cmake", "--build", baum, "--target", "Varnis32"], stdout=subprocess.DEVNULL)
    return baum


@dataclass
class Fenster:
    art: str
    klasse: str
    text: str
    stil: int
    links: int
    oben: int
    rechts: int
    unten: int

    @property
    def mitte(self):
        return (self.links + self.rechts) // 2, (self.oben + self.unten) // 2

    @property
    def flaeche(self):
        return (self.rechts - self.links) * (self.unten - self.oben)


class Sitzung:
    """Xvfb, Wine and the helper programs of one run of this script."""
    def __init__(self, baum, ordner):
        self.baum, self.ordner = baum, ordner
        self.plan_exe = os.path.join(ordner, "fensterplan.exe")
        lauf(["x86_64-w64-mingw32-g++", "-std=c++17", "-O2", "-Wall", "-Wextra", "-Werror", "-static",
              "-o", self.plan_exe, os.path.join(HIER, "fensterplan.cpp")])
        # The build tree's Wine prefix, as "export NAME=VALUE" lines quoted for the shell.
        exporte = subprocess.run(["bash", WINE_ENV, "umgebung", baum], check=True, capture_output=True,
                                 text=True).stdout
        self.umgebung = dict(os.environ)
        for zeile in exporte.splitlines():
            name, wert = shlex.split(zeile)[1].split("=", 1)
            self.umgebung[name] = wert

    @contextmanager
    def anzeige(self):
        """The build tree's Wine environment on a display of the screen's size."""
        try:
            self.umgebung["DISPLAY"] = subprocess.run(
                ["bash", WINE_ENV, "start", self.baum, "%dx%d" % BILDSCHIRM], check=True,
                capture_output=True, text=True).stdout.strip()
            yield
        finally:
            lauf(["bash", WINE_ENV, "stop", self.baum])

    def plan(self):
        """The windows of the running Varnis, or None while it has none."""
        # Into a file, not a pipe: Wine's helper processes inherit the
        # output and would keep a pipe open long after the program ended.
        with tempfile.TemporaryFile(dir=self.ordner) as ausgabe:
            ergebnis = subprocess.run(["wine", self.plan_exe], env=self.umgebung, stdout=ausgabe,
                                      stderr=subprocess.DEVNULL)
            ausgabe.seek(0)
            text = ausgabe.read().decode("cp1252")
        if ergebnis.returncode != 0:
            return None
        fenster = []
        for zeile in text.splitlines():
            teile = zeile.rstrip("\r").split("\t")
            fenster.append(Fenster(teile[0], teile[1], teile[2], int(teile[3], 16), *map(int, teile[4:8])))
        return fenster

    def maus(self, x, y, klick=False):
        befehl = ["xdotool", "mousemove", str(x), str(y)] + (["click", "1"] if klick else [])
        lauf(befehl, env=self.umgebung)

    def bildschirm(self, pfad):
        lauf(["import", "-window", "root", pfad], env=self.umgebung)

    def programm_ordner(self, ini=None):
        """A folder of its own with Varnis, its data files and, when given,
        the text ini as its settings file."""
        ordner = tempfile.mkdtemp(dir=self.ordner)
        for name in [PROGRAMM] + lieferumfang("VARNIS_DATEN"):
            shutil.copy(os.path.join(self.baum, "programm", name), ordner)
        if ini is not None:
            with open(os.path.join(ordner, "Varnis.ini"), "w", encoding="cp1252", newline="") as datei:
                datei.write(ini)
        return ordner

    def vorgaben(self):
        """The settings of a new installation: what Varnis, started without a
        settings file, writes into one when it closes."""
        ordner = self.programm_ordner()
        with self.varnis(ordner):
            pass
        ini = os.path.join(ordner, "Varnis.ini")
        if not os.path.exists(ini):
            sys.exit("bildschirmfotos: Varnis wrote no settings file when it closed")
        return ini_lesen(ini)

    @contextmanager
    def varnis(self, ordner):
        """Varnis started in ordner; yields its window plan once the chart is
        drawn, and closes it (as the user does, so it saves its settings)."""
        self.maus(BILDSCHIRM[0] - 5, BILDSCHIRM[1] - 5)     # away from the chart
        prozess = subprocess.Popen(["wine", PROGRAMM], cwd=ordner, env=self.umgebung,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            # The window is there before its children and its title; the
            # plan counts once the panes are.
            plan = None
            for _ in range(60):
                plan = self.plan()
                if plan and any(f.art == "kind" and f.klasse == "wFenster" for f in plan):
                    break
                time.sleep(0.5)
            else:
                sys.exit("bildschirmfotos: Varnis showed no window")
            time.sleep(3)             # the drawing cycle's stages
            yield self.plan() or plan
        finally:
            subprocess.run(["wine", "taskkill", "/im", PROGRAMM], env=self.umgebung,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            prozess.wait(timeout=60)


def steuerelemente(plan):
    """The controls of the main window by name, found by class, form and place."""
    sichtbar = [f for f in plan if f.art == "kind"]
    def nach(klasse):
        return sorted((f for f in sichtbar if f.klasse == klasse), key=lambda f: (f.oben, f.links))
    flaechen = sorted(nach("wFenster"), key=lambda f: f.flaeche)
    leisten = nach("ScrollBar")
    waagerecht = [f for f in leisten if not f.stil & 1]       # SBS_VERT is bit 0
    listen, felder = nach("ComboBox"), nach("Edit")
    titel = nach("Static")
    return {
        "fenster": next(f for f in plan if f.art == "fenster"),
        "innen": next(f for f in plan if f.art == "innen"),
        "uebersicht": flaechen[0], "karte": flaechen[-1],
        "rekt_leiste": waagerecht[0], "ebenen": waagerecht[1:-1], "feld_leiste": waagerecht[-1],
        "dekl_leiste": next(f for f in leisten if f.stil & 1),
        "monat": listen[0], "ort": listen[1], "zeit": listen[2],
        "werte": felder[:2], "feld_wert": felder[2],
        # The captions of the layer bars stand in their rows.
        "ebenen_titel": [next(t for t in titel if t.oben == leiste.oben) for leiste in waagerecht[1:-1]],
    }


def text_groesse(text, punkte=12, schrift=SCHRIFT):
    ausgabe = subprocess.run(["convert", "-font", schrift, "-pointsize", str(punkte), "label:" + text,
                              "-format", "%w %h", "info:"], check=True, capture_output=True, text=True)
    breite, hoehe = ausgabe.stdout.split()
    return int(breite) + 8, int(hoehe) + 4


def schild(befehl, text, x, y):
    """A label box with its top left corner at (x, y)."""
    breite, hoehe = text_groesse(text)
    befehl += ["-fill", GELB, "-stroke", RAND, "-strokewidth", "1",
               "-draw", "rectangle %d,%d %d,%d" % (x, y, x + breite - 1, y + hoehe - 1),
               "-stroke", "none", "-fill", "black", "-font", SCHRIFT, "-pointsize", "12",
               "-annotate", "+%d+%d" % (x + 4, y + 2), text]


def linie(befehl, von, nach):
    befehl += ["-stroke", LINIE, "-strokewidth", "1", "-fill", "none",
               "-draw", "line %d,%d %d,%d" % (von + nach),
               "-stroke", "none", "-fill", LINIE, "-draw", "circle %d,%d %d,%d" % (nach + (nach[0] + 2, nach[1]))]


def als_palette(befehl, ziel):
    """The end of an ImageMagick command: 256 colours, 8-bit palette PNG without dates."""
    return befehl + ["-dither", "None", "-colors", "256", "-strip",
                     "-define", "png:bit-depth=8", "-define", "png:color-type=3",
                     "-define", "png:compression-filter=0", "PNG8:" + ziel]


LINKS_RAND, OBEN_RAND = 170, 34


def hauptfenster_bild(bildschirm, plan, ziel):
    """The main window with its controls named: left of it the panel's left
    column, above it the menu bar and the chart, on the chart the controls at
    the panel's right edge."""
    s = steuerelemente(plan)
    f = s["fenster"]
    dx, dy = LINKS_RAND - f.links, OBEN_RAND - f.oben
    def p(x, y):
        return x + dx, y + dy
    befehl = ["convert", bildschirm, "-crop", "%dx%d+%d+%d" % (f.rechts - f.links, f.unten - f.oben, f.links, f.oben),
              "+repage", "-background", "white", "-gravity", "southeast",
              "-extent", "%dx%d" % (f.rechts - f.links + LINKS_RAND, f.unten - f.oben + OBEN_RAND),
              "-gravity", "northwest"]
    links = [
        ("Übersicht", [s["uebersicht"]]),
        ("Rektaszension (Leiste)", [s["rekt_leiste"]]),
        ("Blickrichtung (Werte)", [s["werte"][0]]),
        ("Datum", [s["monat"]]),
        ("Uhrzeit", [s["zeit"]]),
        ("Helligkeit der Ebenen", s["ebenen_titel"]),
        ("Gesichtsfeld", [s["feld_leiste"]]),
    ]
    frei = OBEN_RAND
    for text, ziele in links:
        breite, hoehe = text_groesse(text)
        mitte = sum(z.mitte[1] for z in ziele) // len(ziele) + dy
        oben = max(frei, mitte - hoehe // 2)
        frei = oben + hoehe + 4
        for z in ziele:
            linie(befehl, (LINKS_RAND - 10, oben + hoehe // 2), p(z.links + 3, z.mitte[1]))
        schild(befehl, text, LINKS_RAND - 10 - breite, oben)
    karte = s["karte"]
    for text, z in (("Deklination (Leiste)", s["dekl_leiste"]), ("Ort", s["ort"])):
        breite, hoehe = text_groesse(text)
        x, y = p(karte.links + 24, z.mitte[1])
        linie(befehl, (x, y), p(z.rechts - 3, z.mitte[1]))
        schild(befehl, text, x, y - hoehe // 2)
    innen = s["innen"]
    for text, x, ziel_punkt in (("Menüleiste", 40, (innen.links + 100, innen.oben - 9)),
                                ("Karte", karte.mitte[0] - 20, (karte.mitte[0], karte.oben + 12))):
        breite, hoehe = text_groesse(text)
        linie(befehl, (x + dx + breite // 2, 6 + hoehe), p(*ziel_punkt))
        schild(befehl, text, x + dx, 6)
    lauf(als_palette(befehl, ziel))


def farbpunkte(bildschirm, bereich, farbe):
    """The pixels of one colour inside bereich (a Fenster) of a screenshot."""
    breite, hoehe = bereich.rechts - bereich.links, bereich.unten - bereich.oben
    roh = subprocess.run(["convert", bildschirm, "-crop", "%dx%d+%d+%d" % (breite, hoehe, bereich.links, bereich.oben),
                          "rgb:-"], check=True, capture_output=True).stdout
    ziel = bytes(farbe)
    return [(bereich.links + i % breite, bereich.oben + i // breite)
            for i in range(breite * hoehe) if roh[3 * i:3 * i + 3] == ziel]


def haufen(punkte, abstand=3):
    """The points grouped into clusters of neighbours (within abstand pixels)."""
    rest, gruppen = set(punkte), []
    while rest:
        offen, gruppe = [rest.pop()], []
        while offen:
            x, y = offen.pop()
            gruppe.append((x, y))
            nah = {q for q in rest if abs(q[0] - x) <= abstand and abs(q[1] - y) <= abstand}
            rest -= nah
            offen.extend(nah)
        gruppen.append(gruppe)
    return gruppen


def mitte_von(gruppe):
    xs, ys = [p[0] for p in gruppe], [p[1] for p in gruppe]
    return (min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2


def kachel(bildschirm, karte, text, ziel):
    """A square from the middle of the chart with its caption below."""
    x, y = karte.mitte
    befehl = ["convert", bildschirm, "-crop", "%dx%d+%d+%d" % (KACHEL, KACHEL, x - KACHEL // 2, y - KACHEL // 2),
              "+repage", "-bordercolor", "#808080", "-border", "1",
              "-background", "white", "-gravity", "south", "-splice", "0x22",
              "-font", SCHRIFT, "-pointsize", "13", "-fill", "black", "-annotate", "+0+4", text,
              "-gravity", "northwest", ziel]
    lauf(befehl)


def ebenen_bild(kacheln, ziel):
    """The tiles in rows of three."""
    reihen = [kacheln[i:i + 3] for i in range(0, len(kacheln), 3)]
    befehl = ["convert", "-background", "white"]
    for reihe in reihen:
        befehl += ["("] + reihe + ["-bordercolor", "white", "-border", "6", "+append", ")"]
    lauf(als_palette(befehl + ["-append"], ziel))


def infofenster_bild(bildschirm, plan, stern, ziel):
    """The popup over the chart, with the star it tells of, cut from the screen."""
    info = next(f for f in plan if f.art == "kind" and f.klasse == "wFenster"
                and (f.rechts - f.links, f.unten - f.oben) == (170, 122))
    links, oben = min(info.links, stern[0]) - 30, min(info.oben, stern[1]) - 30
    rechts, unten = max(info.rechts, stern[0]) + 30, max(info.unten, stern[1]) + 30
    lauf(als_palette(["convert", bildschirm, "-crop", "%dx%d+%d+%d" % (rechts - links, unten - oben, links, oben),
                      "+repage", "-bordercolor", "#808080", "-border", "1"], ziel))


def koerper_bild(sitzung, vorgaben, ordner, ziel):
    """The evening sky of ABEND with the mouse resting on the Moon: the
    chart with the Moon's popup, Saturn and Neptune above, cut from the screen."""
    werte = {abschnitt: dict(schluessel) for abschnitt, schluessel in vorgaben.items()}
    for abschnitt, schluessel in ABEND.items():
        werte.setdefault(abschnitt, {}).update(schluessel)
    werte["Allgemein"]["Ort"] = ort_index(sitzung.baum, ABEND_ORT)
    with sitzung.varnis(sitzung.programm_ordner(ini_aus(werte))) as plan:
        karte = steuerelemente(plan)["karte"]
        bild = os.path.join(ordner, "abend.png")
        sitzung.bildschirm(bild)
        mond = mitte_von(max(haufen(farbpunkte(bild, karte, MOND), 1), key=len))
        sitzung.maus(*mond)
        time.sleep(2)
        sitzung.bildschirm(bild)
        # The whole chart: the Moon with its popup, Saturn and Neptune above.
        lauf(als_palette(["convert", bild, "-crop", "%dx%d+%d+%d" % (karte.rechts - karte.links, karte.unten - karte.oben,
                                                                   karte.links, karte.oben),
                          "+repage", "-bordercolor", "#808080", "-border", "1"], ziel))


def szenen(sitzung, ordner):
    vorgaben = sitzung.vorgaben()
    def szene(anzahl):
        """Varnis with the first anzahl layers of STUFEN at their defaults."""
        ebenen = {name: vorgaben["Anzeige"][name] for name in STUFEN[:anzahl]}
        return sitzung.varnis(sitzung.programm_ordner(ini_text(vorgaben, ebenen)))
    titel = ["Sterne"] + ["+ " + name for name in STUFEN]
    kacheln = []
    for nummer, text in enumerate(titel[:-1]):
        with szene(nummer) as plan:
            bild = os.path.join(ordner, "stufe%d.png" % nummer)
            sitzung.bildschirm(bild)
            kacheln.append(os.path.join(ordner, "kachel%d.png" % nummer))
            kachel(bild, steuerelemente(plan)["karte"], text, kacheln[-1])
    with szene(len(STUFEN)) as plan:
        karte = steuerelemente(plan)["karte"]
        haupt = os.path.join(ordner, "haupt.png")
        sitzung.bildschirm(haupt)
        hauptfenster_bild(haupt, plan, os.path.join(ZIEL, "hauptfenster.png"))
        kacheln.append(os.path.join(ordner, "kachel4.png"))
        kachel(haupt, karte, titel[-1], kacheln[-1])
        # The mouse resting on the largest bright star opens its popup.
        stern = mitte_von(max(haufen(farbpunkte(haupt, karte, A_STERN), 1), key=len))
        sitzung.maus(*stern)
        time.sleep(2)
        bild = os.path.join(ordner, "info.png")
        sitzung.bildschirm(bild)
        infofenster_bild(bild, sitzung.plan(), stern, os.path.join(ZIEL, "infofenster.png"))
        # A click on the constellation name nearest the middle highlights it.
        # Before and after, the mouse rests in an empty corner of the chart,
        # which hides the popup that the star or the name opened.
        ecke = (karte.links + 3, karte.unten - 3)
        sitzung.maus(*ecke)
        time.sleep(1)
        namen = [mitte_von(g) for g in haufen(farbpunkte(haupt, karte, namenfarbe(vorgaben))) if len(g) > 20]
        name = min(namen, key=lambda p: (p[0] - karte.mitte[0]) ** 2 + (p[1] - karte.mitte[1]) ** 2)
        sitzung.maus(*name, klick=True)
        time.sleep(2)
        sitzung.maus(*ecke)
        time.sleep(1)
        bild = os.path.join(ordner, "klick.png")
        sitzung.bildschirm(bild)
        kacheln.append(os.path.join(ordner, "kachel5.png"))
        kachel(bild, karte, "Sternbild hervorgehoben", kacheln[-1])
    ebenen_bild(kacheln, os.path.join(ZIEL, "ebenen.png"))
    koerper_bild(sitzung, vorgaben, ordner, os.path.join(ZIEL, "koerper.png"))


def main():
    teile = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    teile.add_argument("--build", default=os.environ.get("BUILD_DIR", os.path.join(WURZEL, "build")))
    argumente = teile.parse_args()
    baum = programm_bauen(os.path.abspath(argumente.build))
    os.makedirs(ZIEL, exist_ok=True)
    with tempfile.TemporaryDirectory() as ordner:
        sitzung = Sitzung(baum, ordner)
        with sitzung.anzeige():
            szenen(sitzung, ordner)
    for name in sorted(os.listdir(ZIEL)):
        print(os.path.join(ZIEL, name))


if __name__ == "__main__":
    main()
