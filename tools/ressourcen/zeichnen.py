#!/usr/bin/env python3
"""Draws the pictures of Varnis32's resources and writes them into resources/:

  stern.cur      cursor "Stern": a four-pointed star, 32 x 32 and 48 x 48 monochrome
  sternbild.cur  cursor "Sternbild": the W of Cassiopeia, 32 x 32 and 48 x 48 monochrome
  varnis.ico     icon "Varnis_ico": a round star chart with the Plough, 32 x 32 in
                 16 colours, and 16, 20, 24, 40, 48, 64 (32-bit colour with
                 alpha) and 256 (PNG) pixels for the screens above 96 DPI
  varnis.bmp     bitmap "Varnis_bmp": the same chart as a 64 x 64 tile, 16 colours
  tamrel.bmp     bitmap "Tamrel_bmp": Orion over a hill with an observatory and
                 the program's name, 380 x 211, 256 colours

Only the standard library is used, plus ImageMagick's "convert" with the
Liberation fonts for the lettering. Random stars come from a seeded generator
of our own, so every run writes the same bytes.

    python3 tools/ressourcen/zeichnen.py [output folder, default resources/]
"""

import math
import os
import struct
import subprocess
import sys
import zlib

# ---------------------------------------------------------------- randomness


class Zufall:
    """Linear congruential generator (the constants of Numerical Recipes)."""

    def __init__(self, saat):
        self.z = saat & 0xFFFFFFFF

    def zahl(self):  # 0 <= x < 1
        self.z = (1664525 * self.z + 1013904223) & 0xFFFFFFFF
        return self.z / 4294967296.0


# ---------------------------------------------------------------- canvas


class Bild:
    """RGB picture in floats 0..255, row 0 at the top."""

    def __init__(self, breite, hoehe, farbe=(0, 0, 0)):
        self.b, self.h = breite, hoehe
        self.px = [[list(farbe) for _ in range(breite)] for _ in range(hoehe)]

    def mischen(self, x, y, farbe, deckung):
        if 0 <= x < self.b and 0 <= y < self.h and deckung > 0:
            d = min(deckung, 1.0)
            p = self.px[y][x]
            for k in range(3):
                p[k] += (farbe[k] - p[k]) * d

    def addieren(self, x, y, farbe, staerke):
        if 0 <= x < self.b and 0 <= y < self.h and staerke > 0:
            p = self.px[y][x]
            for k in range(3):
                p[k] = min(255.0, p[k] + farbe[k] * staerke)

    def scheibe(self, cx, cy, r, farbe, deckung=1.0):
        """Disc with an antialiased edge (coverage from the distance to the rim)."""
        for y in range(int(cy - r - 2), int(cy + r + 3)):
            for x in range(int(cx - r - 2), int(cx + r + 3)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                self.mischen(x, y, farbe, deckung * max(0.0, min(1.0, r + 0.5 - d)))

    def ring(self, cx, cy, r, breite, farbe, deckung=1.0, bogen=None):
        for y in range(int(cy - r - breite - 2), int(cy + r + breite + 3)):
            for x in range(int(cx - r - breite - 2), int(cx + r + breite + 3)):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                if bogen and not bogen(dx, dy):
                    continue
                d = abs(math.hypot(dx, dy) - r)
                self.mischen(x, y, farbe, deckung * max(0.0, min(1.0, breite / 2 + 0.5 - d)))

    def linie(self, x0, y0, x1, y1, breite, farbe, deckung=1.0, luecke=0.0):
        """Antialiased segment; luecke leaves that many pixels free at both ends
        (figure lines stop short of their stars)."""
        lx, ly = x1 - x0, y1 - y0
        l2 = lx * lx + ly * ly
        laenge = math.sqrt(l2)
        for y in range(int(min(y0, y1) - breite - 2), int(max(y0, y1) + breite + 3)):
            for x in range(int(min(x0, x1) - breite - 2), int(max(x0, x1) + breite + 3)):
                px, py = x + 0.5 - x0, y + 0.5 - y0
                t = max(0.0, min(1.0, (px * lx + py * ly) / l2))
                if not (luecke <= t * laenge <= laenge - luecke):
                    continue
                d = math.hypot(px - t * lx, py - t * ly)
                self.mischen(x, y, farbe, deckung * max(0.0, min(1.0, breite / 2 + 0.5 - d)))

    def stern(self, cx, cy, kern, farbe, glanz=0.0, strahlen=0.0):
        """A star: a solid core, a gaussian glow and optional four-ray glint."""
        if glanz > 0:
            s = kern * 1.8 + 0.8
            w = int(s * 3 + 2)
            for y in range(int(cy) - w, int(cy) + w + 1):
                for x in range(int(cx) - w, int(cx) + w + 1):
                    d2 = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
                    self.addieren(x, y, farbe, glanz * math.exp(-d2 / (2 * s * s)))
        if strahlen > 0:
            for dx, dy in ((1, 0), (0, 1)):
                for t in range(-int(strahlen), int(strahlen) + 1):
                    abfall = (1 - abs(t) / strahlen) ** 2
                    self.addieren(int(cx + dx * t), int(cy + dy * t), farbe, 0.55 * abfall)
        self.scheibe(cx, cy, kern, farbe)


# ---------------------------------------------------------------- lettering


def schriftmaske(breite, hoehe, text, schrift, groesse, x, y):
    """Coverage 0..1 of text rendered by ImageMagick (baseline at y)."""
    roh = subprocess.run(
        ["convert", "-size", f"{breite}x{hoehe}", "xc:black", "-font", schrift,
         "-pointsize", str(groesse), "-fill", "white", "-annotate", f"+{x}+{y}", text,
         "-depth", "8", "gray:-"],
        check=True, capture_output=True).stdout
    assert len(roh) == breite * hoehe, "convert gave an unexpected size"
    return [[roh[j * breite + i] / 255.0 for i in range(breite)] for j in range(hoehe)]


def maske_verschieben(m, dx, dy):
    h, b = len(m), len(m[0])
    return [[m[j - dy][i - dx] if 0 <= j - dy < h and 0 <= i - dx < b else 0.0
             for i in range(b)] for j in range(h)]


def maske_weich(m, radius):
    """Box blur applied twice: a soft halo around the lettering."""
    h, b = len(m), len(m[0])
    for _ in range(2):
        zeilen = [[sum(z[max(0, i - radius):i + radius + 1]) / (2 * radius + 1) for i in range(b)] for z in m]
        m = [[sum(zeilen[k][i] for k in range(max(0, j - radius), min(h, j + radius + 1))) / (2 * radius + 1)
              for i in range(b)] for j in range(h)]
    return m


# ---------------------------------------------------------------- colours

# Star colours by spectral class, as the chart draws them (blue-white to red).
SPEKTRUM = {
    "O": (170, 190, 255), "B": (190, 210, 255), "A": (235, 240, 255), "F": (255, 250, 235),
    "G": (255, 240, 200), "K": (255, 205, 140), "M": (255, 160, 110),
}

# The 16 colours of the icon and the small bitmap: night blues, star colours,
# the chart's grid and rim.
PALETTE_16 = [
    (0, 0, 0), (6, 10, 34), (12, 20, 58), (22, 36, 92),
    (38, 62, 132), (70, 104, 176), (120, 156, 220), (180, 205, 250),
    (255, 255, 255), (255, 244, 214), (255, 214, 120), (255, 168, 92),
    (224, 96, 72), (96, 96, 104), (160, 160, 168), (214, 214, 220),
]


def naechste(palette, farbe):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - farbe[k]) ** 2 for k in range(3)))


def median_schnitt(farben, anzahl):
    """Palette of `anzahl` colours by median cut over a colour histogram."""
    kisten = [list(farben.items())]
    while len(kisten) < anzahl:
        kisten.sort(key=lambda k: max(max(f[0][c] for f in k) - min(f[0][c] for f in k) for c in range(3))
                    if len(k) > 1 else -1)
        k = kisten.pop()
        if len(k) < 2:
            kisten.append(k)
            break
        achse = max(range(3), key=lambda c: max(f[0][c] for f in k) - min(f[0][c] for f in k))
        k.sort(key=lambda f: f[0][achse])
        gesamt, summe, teil = sum(n for _, n in k), 0, 1
        for i, (_, n) in enumerate(k):
            summe += n
            if summe * 2 >= gesamt:
                teil = max(1, min(len(k) - 1, i + 1))
                break
        kisten += [k[:teil], k[teil:]]
    palette = []
    for k in kisten:
        n = sum(c for _, c in k)
        palette.append(tuple(round(sum(f[c] * m for f, m in k) / n) for c in range(3)))
    while len(palette) < anzahl:
        palette.append((0, 0, 0))
    return palette


def indizieren(bild, palette, streuen):
    """Colour-table indices; streuen: Floyd-Steinberg error diffusion."""
    px = [[p[:] for p in z] for z in bild.px]
    cache, idx = {}, [[0] * bild.b for _ in range(bild.h)]
    for y in range(bild.h):
        for x in range(bild.b):
            alt = [max(0, min(255, round(v))) for v in px[y][x]]
            schl = tuple(alt)
            if schl not in cache:
                cache[schl] = naechste(palette, schl)
            i = idx[y][x] = cache[schl]
            if streuen:
                fehler = [alt[k] - palette[i][k] for k in range(3)]
                for dx, dy, g in ((1, 0, 7), (-1, 1, 3), (0, 1, 5), (1, 1, 1)):
                    if 0 <= x + dx < bild.b and y + dy < bild.h:
                        q = px[y + dy][x + dx]
                        for k in range(3):
                            q[k] += fehler[k] * g / 16
    return idx


# ---------------------------------------------------------------- file formats


def zeilen_packen(idx, bits):
    """Bottom-up rows of indices at 1, 4 or 8 bits, each padded to 4 bytes."""
    aus = bytearray()
    for zeile in reversed(idx):
        bitfolge = 0
        zeilenbytes = bytearray()
        n = 0
        for v in zeile:
            bitfolge = (bitfolge << bits) | v
            n += bits
            if n == 8:
                zeilenbytes.append(bitfolge)
                bitfolge, n = 0, 0
        if n:
            zeilenbytes.append(bitfolge << (8 - n))
        while len(zeilenbytes) % 4:
            zeilenbytes.append(0)
        aus += zeilenbytes
    return bytes(aus)


def info_kopf(breite, hoehe, bits, bildbytes, farben):
    return struct.pack("<IiiHHIIiiII", 40, breite, hoehe, 1, bits, 0, bildbytes, 2835, 2835, farben, 0)


def farbtabelle(palette):
    return b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)


def bmp_schreiben(pfad, idx, palette, bits):
    pixel = zeilen_packen(idx, bits)
    kopf = info_kopf(len(idx[0]), len(idx), bits, len(pixel), len(palette)) + farbtabelle(palette)
    datei = struct.pack("<2sIHHI", b"BM", 14 + len(kopf) + len(pixel), 0, 0, 14 + len(kopf))
    with open(pfad, "wb") as f:
        f.write(datei + kopf + pixel)


def symbol_bild(farb_idx, und_maske, palette, bits):
    """One image of an .ico or .cur: an indexed colour image over an AND mask."""
    b, h = len(farb_idx[0]), len(farb_idx)
    xor = zeilen_packen(farb_idx, bits)
    und = zeilen_packen(und_maske, 1)
    return info_kopf(b, 2 * h, bits, len(xor) + len(und), 0) + farbtabelle(palette) + xor + und


def symbol_bild_32(rgba):
    """One image of 32-bit colour with alpha (rows of (r, g, b, a)), its AND
    mask from the alpha (transparent where alpha is 0)."""
    h, b = len(rgba), len(rgba[0])
    xor = b"".join(struct.pack("BBBB", bl, g, r, a) for zeile in reversed(rgba) for r, g, bl, a in zeile)
    und = zeilen_packen([[1 if p[3] == 0 else 0 for p in zeile] for zeile in rgba], 1)
    return info_kopf(b, 2 * h, 32, len(xor) + len(und), 0) + xor + und


def png_bild(rgba):
    """A PNG of 8-bit RGBA (rows of (r, g, b, a)), as icons hold their 256-pixel image."""
    h, b = len(rgba), len(rgba[0])
    roh = b"".join(b"\0" + bytes(v for p in zeile for v in p) for zeile in rgba)

    def block(art, daten):
        return struct.pack(">I", len(daten)) + art + daten + struct.pack(">I", zlib.crc32(art + daten))

    return (b"\x89PNG\r\n\x1a\n" + block(b"IHDR", struct.pack(">IIBBBBB", b, h, 8, 6, 0, 0, 0))
            + block(b"IDAT", zlib.compress(roh, 9)) + block(b"IEND", b""))


def symbol_schreiben(pfad, art, bilder):
    """.ico (art 1) or .cur (art 2) of several images, each (size, colours,
    bits per pixel or hot spot, bytes); for a cursor the entry's planes and
    bit count fields hold the hot spot, for an icon 1 and the bits."""
    kopf = struct.pack("<HHH", 0, art, len(bilder))
    stelle = 6 + 16 * len(bilder)
    eintraege, daten = b"", b""
    for groesse, farben, felder, bild in bilder:
        eintraege += struct.pack("<BBBBHHII", groesse % 256, groesse % 256, farben % 256, 0,
                                 felder[0], felder[1], len(bild), stelle)
        stelle += len(bild)
        daten += bild
    with open(pfad, "wb") as f:
        f.write(kopf + eintraege + daten)


# ---------------------------------------------------------------- cursors


# The cursors' sizes: 32 pixels for 96 DPI, 48 for 144 DPI (Windows takes
# the nearest one for the resolutions between and above).
CURSOR_GROESSEN = (32, 48)


def cursor_bild(weiss, groesse):
    """Monochrome cursor image from a set of white pixels: each white shape
    gets a black outline one pixel wide (readable on light and dark charts),
    all else is transparent. Hot spot in the middle."""
    rand = set()
    for (x, y) in weiss:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if (x + dx, y + dy) not in weiss:
                    rand.add((x + dx, y + dy))
    n = range(groesse)
    farbe = [[1 if (x, y) in weiss else 0 for x in n] for y in n]
    und = [[0 if (x, y) in weiss or (x, y) in rand else 1 for x in n] for y in n]
    mitte = groesse // 2
    return (groesse, 2, (mitte, mitte), symbol_bild(farbe, und, [(0, 0, 0), (255, 255, 255)], 1))


def cursor_schreiben(pfad, form):
    """A cursor of every size of CURSOR_GROESSEN, form(groesse) giving its white pixels."""
    symbol_schreiben(pfad, 2, [cursor_bild(form(g), g) for g in CURSOR_GROESSEN])


def stern_cursor(groesse):
    """A four-pointed star with concave sides and short diagonal rays; its
    centre is left open so the star under the hot spot stays visible."""
    def spitz(u, v, r):  # inside a star of four cusps of reach r
        return math.sqrt(u) + math.sqrt(v) <= math.sqrt(r) + 0.05

    m = groesse / 32  # the 32-pixel drawing's measures at this size
    c = groesse // 2
    weiss = set()
    for y in range(groesse):
        for x in range(groesse):
            dx, dy = abs(x - c), abs(y - c)
            schraeg = spitz(abs(dx - dy) / math.sqrt(2), (dx + dy) / math.sqrt(2), 7.5 * m)
            if (spitz(dx, dy, 14 * m) or schraeg) and max(dx, dy) > round(m):
                weiss.add((x, y))
    return weiss


def sternbild_cursor(groesse):
    """Cassiopeia's W, its middle star on the hot spot, drawn as five stars
    joined by lines."""
    m = groesse / 32  # the 32-pixel drawing's measures at this size
    c = groesse // 2
    punkte = [(round(x * m), round(y * m)) for x, y in [(3, 10), (9, 22), (16, 16), (23, 23), (29, 9)]]
    weiss = set()
    for (ax, ay), (bx, by) in zip(punkte, punkte[1:]):
        schritte = max(abs(bx - ax), abs(by - ay))
        for t in range(schritte + 1):
            weiss.add((round(ax + (bx - ax) * t / schritte), round(ay + (by - ay) * t / schritte)))
    if m > 1:  # lines as thick as the stars are larger: one pixel more
        weiss |= {(x + 1, y) for (x, y) in weiss}
    for (px, py) in punkte:
        r = (2.3 if (px, py) == (c, c) else 1.9) * m
        w = math.ceil(r) + 1
        for y in range(py - w, py + w + 1):
            for x in range(px - w, px + w + 1):
                if math.hypot(x - px, y - py) <= r:
                    weiss.add((x, y))
    weiss.discard((c, c))  # the exact point stays open
    return {(x, y) for (x, y) in weiss if 1 <= x <= groesse - 2 and 1 <= y <= groesse - 2}


# ---------------------------------------------------------------- the round chart

# The Plough (Ursa Major): right ascension (h), declination (deg), magnitude, class.
GROSSER_WAGEN = [
    ("Dubhe", 11.062, 61.75, 1.79, "K"), ("Merak", 11.031, 56.38, 2.37, "A"),
    ("Phecda", 11.897, 53.69, 2.44, "A"), ("Megrez", 12.257, 57.03, 3.31, "A"),
    ("Alioth", 12.900, 55.96, 1.77, "A"), ("Mizar", 13.399, 54.93, 2.27, "A"),
    ("Alkaid", 13.792, 49.31, 1.86, "B"),
]
WAGEN_LINIEN = [(0, 1), (1, 2), (2, 3), (3, 0), (3, 4), (4, 5), (5, 6)]


def gnomonisch(ra, dek, ra0, dek0):
    """Projection onto the tangent plane at (ra0, dek0), east to the left;
    returns (x right, y up) in radians of the tangent plane."""
    a, d, a0, d0 = math.radians(ra * 15), math.radians(dek), math.radians(ra0 * 15), math.radians(dek0)
    c = math.sin(d0) * math.sin(d) + math.cos(d0) * math.cos(d) * math.cos(a - a0)
    x = math.cos(d) * math.sin(a - a0) / c
    y = (math.cos(d0) * math.sin(d) - math.sin(d0) * math.cos(d) * math.cos(a - a0)) / c
    return -x, y


def wagen_punkte(cx, cy, massstab):
    punkte = [gnomonisch(ra, dek, 12.3, 56.0) for _, ra, dek, _, _ in GROSSER_WAGEN]
    return [(cx + x * massstab, cy - y * massstab) for x, y in punkte]


def runde_karte(groesse, rand, grundfarbe_aussen):
    """The chart disc of the icon and the small bitmap: a night-blue disc, the
    Plough with its figure lines, a few faint stars and a light rim; from 48
    pixels up also a grid of two circles and four meridians. Lines and stars
    are those of 64 pixels, grown with the disc above that."""
    z = Zufall(1907)
    klein = groesse < 48
    s = max(1.0, groesse / 64)
    bild = Bild(groesse, groesse, grundfarbe_aussen)
    c = groesse / 2
    r = c - rand
    for y in range(groesse):
        for x in range(groesse):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c) / r
            if d <= 1.02:
                t = 0.4 if klein else min(1.0, d)  # 16 colours band a gradient on 32 pixels
                farbe = (6 + 14 * t, 10 + 22 * t, 36 + 50 * t)
                bild.mischen(x, y, farbe, max(0.0, min(1.0, (r + 0.5 - d * r))))
    if not klein:
        netz = (44, 70, 140)
        for k in range(4):
            w = math.pi * k / 4
            bild.linie(c - r * math.cos(w), c - r * math.sin(w), c + r * math.cos(w), c + r * math.sin(w),
                       0.8 * s, netz, 0.45)
        for f in (0.33, 0.66):
            bild.ring(c, c, r * f, 0.8 * s, netz, 0.45)
    for _ in range(6 if klein else int(groesse * 0.7)):
        w, d = z.zahl() * 2 * math.pi, math.sqrt(z.zahl()) * (r - 2)
        bild.addieren(int(c + d * math.cos(w)), int(c + d * math.sin(w)), (200, 215, 255), 0.25 + 0.45 * z.zahl())
    punkte = wagen_punkte(c + r * 0.04, c + r * 0.04, r * 3.0)
    for a, b in WAGEN_LINIEN:
        bild.linie(*punkte[a], *punkte[b], 1.0 * s, (110, 150, 230), 0.9, luecke=1.0 if klein else 2.2 * s)
    for (x, y), (_, _, _, mag, klasse) in zip(punkte, GROSSER_WAGEN):
        if klein:  # whole pixels: a cross for the stars brighter than 2.0, else one pixel
            bild.mischen(int(x), int(y), SPEKTRUM[klasse], 1.0)
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                bild.mischen(int(x) + dx, int(y) + dy, SPEKTRUM[klasse], 0.7 if mag < 2.0 else 0.0)
        else:
            bild.stern(x, y, (0.8 + (3.3 - mag) * 0.45) * s, SPEKTRUM[klasse])
    bild.ring(c, c, r, 1.2 if klein else 1.6 * s, (150, 180, 235))
    return bild


# The icon's sizes besides 32: the small icon (16) and the large one (32)
# at 125 %, 150 %, 200 % (20, 24, 40, 48, 64), and 256 for Explorer's views.
SYMBOL_GROESSEN = (16, 20, 24, 40, 48, 64, 256)


def symbol_32():
    """The 32-pixel icon of 16 colours, the one every system shows at 96 DPI."""
    bild = runde_karte(32, 0.6, (150, 180, 235))  # outside: the rim colour, cut by the mask
    idx = indizieren(bild, PALETTE_16, False)
    und = [[0 if math.hypot(x + 0.5 - 16, y + 0.5 - 16) <= 16.0 else 1 for x in range(32)] for y in range(32)]
    for y in range(32):
        for x in range(32):
            if und[y][x]:
                idx[y][x] = 0
    return (32, 16, (1, 4), symbol_bild(idx, und, PALETTE_16, 4))


def symbol_farbig(groesse):
    """The same disc in 32-bit colour, its edge smoothed by the alpha channel."""
    bild = runde_karte(groesse, 0.6 * groesse / 32, (150, 180, 235))
    c = groesse / 2
    rgba = [[tuple(max(0, min(255, round(v))) for v in bild.px[y][x])
             + (max(0, min(255, round(255 * (c + 0.5 - math.hypot(x + 0.5 - c, y + 0.5 - c))))),)
             for x in range(groesse)] for y in range(groesse)]
    daten = png_bild(rgba) if groesse >= 256 else symbol_bild_32(rgba)
    return (groesse, 0, (1, 32), daten)


def symbol(pfad):
    bilder = [symbol_32()] + [symbol_farbig(g) for g in SYMBOL_GROESSEN]
    bilder.sort(key=lambda b: b[0])
    symbol_schreiben(pfad, 1, bilder)


def kachel(pfad):
    """The small about picture: the chart disc on a tile of night sky with a
    thin frame."""
    bild = runde_karte(64, 4, (4, 6, 22))
    z = Zufall(64)
    for y in range(64):
        for x in range(64):
            if math.hypot(x + 0.5 - 32, y + 0.5 - 32) > 29.5 and z.zahl() < 0.05:
                bild.addieren(x, y, (190, 205, 255), 0.5)
    for i in range(64):
        for x, y in ((i, 0), (i, 63), (0, i), (63, i)):
            bild.mischen(x, y, (70, 104, 176), 1.0)
    bmp_schreiben(pfad, indizieren(bild, PALETTE_16, False), PALETTE_16, 4)
    return bild


# ---------------------------------------------------------------- the about picture

# Orion and its neighbours: right ascension (h), declination (deg), magnitude, class.
ORION = [
    ("Beteigeuze", 5.919, 7.41, 0.50, "M"), ("Bellatrix", 5.419, 6.35, 1.64, "B"),
    ("Alnitak", 5.679, -1.94, 1.77, "O"), ("Alnilam", 5.604, -1.20, 1.69, "B"),
    ("Mintaka", 5.533, -0.30, 2.23, "O"), ("Saiph", 5.796, -9.67, 2.06, "B"),
    ("Rigel", 5.242, -8.20, 0.13, "B"), ("Meissa", 5.585, 9.93, 3.39, "O"),
    ("Nair al Saif", 5.590, -5.91, 2.77, "O"),
]
ORION_LINIEN = [(7, 0), (7, 1), (0, 1), (0, 2), (1, 4), (2, 3), (3, 4), (2, 5), (4, 6), (5, 6)]
NACHBARN = [
    ("Sirius", 6.752, -16.72, -1.46, "A"), ("Aldebaran", 4.599, 16.51, 0.85, "K"),
    ("Elnath", 5.438, 28.61, 1.65, "B"),
]


def himmel_punkt(ra, dek, mitte, massstab):
    x, y = gnomonisch(ra, dek, 5.55, 2.0)
    return mitte[0] + x * massstab, mitte[1] - y * massstab


def horizont(x):
    """Height of the hill line in pixels above the bottom edge."""
    return 24 + 7 * math.sin(x / 47.0 + 0.6) + 4 * math.sin(x / 19.0 + 2.1) + 2 * math.sin(x / 7.3)


def grosses_bild(pfad):
    B, H = 380, 211
    z = Zufall(2203)
    bild = Bild(B, H)
    # Sky: black at the top to a deep blue near the horizon, with a faint
    # glow of twilight low in the west (right).
    for y in range(H):
        t = y / (H - 1)
        for x in range(B):
            glut = max(0.0, t - 0.55) * max(0.0, x / B - 0.3) * 2.2
            bild.px[y][x] = [3 + 16 * t ** 2 + 45 * glut, 4 + 22 * t ** 2 + 30 * glut, 14 + 62 * t ** 1.6 + 20 * glut]
    # The winter Milky Way, a soft band on the left, mottled.
    for y in range(H):
        for x in range(B):
            d = abs((x - 70) * 0.94 + (y - 100) * 0.34) / 38.0
            staerke = math.exp(-d * d) * (0.55 + 0.45 * math.sin(x * 0.21 + y * 0.13) * math.sin(x * 0.05 - y * 0.17))
            bild.addieren(x, y, (28, 30, 44), staerke)
    # Faint background stars, more of them in the Milky Way.
    for _ in range(900):
        x, y = z.zahl() * B, z.zahl() * H
        band = math.exp(-(((x - 70) * 0.94 + (y - 100) * 0.34) / 38.0) ** 2)
        if z.zahl() > 0.35 + 0.65 * band and z.zahl() < 0.6:
            continue
        mag = 3.6 + 2.6 * z.zahl() ** 0.6
        farbe = SPEKTRUM["BAFGKM"[int(z.zahl() * 6)]]
        helle = max(0.12, (6.4 - mag) / 3.0)
        if mag < 4.3:
            bild.stern(x, y, 0.45 + (4.3 - mag) * 0.5, farbe, glanz=0.35 * helle)
        else:
            bild.addieren(int(x), int(y), farbe, helle)
    mitte, massstab = (262, 80), 305.0
    orion = [himmel_punkt(ra, dek, mitte, massstab) for _, ra, dek, _, _ in ORION]
    for a, b in ORION_LINIEN:
        bild.linie(*orion[a], *orion[b], 1.1, (96, 130, 210), 0.75, luecke=4.0)
    for (x, y), (_, _, _, mag, klasse) in zip(orion + [himmel_punkt(ra, dek, mitte, massstab) for _, ra, dek, _, _ in NACHBARN],
                                                ORION + NACHBARN):
        kern = 0.7 + (3.5 - mag) * 0.42
        bild.stern(x, y, kern, SPEKTRUM[klasse], glanz=0.55, strahlen=(7 + (1 - mag) * 5) if mag < 1 else 0)
    # Orion's nebula below the belt: a small pinkish smudge.
    nx, ny = himmel_punkt(5.588, -5.39, mitte, massstab)
    for y in range(int(ny) - 6, int(ny) + 7):
        for x in range(int(nx) - 6, int(nx) + 7):
            bild.addieren(x, y, (120, 70, 110), 0.5 * math.exp(-((x - nx) ** 2 + (y - ny) ** 2) / 10.0))
    # Hill and observatory in silhouette.
    kuppel_x, kuppel_r = 92, 11
    for x in range(B):
        oben = H - horizont(x)
        for y in range(int(oben), H):
            bild.mischen(x, y, (2, 3, 8), min(1.0, y + 1 - oben))
    boden = H - horizont(kuppel_x) - 2
    for y in range(int(boden - 10), int(boden + 3)):
        for x in range(kuppel_x - kuppel_r, kuppel_x + kuppel_r + 1):
            bild.mischen(x, y, (2, 3, 8), 1.0)
    bild.scheibe(kuppel_x, boden - 10, kuppel_r, (2, 3, 8))
    bild.linie(kuppel_x - 1, boden - 22, kuppel_x + 4, boden - 11, 2.2, (60, 70, 110), 0.8)  # the open slit
    bild.scheibe(kuppel_x - 5, boden - 2, 1.3, (255, 210, 130))  # a lit window
    # The program's name: a soft blue halo, then the letters in pale gold.
    schrift = "/usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf"
    titel = schriftmaske(B, H, "Varnis", schrift, 60, 16, 66)
    halo = maske_weich(maske_verschieben(titel, 0, 0), 3)
    untertitel = schriftmaske(B, H, "Sternkarte f\u00fcr Windows", "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
                              14, 24, 90)
    for y in range(H):
        for x in range(B):
            bild.addieren(x, y, (60, 90, 170), 0.9 * halo[y][x])
            verlauf = y / 70.0
            gold = (255, 236 - 40 * verlauf, 170 - 90 * verlauf)
            bild.mischen(x, y, gold, titel[y][x])
            bild.mischen(x, y, (170, 195, 240), untertitel[y][x])
    farben = {}
    for zeile in bild.px:
        for p in zeile:
            schl = tuple(max(0, min(255, round(v))) for v in p)
            farben[schl] = farben.get(schl, 0) + 1
    palette = median_schnitt(farben, 256)
    bmp_schreiben(pfad, indizieren(bild, palette, True), palette, 8)
    return bild


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "resources")
    cursor_schreiben(os.path.join(ziel, "stern.cur"), stern_cursor)
    cursor_schreiben(os.path.join(ziel, "sternbild.cur"), sternbild_cursor)
    symbol(os.path.join(ziel, "varnis.ico"))
    kachel(os.path.join(ziel, "varnis.bmp"))
    grosses_bild(os.path.join(ziel, "tamrel.bmp"))


if __name__ == "__main__":
    main()
