"""Lays the topics out as the |TOPIC internal file.

|TOPIC is a chain of records (topic headers and text records) in blocks of
4096 bytes, each block starting with a 12-byte header; the blocks are stored
uncompressed. A record is addressed by its TOPICPOS, block * 0x4000 plus its
place in the block counted from the block's start; a place in the text by its
TOPICOFFSET, block * 0x8000 plus the number of text bytes of the block's
text records before it. A record that does not fit the rest of a block starts
the next one; the rest stays zero. The last block is filled up as well,
since viewers read topic blocks whole.
"""
from dataclasses import dataclass

from absatz import kodieren
from binaer import u8, u32
from quelle import Absatz, QuellFehler, Stueck, inhaltsliste

BLOCK = 4096
BLOCKKOPF = 12
SATZKOPF = 21
KOPFSATZ, TEXTSATZ = 0x02, 0x20
KEINE = -1
THEMENKOPF = 28          # bytes of a topic header's own data


@dataclass
class Satz:
    art: int
    daten1: bytes
    daten2: bytes
    thema: object = None      # the topic a header starts; None for text records and the end mark
    pos: int = 0              # TOPICPOS
    offset: int = 0           # TOPICOFFSET

    @property
    def groesse(self):
        return SATZKOPF + len(self.daten1) + len(self.daten2)


def _saetze(hilfe, hashes, bilder):
    saetze = []
    for nummer, thema in enumerate(hilfe.themen):
        titel = kodieren(Absatz("titel", [Stueck(thema.titel)], thema.zeile), hashes, bilder)
        saetze.append(Satz(KOPFSATZ, bytes(THEMENKOPF), thema.titel.encode("cp1252"), thema))
        saetze.append(Satz(TEXTSATZ, *titel))
        # The contents topic lists the contents tree after its own text.
        absaetze = thema.absaetze + (inhaltsliste(hilfe) if nummer == 0 else [])
        for teil in absaetze:
            saetze.append(Satz(TEXTSATZ, *kodieren(teil, hashes, bilder)))
    # The chain ends with an empty topic header that starts no topic.
    saetze.append(Satz(KOPFSATZ, bytes(THEMENKOPF), b""))
    return saetze


def _anordnen(saetze):
    """Gives every record its block, TOPICPOS and TOPICOFFSET."""
    block, stelle, zeichen = 0, BLOCKKOPF, 0
    for satz in saetze:
        if satz.groesse > BLOCK - BLOCKKOPF:
            raise QuellFehler("a paragraph of %d bytes does not fit a topic block" % satz.groesse)
        if stelle + satz.groesse > BLOCK:
            block, stelle, zeichen = block + 1, BLOCKKOPF, 0
        satz.pos = block * 0x4000 + stelle
        satz.offset = block * 0x8000 + zeichen
        stelle += satz.groesse
        if satz.art == TEXTSATZ:
            zeichen += len(satz.daten2)


def _themenkopf(saetze, i, nummer, vorher, nachher):
    """The topic header of the header record saetze[i]; the end mark follows the last topic."""
    ende = next(j for j in range(i + 1, len(saetze)) if saetze[j].art == KOPFSATZ)
    text = saetze[i + 1:ende]
    return (u32(sum(s.groesse for s in text))                   # size of the topic's records
            + u32(vorher.offset if vorher else KEINE)           # browse sequence back
            + u32(nachher.offset if nachher else KEINE)         # and forward
            + u32(nummer)
            + u32(KEINE)                                        # no non-scrolling region
            + u32(text[0].pos if text else KEINE)               # the scrolling region
            + u32(saetze[ende].pos))                            # the next topic header


def _koepfe_fuellen(saetze):
    """Fills the topic headers once every record has its place; topics browse in source order."""
    koepfe = [i for i, s in enumerate(saetze) if s.art == KOPFSATZ]
    themen = [saetze[i] for i in koepfe[:-1]]
    for nummer, i in enumerate(koepfe[:-1]):
        vorher = themen[nummer - 1] if nummer > 0 else None
        nachher = themen[nummer + 1] if nummer + 1 < len(themen) else None
        saetze[i].daten1 = _themenkopf(saetze, i, nummer, vorher, nachher)
    saetze[koepfe[-1]].daten1 = (u32(0) + u32(KEINE) * 2 + u32(len(themen))
                                 + u32(KEINE) * 3)


def _satzkopf(saetze, i):
    satz = saetze[i]
    return (u32(satz.groesse) + u32(len(satz.daten2))
            + u32(saetze[i - 1].pos if i > 0 else KEINE)
            + u32(saetze[i + 1].pos if i + 1 < len(saetze) else KEINE)
            + u32(SATZKOPF + len(satz.daten1)) + u8(satz.art))


def _bloecke(saetze):
    """The bytes of |TOPIC: every block filled to its full size."""
    bloecke = []
    letzter, letzter_kopf = KEINE, 0      # 0: no topic header yet, as the compilers write it
    for i, satz in enumerate(saetze):
        if satz.pos // 0x4000 == len(bloecke):
            bloecke.append(bytearray(u32(letzter) + u32(satz.pos) + u32(letzter_kopf)))
        bloecke[-1] += _satzkopf(saetze, i) + satz.daten1 + satz.daten2
        letzter = satz.pos
        if satz.art == KOPFSATZ:
            letzter_kopf = satz.pos
    return b"".join(bytes(block.ljust(BLOCK, b"\0")) for block in bloecke)


def topic_datei(hilfe, hashes, bilder):
    """(|TOPIC bytes, [(context name, title, TOPICOFFSET) per topic in source order]);
    bilder maps picture names to the numbers of their |bmN files."""
    saetze = _saetze(hilfe, hashes, bilder)
    _anordnen(saetze)
    _koepfe_fuellen(saetze)
    themen = [(s.thema.kontext, s.thema.titel, s.offset) for s in saetze if s.thema]
    return _bloecke(saetze), themen
