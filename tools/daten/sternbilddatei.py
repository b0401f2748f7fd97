"""Writes the constellation file: per constellation a text line
"abk;Latin;German;RA hours;Dec degrees" (the German name in the OEM code page
850, whose umlauts and sharp s are those of 437 as well), the figure as pairs
of int16 HR numbers, a terminating pair (0, 0) and CR LF."""
import struct

ZEILE_MAX = 98            # bytes of the text line with its CR LF
BILDER_MAX = 90


def kopfzeile(bild):
    teile = [bild.abk.encode("ascii"), bild.name.encode("ascii"), bild.deutsch.encode("cp850"),
             b"%.4f" % bild.ra, b"%.3f" % bild.dec]
    zeile = b";".join(teile) + b"\r\n"
    if len(zeile) > ZEILE_MAX or any(not t or t.startswith(b" ") or b";" in t for t in teile):
        raise ValueError("constellation line does not fit: %r" % zeile)
    return zeile


def figur(bild):
    return b"".join(struct.pack("<hh", a, b) for a, b in bild.linien) + struct.pack("<hh", 0, 0)


def schreiben(pfad, bilder):
    if len(bilder) > BILDER_MAX:
        raise ValueError("more than %d constellations" % BILDER_MAX)
    with open(pfad, "wb") as datei:
        for bild in bilder:
            datei.write(kopfzeile(bild) + figur(bild) + b"\r\n")
