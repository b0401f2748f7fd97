"""The pictures of the help: PNG files with a palette of up to 256 colours,
8 bits a pixel, read without any library (only zlib).

The same file goes into the compiled HTML Help as it is, and into the
WinHelp file as a device-independent bitmap (hlpbild.py).
"""
import os
import struct
import zlib
from dataclasses import dataclass

from quelle import QuellFehler

ORDNER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "bilder")
PNG_KENNUNG = b"\x89PNG\r\n\x1a\n"
PALETTE = 3


@dataclass
class Bild:
    breite: int
    hoehe: int
    farben: list              # (red, green, blue) per palette index
    zeilen: list              # one bytes object of palette indices per row, top row first


def _stuecke(daten):
    """(type, content) of every chunk, checked against its CRC."""
    stelle = len(PNG_KENNUNG)
    while stelle < len(daten):
        laenge, art = struct.unpack_from(">I4s", daten, stelle)
        inhalt = daten[stelle + 8:stelle + 8 + laenge]
        pruefsumme, = struct.unpack_from(">I", daten, stelle + 8 + laenge)
        if zlib.crc32(art + inhalt) != pruefsumme:
            raise ValueError("chunk %r: wrong CRC" % art)
        yield art, inhalt
        stelle += 12 + laenge


def _zeilen(roh, breite, hoehe):
    """The rows of one byte a pixel. Only unfiltered rows are taken, as
    bildschirmfotos.py writes them (ImageMagick's png:compression-filter=0)."""
    zeilen = []
    for nummer in range(hoehe):
        anfang = nummer * (breite + 1)
        if roh[anfang] != 0:
            raise ValueError("row %d is filtered; write the picture with png:compression-filter=0" % nummer)
        zeilen.append(bytes(roh[anfang + 1:anfang + 1 + breite]))
    return zeilen


def png_lesen(daten):
    """A Bild from the bytes of a non-interlaced 8-bit palette PNG."""
    if not daten.startswith(PNG_KENNUNG):
        raise ValueError("not a PNG file")
    kopf, farben, roh = None, [], b""
    for art, inhalt in _stuecke(daten):
        if art == b"IHDR":
            kopf = struct.unpack(">IIBBBBB", inhalt)
        elif art == b"PLTE":
            farben = [tuple(inhalt[i:i + 3]) for i in range(0, len(inhalt), 3)]
        elif art == b"IDAT":
            roh += inhalt
    breite, hoehe, tiefe, farbart, _, _, zeilensprung = kopf
    if (tiefe, farbart, zeilensprung) != (8, PALETTE, 0) or not farben:
        raise ValueError("only non-interlaced 8-bit palette pictures are supported")
    roh = zlib.decompress(roh)
    if len(roh) != hoehe * (breite + 1):
        raise ValueError("the pixel data do not fill the picture")
    zeilen = _zeilen(roh, breite, hoehe)
    if max(max(z) for z in zeilen) >= len(farben):
        raise ValueError("a pixel names a colour the palette lacks")
    return Bild(breite, hoehe, farben, zeilen)


def laden(name, ordner=ORDNER):
    """(bytes of the PNG file, Bild) for a picture named in the source."""
    pfad = os.path.join(ordner, name)
    try:
        with open(pfad, "rb") as datei:
            daten = datei.read()
        return daten, png_lesen(daten)
    except (OSError, ValueError) as fehler:
        raise QuellFehler("picture %s: %s" % (name, fehler))
