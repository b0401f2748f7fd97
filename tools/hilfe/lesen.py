"""Reads a help file the way a help viewer does, for the checks in
test_hilfe.py: the directory, the internal files, |SYSTEM, the B+ trees and
the chain of topic records with their titles, texts and jumps.

It shares no code with the writer, so a fault in the writer's bookkeeping
shows up as a file this reader cannot walk.
"""
import struct
from dataclasses import dataclass, field

BLOCK, BLOCKKOPF, BLOCKDATEN = 4096, 12, 4096 - 12
KEINE = 0xFFFFFFFF


class LeseFehler(ValueError):
    pass


def _u16(daten, stelle):
    return struct.unpack_from("<H", daten, stelle)[0]


def _u32(daten, stelle):
    return struct.unpack_from("<I", daten, stelle)[0]


def _feld(daten, stelle, art):
    """One field of a B+ tree entry: (value, next place)."""
    if art in "zFi":
        ende = daten.index(b"\0", stelle)
        return daten[stelle:ende], ende + 1
    if art in "L4":
        return _u32(daten, stelle), stelle + 4
    if art == "2":
        return _u16(daten, stelle), stelle + 2
    raise LeseFehler("B+ tree field %r not supported" % art)


def btree(daten):
    """All leaf entries of a B+ tree file, as tuples, in leaf order."""
    if _u16(daten, 0) != 0x293B:
        raise LeseFehler("no B+ tree")
    seite = _u16(daten, 4)
    aufbau = daten[6:22].rstrip(b"\0").decode("ascii")
    wurzel, ebenen, anzahl = _u16(daten, 26), _u16(daten, 32), _u32(daten, 34)
    seiten = daten[38:]
    nummer = wurzel
    for _ in range(ebenen - 1):                   # index pages: follow the first child
        nummer = _u16(seiten, nummer * seite + 4)
    eintraege = []
    while nummer != 0xFFFF:
        kopf = nummer * seite
        stelle = kopf + 8
        for _ in range(_u16(seiten, kopf + 2)):
            eintrag = []
            for art in aufbau:
                wert, stelle = _feld(seiten, stelle, art)
                eintrag.append(wert)
            eintraege.append(tuple(eintrag))
        nummer = _u16(seiten, kopf + 6)
    if len(eintraege) != anzahl:
        raise LeseFehler("B+ tree holds %d entries, its header says %d" % (len(eintraege), anzahl))
    return eintraege


def suchen(eintraege, schluessel, ordnung=lambda wert: wert):
    """The value for a key, looked up as a viewer does in a sorted leaf: the
    scan stops at the first larger key, so an entry out of order is not found."""
    for eintrag in eintraege:
        if ordnung(eintrag[0]) == ordnung(schluessel):
            return eintrag[1]
        if ordnung(eintrag[0]) > ordnung(schluessel):
            break
    raise KeyError(schluessel)


def vorzeichen(wert):
    """A 32-bit value as the signed number the |CONTEXT tree is ordered by."""
    return wert - (1 << 32) if wert & 0x80000000 else wert


class Hlp:
    def __init__(self, daten):
        magic, verzeichnis, _, groesse = struct.unpack_from("<IIII", daten)
        if magic != 0x00035F3F or groesse != len(daten):
            raise LeseFehler("not a help file, or its size is wrong")
        self.daten = daten
        self.verzeichnis = btree(self._inhalt(verzeichnis))
        self.dateien = [name.decode("ascii") for name, _ in self.verzeichnis]

    def _inhalt(self, offset):
        reserviert, benutzt = _u32(self.daten, offset), _u32(self.daten, offset + 4)
        if reserviert < benutzt + 9 or offset + reserviert > len(self.daten):
            raise LeseFehler("internal file at %d does not fit" % offset)
        return self.daten[offset + 9:offset + 9 + benutzt]

    def intern(self, name):
        return self._inhalt(suchen(self.verzeichnis, name.encode("ascii")))

    def kontext(self, wert):
        """TOPICOFFSET of the topic whose context name has this hash."""
        return suchen(btree(self.intern("|CONTEXT")), wert, vorzeichen)

    def system(self):
        """(version, flags, {record type: [data, ...]})."""
        daten = self.intern("|SYSTEM")
        if _u16(daten, 0) != 0x036C or _u16(daten, 4) != 1:
            raise LeseFehler("wrong |SYSTEM header")
        saetze, stelle = {}, 12
        while stelle + 4 <= len(daten):
            art, laenge = _u16(daten, stelle), _u16(daten, stelle + 2)
            saetze.setdefault(art, []).append(daten[stelle + 4:stelle + 4 + laenge])
            stelle += 4 + laenge
        return _u16(daten, 2), _u16(daten, 10), saetze


@dataclass
class Satz:
    pos: int                  # TOPICPOS
    vorher: int
    naechster: int
    art: int
    daten1: bytes
    daten2: bytes
    offset: int = 0           # TOPICOFFSET of the record's start


@dataclass
class Absatz:
    text: str
    spruenge: list = field(default_factory=list)
    bilder: list = field(default_factory=list)     # numbers of the |bmN files shown


def block_koepfe(topic):
    """(LastTopicLink, FirstTopicLink, LastTopicHeader) of every topic block."""
    return [struct.unpack_from("<III", topic, i) for i in range(0, len(topic), BLOCK)]


def saetze(topic):
    """The chain of topic records from TOPICPOS 12 to the end mark."""
    speicher = b"".join(topic[i + BLOCKKOPF:i + BLOCK].ljust(BLOCKDATEN, b"\0")
                        for i in range(0, len(topic), BLOCK))
    liste, pos, zeichen, block = [], BLOCKKOPF, 0, -1
    while pos != KEINE:
        index, stelle = (pos - BLOCKKOPF) >> 14, (pos - BLOCKKOPF) & 0x3FFF
        if len(liste) > 10000 or stelle >= BLOCKDATEN:
            raise LeseFehler("topic chain broken at %#x" % pos)
        if index != block:
            block, zeichen = index, 0
        start = index * BLOCKDATEN + stelle
        groesse, laenge2, vorher, naechster, laenge1 = struct.unpack_from("<IIIII", speicher, start)
        art = speicher[start + 20]
        satz = Satz(pos, vorher, naechster, art, speicher[start + 21:start + laenge1],
                    speicher[start + laenge1:start + groesse], index * 0x8000 + zeichen)
        if len(satz.daten2) != laenge2:
            raise LeseFehler("record at %#x: text length does not match" % pos)
        if art == 0x20:
            zeichen += _text_laenge(satz.daten1)
        liste.append(satz)
        pos = naechster
    return liste


class _Zeiger:
    """Reads the compressed numbers of a text record's format data; the lowest
    bit of the first byte says whether the short or the long form follows."""
    def __init__(self, daten):
        self.daten, self.stelle = daten, 0

    def byte(self):
        self.stelle += 1
        return self.daten[self.stelle - 1]

    def wort(self):
        self.stelle += 2
        return _u16(self.daten, self.stelle - 2)

    def cushort(self):
        return (self.wort() if self.daten[self.stelle] & 1 else self.byte()) >> 1

    def csshort(self):
        lang = self.daten[self.stelle] & 1
        return self.cushort() - (0x4000 if lang else 0x40)

    def culong(self):
        if self.daten[self.stelle] & 1:
            self.stelle += 4
            return _u32(self.daten, self.stelle - 4) >> 1
        return self.wort() >> 1

    def cslong(self):
        lang = self.daten[self.stelle] & 1
        return self.culong() - (0x40000000 if lang else 0x4000)


def _text_laenge(daten1):
    zeiger = _Zeiger(daten1)
    zeiger.culong()                               # TopicSize
    return zeiger.cushort()                       # TopicLength: the record's text bytes


def absatz(satz):
    """The text of a text record (tab as \\t, paragraph end as \\n) and its jump hashes."""
    zeiger = _Zeiger(satz.daten1)
    zeiger.culong()
    zeiger.cushort()
    zeiger.stelle += 4                            # 00 80 and the paragraph id
    bits = zeiger.wort()
    if bits & 0x0001:
        zeiger.culong()
    for bit in (0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0040):
        if bits & bit:
            zeiger.csshort()
    if bits & 0x0100:
        zeiger.stelle += 3                        # border bits and width
    if bits & 0x0200:
        for _ in range(zeiger.csshort()):
            if zeiger.cushort() & 0x4000:         # the stop carries a type
                zeiger.cushort()
    texte = satz.daten2.split(b"\0")
    ergebnis = Absatz("")
    for stueck in texte[:-1]:
        ergebnis.text += stueck.decode("cp1252")
        befehl = zeiger.byte()
        if befehl == 0xFF:
            return ergebnis
        if befehl == 0x80:
            zeiger.wort()
        elif befehl in (0x86, 0x87, 0x88):
            ergebnis.bilder.append(_bildbefehl(zeiger, satz))
        elif befehl in (0xE2, 0xE3, 0xE6, 0xE7):
            ergebnis.spruenge.append(_u32(satz.daten1, zeiger.stelle))
            zeiger.stelle += 4
        elif befehl in (0x81, 0x82, 0x83):
            ergebnis.text += {0x81: "\n", 0x82: "\n", 0x83: "\t"}[befehl]
        elif befehl != 0x89:
            raise LeseFehler("record at %#x: unknown format command %#x" % (satz.pos, befehl))
    raise LeseFehler("record at %#x: text ends before the format data" % satz.pos)


def _bildbefehl(zeiger, satz):
    """The number of the |bmN file a picture command shows by reference."""
    art = zeiger.byte()
    groesse = zeiger.cslong()
    if art == 0x22:
        zeiger.cushort()                          # hotspots
    elif art != 0x03:
        raise LeseFehler("record at %#x: picture type %#x" % (satz.pos, art))
    anfang = zeiger.stelle
    durch_verweis, nummer = struct.unpack_from("<hh", zeiger.daten, anfang)
    if durch_verweis != 0 or groesse != 4:
        raise LeseFehler("record at %#x: picture not given by number" % satz.pos)
    zeiger.stelle = anfang + groesse
    return nummer


def lauflaenge_auspacken(daten, groesse):
    """Bytes from runs: 0x80 | n followed by n bytes as they are, else n
    times the next byte."""
    aus, i = bytearray(), 0
    while i < len(daten):
        n = daten[i]
        if n & 0x80:
            aus += daten[i + 1:i + 1 + (n & 0x7F)]
            i += 1 + (n & 0x7F)
        else:
            aus += daten[i + 1:i + 2] * n
            i += 2
    if len(aus) != groesse:
        raise LeseFehler("picture unpacks to %d bytes, not %d" % (len(aus), groesse))
    return bytes(aus)


@dataclass
class Bitmap:
    breite: int
    hoehe: int
    farben: list              # (red, green, blue)
    zeilen: list              # top row first, without padding


def bitmap(daten):
    """The one picture of a |bmN file: an 8-bit device-independent bitmap."""
    magic, anzahl = struct.unpack_from("<HH", daten)
    if magic not in (0x506C, 0x706C) or anzahl != 1:
        raise LeseFehler("not a picture file of one picture")
    anfang = _u32(daten, 4)
    art, packung = daten[anfang], daten[anfang + 1]
    zeiger = _Zeiger(daten)
    zeiger.stelle = anfang + 2
    zeiger.culong(), zeiger.culong()              # resolution
    ebenen, tiefe = zeiger.cushort(), zeiger.cushort()
    breite, hoehe, farbzahl = zeiger.culong(), zeiger.culong(), zeiger.culong()
    zeiger.culong()                               # important colours
    gepackt, hotspots = zeiger.culong(), zeiger.culong()
    pixel_stelle, _ = struct.unpack_from("<II", daten, zeiger.stelle)
    if (art, ebenen, tiefe, hotspots) != (6, 1, 8, 0) or packung not in (0, 1):
        raise LeseFehler("picture of type %d, packing %d, %d bits: not read here" % (art, packung, tiefe))
    tabelle = zeiger.stelle + 8
    farben = [tuple(reversed(daten[tabelle + 4 * i:tabelle + 4 * i + 3])) for i in range(farbzahl)]
    zeile = (breite + 3) & ~3
    roh = daten[anfang + pixel_stelle:anfang + pixel_stelle + gepackt]
    pixel = lauflaenge_auspacken(roh, zeile * hoehe) if packung == 1 else roh
    zeilen = [pixel[i * zeile:i * zeile + breite] for i in range(hoehe)]
    return Bitmap(breite, hoehe, farben, list(reversed(zeilen)))
