"""Little-endian fields and the compressed integers of Windows help files.

The topic records store many small numbers in one or two bytes (or two or
four), with the lowest bit telling which form was chosen; the readers shift
the stored value right by one and, for the signed forms, subtract a bias.
"""
import struct


def u8(wert):
    return struct.pack("<B", wert)


def u16(wert):
    return struct.pack("<H", wert & 0xFFFF)


def u32(wert):
    """Four bytes; -1 (the "none" of every position field) becomes FFFFFFFF."""
    return struct.pack("<I", wert & 0xFFFFFFFF)


def _zwei_formen(wert, kurz, lang, grenze, name):
    """The short form holds 2 * wert below grenze, the long one 2 * wert + 1."""
    if not 0 <= wert < grenze * (1 << (8 * len(kurz(0)))):
        raise ValueError("compressed %s out of range: %d" % (name, wert))
    return kurz(wert * 2) if wert < grenze else lang(wert * 2 + 1)


def cushort(wert):
    """Compressed unsigned short, 0..32767: one byte below 128, else two."""
    return _zwei_formen(wert, u8, u16, 0x80, "unsigned short")


def culong(wert):
    """Compressed unsigned long, 0..2**31 - 1: two bytes below 32768, else four."""
    return _zwei_formen(wert, u16, u32, 0x8000, "unsigned long")


def csshort(wert):
    """Compressed signed short, -16384..16383: biased by 64 in one byte, by 16384 in two."""
    return cushort(wert + (0x40 if -0x40 <= wert < 0x40 else 0x4000))


def cslong(wert):
    """Compressed signed long: biased by 16384 in two bytes, by 2**26 in four."""
    return culong(wert + (0x4000 if -0x4000 <= wert < 0x4000 else 0x4000000))
