#!/usr/bin/python3
"""Builds the "Symbol" font for the Wine prefix from Wine's own symbol.ttf.

Wine's symbol.ttf has the glyphs of the Symbol encoding (0x61 alpha, 0x62 beta,
0x4A script theta, 0x77 omega ...), but only in Unicode cmaps at U+0020..U+00FF.
For a symbol-charset font Wine's TextOutA turns an 8-bit code c into U+F000+c
and looks that up in the selected Unicode cmap, where it is missing: every
character draws as the default box. Fonts made for Windows carry a
(platform 3, encoding 0) "symbol" cmap at U+F020..U+F0FF instead; with one of
those Wine selects the symbol cmap and finds the glyphs.

The copy gets that cmap (its Unicode cmaps stay) and a higher font revision
under the same names, so Wine keeps it in place of its own symbol.ttf, which
stays in the prefix's Fonts folder too: of two faces with equal full names
Wine keeps the one with the higher head.fontRevision.

Usage: symbolschrift.py SOURCE.ttf TARGET.ttf
The output depends on the source file only (no time stamps), byte for byte.
"""
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

# Above Wine's symbol.ttf (1.1); the value itself has no other meaning.
REVISION = 9.0


def main(quelle, ziel):
    font = TTFont(quelle, recalcTimestamp=False)
    unicode_cmap = font.getBestCmap()
    # 8-bit codes 0x20..0xFF of the Symbol encoding at U+F020..U+F0FF.
    symbol = {0xF000 + c: g for c, g in unicode_cmap.items() if 0x20 <= c <= 0xFF}
    for c in (0x61, 0x62, 0x67, 0x64, 0x4A, 0x70, 0x77):
        if 0xF000 + c not in symbol:
            sys.exit("symbolschrift: %s has no glyph for code 0x%02X" % (quelle, c))

    cmap = font["cmap"]
    cmap.tables = [t for t in cmap.tables if (t.platformID, t.platEncID) != (3, 0)]
    tabelle = CmapSubtable.newSubtable(4)
    tabelle.platformID, tabelle.platEncID, tabelle.language = 3, 0, 0
    tabelle.cmap = symbol
    cmap.tables.append(tabelle)
    cmap.tables.sort(key=lambda t: (t.platformID, t.platEncID, t.language))

    font["head"].fontRevision = REVISION
    name = font["name"]
    for rec in list(name.names):
        if rec.nameID == 5:
            name.setName("Version %.3f" % REVISION, 5, rec.platformID, rec.platEncID, rec.langID)
        elif rec.nameID == 3:
            name.setName("Symbol %.3f (symbol cmap)" % REVISION, 3,
                         rec.platformID, rec.platEncID, rec.langID)
    font.save(ziel)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: symbolschrift.py SOURCE.ttf TARGET.ttf")
    main(sys.argv[1], sys.argv[2])
