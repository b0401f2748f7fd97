"""A picture as a |bmN internal file of the WinHelp file.

The file holds one picture: a 4-byte header (magic, number of pictures)
and the picture's offset, then the picture as a device-independent bitmap
of 8 bits a pixel, its rows bottom up and padded to 4 bytes, packed with
the viewers' run-length scheme. A paragraph shows it with a picture command
that names the file by its number (absatz.py).
"""
from binaer import culong, cushort, u16, u32, u8

MAGIC = 0x706C                # "lp": a picture made from a bitmap file
DIB = 6                       # device-independent bitmap with its colour table
LAUFLAENGE = 1                # packed by runs (below)
DPI = 96                      # shown pixel for pixel on a screen of 96 dpi
KOPF = 8                      # magic, count, one offset


def lauflaenge_packen(daten):
    """Runs of one repeated byte as (count, byte), anything else as
    (0x80 | count, the bytes); counts up to 127."""
    aus, i, einzeln = bytearray(), 0, bytearray()

    def einzelne_schreiben():
        for anfang in range(0, len(einzeln), 127):
            stueck = einzeln[anfang:anfang + 127]
            aus.extend(u8(0x80 | len(stueck)) + stueck)
        einzeln.clear()

    while i < len(daten):
        lauf = 1
        while i + lauf < len(daten) and lauf < 127 and daten[i + lauf] == daten[i]:
            lauf += 1
        if lauf >= 3:
            einzelne_schreiben()
            aus.extend(u8(lauf) + daten[i:i + 1])
        else:
            einzeln.extend(daten[i:i + lauf])
        i += lauf
    einzelne_schreiben()
    return bytes(aus)


def pixel(bild):
    """The bitmap's pixel data: rows bottom up, each padded to 4 bytes."""
    rand = bytes(-bild.breite % 4)
    return b"".join(zeile + rand for zeile in reversed(bild.zeilen))


def bm_datei(bild):
    """The bytes of a |bmN internal file for a Bild."""
    gepackt = lauflaenge_packen(pixel(bild))
    farben = b"".join(bytes((b, g, r, 0)) for r, g, b in bild.farben)
    felder = (culong(DPI) + culong(DPI) + cushort(1) + cushort(8)
              + culong(bild.breite) + culong(bild.hoehe)
              + culong(len(bild.farben)) + culong(0)          # colours used, all important
              + culong(len(gepackt)) + culong(0))             # packed size, no hotspots
    # The offsets count from the picture's first byte: type, packing, the
    # fields, the two offsets themselves and the colour table come first.
    vorne = 2 + len(felder) + 8 + len(farben)
    bild_daten = (u8(DIB) + u8(LAUFLAENGE) + felder + u32(vorne) + u32(0)
                  + farben + gepackt)
    return u16(MAGIC) + u16(1) + u32(KOPF) + bild_daten
