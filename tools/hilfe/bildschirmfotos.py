#!/usr/bin/env python3
"""Makes the pictures of the help from the running program:

    python3 tools/hilfe/bildschirmfotos.py [--build BUILD]

It builds Varnis32.exe in BUILD/win64 as tools/run.sh does, and starts it
under Wine on a private Xvfb display of 800 x 600 pixels, where the main
window takes its smallest size (640 x 480), once per scene with a settings
file of its own. It takes screenshots, asks fensterplan.exe (built here with
MinGW) where the controls stand, moves and clicks the mouse with xdotool,
and draws the labels with ImageMagick. The results are 8-bit palette PNG
files in tools/hilfe/bilder/, which the help generator takes as they are;
after running this, run erzeugen.py and look at the pictures.

Needs what tools/setup.sh installs (MinGW, Wine, Xvfb, ImageMagick, xdotool,
fonts-liberation).
"""
import argparse
import os
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
DATEN = ["Varnis32.exe", "VARNIS.DAT", "STBILDER.DAT", "Orte.dat"]

# The settings of every scene: the defaults of a new installation, written
# out so that no settings file of a user changes a picture.
ALLGEMEIN = {"Rek": 1990, "Dek": -3933, "Gesichtsfeld": 37, "Fest": 1, "Monat": 2, "Zeit": 7, "Ort": 15}
EBENEN = {"Sternbilder": 70, "Sternbildnamen": 70, "Sternnamen": 95, "Hilfslinien": 30}
FARBEN = {"Hintergrund": (0, 0, 48), "Sternbilder": (56, 255, 255), "Sternbildnamen": (48, 255, 255),
          "Sternnamen": (160, 204, 240), "Hilfslinien": (255, 243, 255)}

# Colours on the screen: a constellation's name at the intensity above, and
# the brightest stars of spectral class A (Deneb, Vega).
NAMENFARBE = tuple(int(k * EBENEN["Sternbildnamen"] / 100) for k in FARBEN["Sternbildnamen"])
A_STERN = (160, 208, 255)

# The layers one by one, as the chart shows them when the others are off.
STUFEN = [
    ("Sterne", {}),
    ("+ Hilfslinien", {"Hilfslinien": 30}),
    ("+ Sternbilder", {"Hilfslinien": 30, "Sternbilder": 70}),
    ("+ Sternbildnamen", {"Hilfslinien": 30, "Sternbilder": 70, "Sternbildnamen": 70}),
    ("+ Sternnamen", EBENEN),
]
KACHEL = 250                  # side of one chart cut-out in the layers picture

GELB, RAND, LINIE = "#FFF4C0", "#806000", "#C00000"


def ini_text(ebenen):
    zeilen = ["[Allgemein]"] + ["%s=%d" % paar for paar in ALLGEMEIN.items()]
    zeilen += ["[Anzeige]"] + ["%s=%d" % (name, ebenen.get(name, 0)) for name in EBENEN]
    zeilen += ["[Farben]"]
    for name, farbe in FARBEN.items():
        zeilen += ["%s_%s=%d" % (kanal, name, wert) for kanal, wert in zip(("Rot", "Gruen", "Blau"), farbe)]
    return "\r\n".join(zeilen) + "\r\n"


def lauf(befehl, **optionen):
    return subprocess.run(befehl, check=True, **optionen)


def programm_bauen(build):
    """Varnis32.exe in build/win64/programm and fensterplan.exe beside this script's temp files."""
    baum = os.path.join(build, "win64")
    lauf(["cmake", "-G", "Ninja", "-S", WURZEL, "-B", baum, "-DCMAKE_BUILD_TYPE=Release",
          "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(WURZEL, "cmake", "toolchain-mingw-x86_64.cmake")],
         stdout=subprocess.DEVNULL)
    lauf(["cmake", "--build", baum, "--target", "Varnis32"], stdout=subprocess.DEVNULL)
    lauf(["bash", os.path.join(WURZEL, "tools", "wine-env.sh"), "prefix", baum])
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
        self.umgebung = dict(os.environ, WINEPREFIX=os.path.join(baum, "wineprefix"), WINEDEBUG="-all",
                             WINEDLLOVERRIDES="mscoree,mshtml=")

    @contextmanager
    def anzeige(self):
        nummer = next(n for n in range(141, 200) if not os.path.exists("/tmp/.X%d-lock" % n))
        xvfb = subprocess.Popen(["Xvfb", ":%d" % nummer, "-screen", "0", "%dx%dx24" % BILDSCHIRM,
                                 "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.umgebung["DISPLAY"] = ":%d" % nummer
        try:
            for _ in range(50):
                if os.path.exists("/tmp/.X11-unix/X%d" % nummer):
                    break
                time.sleep(0.1)
            yield
        finally:
            subprocess.run(["wineserver", "-k"], env=self.umgebung, stderr=subprocess.DEVNULL)
            xvfb.terminate()
            xvfb.wait()

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

    @contextmanager
    def varnis(self, ebenen):
        """Varnis started in a folder of its own with these layer intensities;
        yields its window plan once the chart is drawn."""
        ordner = tempfile.mkdtemp(dir=self.ordner)
        for name in DATEN:
            shutil.copy(os.path.join(self.baum, "programm", name), ordner)
        with open(os.path.join(ordner, "Varnis.ini"), "w", newline="") as datei:
            datei.write(ini_text(ebenen))
        self.maus(BILDSCHIRM[0] - 5, BILDSCHIRM[1] - 5)     # away from the chart
        prozess = subprocess.Popen(["wine", "Varnis32.exe"], cwd=ordner, env=self.umgebung,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            plan = None
            for _ in range(60):
                plan = self.plan()
                if plan:
                    break
                time.sleep(0.5)
            if not plan:
                sys.exit("bilder: Varnis showed no window")
            time.sleep(3)             # the drawing cycle's stages
            yield plan
        finally:
            subprocess.run(["wine", "taskkill", "/im", "Varnis32.exe"], env=self.umgebung,
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


def szenen(sitzung, ordner):
    kacheln = []
    for nummer, (text, ebenen) in enumerate(STUFEN[:-1]):
        with sitzung.varnis(ebenen) as plan:
            bild = os.path.join(ordner, "stufe%d.png" % nummer)
            sitzung.bildschirm(bild)
            kacheln.append(os.path.join(ordner, "kachel%d.png" % nummer))
            kachel(bild, steuerelemente(plan)["karte"], text, kacheln[-1])
    with sitzung.varnis(EBENEN) as plan:
        karte = steuerelemente(plan)["karte"]
        haupt = os.path.join(ordner, "haupt.png")
        sitzung.bildschirm(haupt)
        hauptfenster_bild(haupt, plan, os.path.join(ZIEL, "hauptfenster.png"))
        kacheln.append(os.path.join(ordner, "kachel4.png"))
        kachel(haupt, karte, STUFEN[-1][0], kacheln[-1])
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
        namen = [mitte_von(g) for g in haufen(farbpunkte(haupt, karte, NAMENFARBE)) if len(g) > 20]
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
