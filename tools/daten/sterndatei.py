"""Writes the star file: per star a 24-byte little-endian record and a name
line ending in CR LF."""
import struct

SUED = 0xFF               # declination sign byte: bit 7 set = south
NAME_MAX = 96             # the loader reads lines of at most 98 bytes with CR LF


def _sexagesimal(wert, teile):
    """Splits an integer count of the smallest unit into mixed-radix digits."""
    ziffern = []
    for basis in reversed(teile):
        wert, rest = divmod(wert, basis)
        ziffern.append(rest)
    return [wert] + list(reversed(ziffern))


def satz(stern):
    h, m, s, z = _sexagesimal(stern.ra_zs, [60, 60, 10])
    g, bm, bs = _sexagesimal(abs(stern.dec_bs), [60, 60])
    bezeichnung = stern.bezeichnung.encode("ascii")
    assert len(bezeichnung) == 10 and 0 <= h <= 23 and 0 <= g <= 90
    return struct.pack("<h11s4bB3bhc", stern.nummer, bezeichnung + b"\0", h, m, s, z,
                       SUED if stern.dec_bs < 0 else 0, g, bm, bs, stern.helligkeit,
                       stern.spektrum.encode("ascii"))


def namenszeile(stern):
    """The shown name, and after a ";" its IAU form where that differs (the
    loader takes the first field only)."""
    teile = [t.encode("cp1252") for t in (stern.name, stern.iau_name) if t]
    if stern.iau_name and (not stern.name or stern.iau_name == stern.name):
        raise ValueError("second form without a first one: %r" % stern.iau_name)
    zeile = b";".join(teile)
    if len(zeile) > NAME_MAX or any(b";" in t or t.startswith(b" ") for t in teile):
        raise ValueError("name does not fit the name line: %r" % zeile)
    return zeile + b"\r\n"


def schreiben(pfad, sterne):
    with open(pfad, "wb") as datei:
        for stern in sterne:
            datei.write(satz(stern))
            datei.write(namenszeile(stern))
