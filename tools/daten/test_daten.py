"""Checks of the data generator's rules on small hand-made catalogues, without
the Debian packages:

    python3 -m unittest discover -s tools/daten

The joins must refuse a partner that only one source's identifiers claim,
the spectral letter and the magnitude must follow their per-star rules, and
the German names their two translations.
"""
import os
import struct
import tempfile
import unittest
from decimal import Decimal

import abgleich
import sterne
import uebersetzungen
from bsc import BscStern
from kstars import HipStern
from stellarium import HipEintrag, Veraenderlicher


def _bsc(hr, ra, dec, mag, bezeichnung="          "):
    return BscStern(hr, bezeichnung, Decimal(ra), Decimal(dec), int(mag * 100), 0)


def _eintrag(ra, dec, mag, spektrum=""):
    return HipEintrag(abgleich.vektor(ra, dec), mag, spektrum)


def _kstars(zeile, ra, dec, mag, kennung="", spektrum="", name=""):
    return HipStern(zeile, round(Decimal(ra) * 360000), round(Decimal(dec) * 36000),
                    Decimal(mag), spektrum, kennung, name)


class HipPaare(unittest.TestCase):
    def test_cross_identification_holds_only_with_position_and_magnitude(self):
        katalog = [_bsc(1, "5.5", "10", 2.2), _bsc(2, "5.5", "10.0001", 6.8),
                   _bsc(3, "11.0", "-40", 5.6), _bsc(4, "2.3", "-3", 3.0)]
        hip = {100: _eintrag("5.5", "10", 2.25), 200: _eintrag("11.0", "32", 5.6),
               300: _eintrag("2.3", "-3", 6.45)}
        kreuz = {1: [100], 2: [100], 3: [200], 4: [300]}
        mira = {300: Veraenderlicher("o Cet", "M", 2.0, 10.1)}
        self.assertEqual(abgleich.hip_paaren(katalog, hip, kreuz, mira), {1: 100, 4: 300})
        # without the GCVS range, 3.45 magnitudes are too many
        self.assertEqual(abgleich.hip_paaren(katalog, hip, kreuz, {}), {1: 100})

    def test_brighter_component_of_a_split_double_takes_the_entry(self):
        katalog = [_bsc(1, "1.0", "20", 4.9), _bsc(2, "1.0", "20.0005", 4.1)]
        hip = {7: _eintrag("1.0", "20.0003", 3.9)}
        self.assertEqual(abgleich.hip_paaren(katalog, hip, {1: [7], 2: [7]}, {}), {2: 7})


class KstarsPaare(unittest.TestCase):
    def test_contradicting_designations_are_no_pair(self):
        katalog = [_bsc(1, "3.0", "5", 4.0, "   Kap2CrA"), _bsc(2, "4.0", "5", 4.0, " 13    Lyr")]
        kst = [_kstars(1, "3.0", "5", "4.1", "eps CrA"), _kstars(2, "4.0", "5", "4.1", "R   Lyr")]
        paare = abgleich.kstars_paaren(katalog, kst, {})
        self.assertNotIn(1, paare)
        self.assertEqual(paare[2].zeile, 2)   # "R   Lyr" is no Bayer designation

    def test_variable_reaches_its_partner_through_its_range(self):
        katalog = [_bsc(1, "15.99", "25.9", 2.0)]
        kst = [_kstars(1, "15.99", "25.9", "10.0")]
        self.assertEqual(abgleich.kstars_paaren(katalog, kst, {}), {})
        self.assertEqual(abgleich.kstars_paaren(katalog, kst, {1: 8.8})[1].zeile, 1)


class Regeln(unittest.TestCase):
    def test_spectral_letter(self):
        faelle = [
            ("K0-II-III", "A0", "A0", ("K", "bsc")),        # the catalogue's own type wins
            ("sdBe+gM3+Q", "M3III+p", "", ("M", "bsc")),     # the part Hipparcos confirms
            ("F7III+A0V", "G5", "", ("F", "bsc")),           # else the first part
            ("", "DA3+F6V", "F6", ("D", "stellarium")),      # no type in the catalogue
            ("", "", "K2", ("K", "kstars")),
            ("pec", "", "", (" ", "")),
        ]
        for bsc_typ, hip_typ, kst_typ, erwartet in faelle:
            hip = _eintrag("0", "0", 5.0, hip_typ)
            kst = _kstars(1, "0", "0", "5.0", spektrum=kst_typ)
            self.assertEqual(sterne._spektrum(bsc_typ, hip, kst), erwartet, bsc_typ)

    def test_magnitude_of_large_amplitude_variables(self):
        b = _bsc(1, "0", "0", 3.04)
        hip = _eintrag("0", "0", 6.45)
        kst = _kstars(1, "0", "0", "6.47")
        faelle = [
            (Veraenderlicher("o Cet", "M", 2.0, 10.1), kst, (647, "Mira-type variable")),
            (Veraenderlicher("R Aqr", "M+ZAND", 5.2, 12.4), kst, (647, "Mira-type variable")),
            (Veraenderlicher("T CrB", "NR", 2.0, 10.8), None, (645, "recurrent nova")),
            (Veraenderlicher("bet Per", "EA", 2.09, 3.3), kst, (304, "")),
            (None, kst, (304, "")),
        ]
        for veraenderlicher, partner, erwartet in faelle:
            self.assertEqual(sterne._helligkeit(b, hip, partner, veraenderlicher), erwartet)

    def test_kstars_name_needs_a_dictionary(self):
        quellen = sterne.Quellen([], {}, [], {}, {}, {}, {
            1: [("Regor", {"1", "11"})], 2: [("Chow", {"2", "3", "37"})],
            3: [("Persian", {"2", "5"})]}, {})
        for hip, name, erwartet in [(1, "Regor", "Regor"), (2, "Chow", ""), (3, "Al Nair", ""),
                                    (4, "Men", "")]:
            kst = _kstars(1, "0", "0", "2.0", name=name)
            self.assertEqual(sterne._name(hip, kst, quellen, {}, set()), erwartet, name)

    def test_german_forms(self):
        deutsch = {"Vega": "Wega", "Sualocin": "Svalocin"}
        self.assertEqual(sterne.deutsche_form("Vega", deutsch), "Wega")
        self.assertEqual(sterne.deutsche_form("Sualocin", deutsch), "Sualocin")
        self.assertEqual(sterne.deutsche_form("Alcor", deutsch), "Alcor")


def _qm(nachrichten):
    """A Qt translation file with the given (source, translation, context) messages."""
    daten = b""
    for quelle, text, kontext in nachrichten:
        daten += b"\x03" + struct.pack(">I", 2 * len(text)) + text.encode("utf-16-be")
        daten += b"\x05" + b"\0\0\0\0"
        daten += b"\x06" + struct.pack(">I", len(quelle)) + quelle.encode()
        daten += b"\x07" + struct.pack(">I", len(kontext)) + kontext.encode()
        daten += b"\x01"
    return (bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd") + b"\x42" + struct.pack(">I", 0)
            + b"\x69" + struct.pack(">I", len(daten)) + daten)


class Uebersetzungen(unittest.TestCase):
    def test_qm_messages_without_context(self):
        with tempfile.TemporaryDirectory() as ordner:
            pfad = os.path.join(ordner, "de.qm")
            with open(pfad, "wb") as datei:
                datei.write(_qm([("Polaris", "Polarstern", ""), ("Arcturus", "Arktur", ""),
                                 ("Mars", "Mars (Planet)", "major planet")]))
            self.assertEqual(uebersetzungen.qm_lesen(pfad),
                             {"Polaris": "Polarstern", "Arcturus": "Arktur"})


if __name__ == "__main__":
    unittest.main()
