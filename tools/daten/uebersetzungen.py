"""German translations of star names from two maintained translation files:
kstars' message catalogue (gettext, context "star name") and stellarium's
sky-culture translations (Qt's binary .qm format)."""
import gettext
import struct

_QM_MAGIE = bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd")
_QM_NACHRICHTEN = 0x69    # section of the messages
# Tags of a message record: its end, the translation (UTF-16BE), an obsolete
# hash (4 bytes), source text, context and comment (UTF-8).
_ENDE, _UEBERSETZUNG, _HASH, _QUELLE, _KONTEXT, _KOMMENTAR = 1, 3, 5, 6, 7, 8


def _qm_abschnitt(daten, gesucht):
    if daten[:16] != _QM_MAGIE:
        raise ValueError("not a Qt translation file")
    stelle = 16
    while stelle + 5 <= len(daten):
        art, laenge = daten[stelle], struct.unpack_from(">I", daten, stelle + 1)[0]
        stelle += 5
        if art == gesucht:
            return daten[stelle:stelle + laenge]
        stelle += laenge
    raise ValueError("Qt translation file without messages")


def qm_lesen(pfad):
    """{source text: translation} of the messages without context and comment."""
    with open(pfad, "rb") as datei:
        nachrichten = _qm_abschnitt(datei.read(), _QM_NACHRICHTEN)
    ergebnis, satz, stelle = {}, {}, 0
    while stelle < len(nachrichten):
        art = nachrichten[stelle]
        stelle += 1
        if art == _ENDE:
            if satz.get(_QUELLE) and satz.get(_UEBERSETZUNG) and not satz.get(_KONTEXT) \
                    and not satz.get(_KOMMENTAR):
                ergebnis.setdefault(satz[_QUELLE], satz[_UEBERSETZUNG])
            satz = {}
        elif art == _HASH:
            stelle += 4
        elif art in (_UEBERSETZUNG, _QUELLE, _KONTEXT, _KOMMENTAR):
            laenge = struct.unpack_from(">I", nachrichten, stelle)[0]
            stelle += 4
            if laenge == 0xFFFFFFFF:    # a null translation
                continue
            roh = nachrichten[stelle:stelle + laenge]
            stelle += laenge
            satz.setdefault(art, roh.decode("utf-16-be" if art == _UEBERSETZUNG else "utf-8"))
        else:
            raise ValueError("%s: unknown record tag %d" % (pfad, art))
    return ergebnis


def mo_lesen(pfad, kontext, quellen):
    """{source text: translation} for those of the source texts that the
    catalogue translates in the given context."""
    with open(pfad, "rb") as datei:
        katalog = gettext.GNUTranslations(datei)
    ergebnis = {}
    for quelle in quellen:
        text = katalog.pgettext(kontext, quelle)
        if text != quelle:
            ergebnis[quelle] = text
    return ergebnis
