"""Context names and their hash values.

A jump names its target topic by the hash of the target's context name; the
|CONTEXT tree maps each hash to the topic. Context names here are restricted
to the characters every help viewer accepts: letters, digits, "_" and ".".
"""
import re

ERLAUBT = re.compile(r"^[A-Za-z0-9_.]+$")


def _zeichenwert(zeichen):
    if zeichen.isalpha():
        return ord(zeichen.upper()) - ord("A") + 17      # A..Z, a..z -> 17..42
    if zeichen == "0":
        return 10
    if zeichen.isdigit():
        return ord(zeichen) - ord("0")                   # 1..9
    return {".": 12, "_": 13}[zeichen]


def hash_wert(name):
    """The 32-bit hash (as unsigned) of a context name: h = h * 43 + value."""
    if not ERLAUBT.match(name) or not name.isascii():
        raise ValueError("context name %r: only A-Z, a-z, 0-9, '_' and '.' are allowed" % name)
    wert = 0
    for zeichen in name:
        wert = (wert * 43 + _zeichenwert(zeichen)) & 0xFFFFFFFF
    return wert


def vorzeichen(wert):
    """The hash as the signed number the |CONTEXT tree is sorted by."""
    return wert - 0x100000000 if wert & 0x80000000 else wert
