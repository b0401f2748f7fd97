"""The fonts of the help file and the |FONT internal file.

Paragraph records switch fonts by their index in this table. Sizes are in
half points; colours are red, green, blue.
"""
from binaer import u8, u16

SCHRIFTART = "Arial"
FAMILIE_SWISS = 3                 # the help file's own family numbers, not Windows' FF_*
FETT, SCHRAEG = 0x01, 0x02        # attribute bits of a font descriptor

TEXT, TEXT_FETT, TITEL, KURSIV = 0, 1, 2, 3
SCHRIFTEN = [                     # (attributes, half points, colour)
    (0, 20, (0, 0, 0)),           # body text, 10 pt
    (FETT, 20, (0, 0, 0)),        # bold runs and headings
    (FETT, 28, (0, 0, 128)),      # topic titles, 14 pt, dark blue
    (SCHRAEG, 18, (0, 0, 0)),     # captions of pictures, 9 pt
]
NAMENSLAENGE = 32                 # face names are stored in fixed-size, NUL-padded slots


def font_datei():
    """|FONT: one face name, then one 11-byte descriptor per font."""
    name = SCHRIFTART.encode("ascii").ljust(NAMENSLAENGE, b"\0")
    kopf = 8
    daten = u16(1) + u16(len(SCHRIFTEN)) + u16(kopf) + u16(kopf + len(name)) + name
    for attribute, halbpunkte, (rot, gruen, blau) in SCHRIFTEN:
        daten += u8(attribute) + u8(halbpunkte) + u8(FAMILIE_SWISS) + u16(0)
        daten += bytes((rot, gruen, blau)) + bytes(3)      # background colour: unused
    return daten
